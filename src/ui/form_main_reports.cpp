// The statistics, the overview, the text output of the current dive, the CSV and the UDDF
// export.
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressDialog>
#include <memory>

#include "adapters/qt_text.h"
#include "core/csv_export.h"
#include "env/field_labels.h"
#include "interchange/uddf_export.h"
#include "reports/dive_text.h"
#include "reports/overview.h"
#include "reports/report_file.h"
#include "reports/statistics.h"
#include "ui/busy_cursor.h"
#include "ui/form_graf.h"
#include "ui/form_hlaska.h"
#include "ui/form_main.h"
#include "ui/form_prehled.h"
#include "ui/form_statistika.h"
#include "ui/text_file_dialog.h"
#include "ui_form_main.h"

namespace zirdan {
namespace {

ReportDate Today() {
  const QDate today = QDate::currentDate();
  return {today.day(), today.month(), today.year()};
}

QString AbsolutePath(const std::string& path) {
  return QDir::cleanPath(QFileInfo(QString::fromStdString(path)).absoluteFilePath());
}

// The progress of an export of `total` dives, shown when it takes more than a moment.
std::unique_ptr<QProgressDialog> ExportProgress(QWidget* parent, const QString& title, int total) {
  auto progress = std::make_unique<QProgressDialog>(title, QString(), 0, total, parent);
  progress->setWindowTitle(title);
  progress->setWindowModality(Qt::WindowModal);
  progress->setMinimumDuration(300);
  progress->setAutoClose(true);
  return progress;
}

}  // namespace

// The captions of the field labels Label1 .. Label20 as the main window shows them now.
FieldLabelCaptions TFormMain::ShownLabelCaptions() const {
  FieldLabelCaptions captions = FieldLabelCaptions::DesignTime();
  for (std::size_t i = 1; i < captions.Label.size(); ++i)
    if (const auto* label = findChild<QLabel*>(QString("Label%1").arg(i)))
      captions.Label[i] = ToWin1250(label->text());
  return captions;
}

CodecContext TFormMain::ReportCodec() const {
  return {m_tables, m_model->Logbook().VychoziFormatGrafu, SystemDecimalSeparator()};
}

void TFormMain::ConnectReportsMenu() {
  connect(m_ui->Statistika2, &QAction::triggered, this, [this] {
    ReportCommand(*m_formStatistika, [this](const ReportSource& source) {
      return BuildStatisticsText(source, {m_settings.PocetPonoruProSoucet});
    });
  });
  connect(m_ui->Prehled1, &QAction::triggered, this,
          [this] { ReportCommand(*m_formPrehled, &BuildOverviewText); });
  connect(m_ui->Vstupdotextovhosouboru1, &QAction::triggered, this, &TFormMain::DiveTextCommand);
  connect(m_ui->Export1, &QAction::triggered, this, &TFormMain::ExportCommand);
  connect(m_ui->ExportdoUDDF1, &QAction::triggered, this, &TFormMain::ExportUddfCommand);
}

void TFormMain::ReportCommand(
    TReportWindow& window,
    const std::function<std::vector<std::string>(const ReportSource&)>& build) {
  StoreEditedDive();
  if (!m_model->Logbook().Nacteno) return;
  const QString path = AbsolutePath(m_model->FileName());
  std::vector<std::string> lines;
  {
    // The statistics of tens of thousands of dives take a noticeable moment.
    BusyCursor busy;
    lines = build({m_model->Logbook(), m_messages, m_tables, ToWin1250(path), Today(),
                   SystemDecimalSeparator()});
  }
  window.ShowReport(std::move(lines), path);
  ShowCurrentDive();
}

void TFormMain::DiveTextCommand() {
  if (!m_model->Logbook().Nacteno) return;
  StoreEditedDive();
  const pam* dive = m_model->CurrentDive();
  if (!dive) return;
  const QString folder = QFileInfo(AbsolutePath(m_model->FileName())).absolutePath();
  const QString path =
      AskTextFileName(this, CaptionWithoutAccelerator(m_ui->Vstupdotextovhosouboru1->text()),
                      QDir(folder).filePath(FromWin1250(DiveTextFileName(*dive, m_messages))));
  if (path.isEmpty()) return;
  const CodecContext codec = ReportCodec();
  const std::vector<DiveTextLine> lines =
      BuildDiveText(*dive, codec, m_messages, ShownLabelCaptions());
  if (!WriteDiveTextFile(path.toStdString(), lines, m_settings.OutputEncoding()))
    ShowAppMessage(Text("StrChSoubor") + " " + path, MessageKind::Error);
  ShowCurrentDive();
}

bool TFormMain::EnsureLogbookHasFile() {
  // The tables are named after the logbook file and written beside it: a logbook that was
  // never saved has neither name nor folder yet.
  return !m_neverSaved || SaveAsCommand();
}

void TFormMain::ExportCommand() {
  if (!m_model->Logbook().Nacteno) return;
  StoreEditedDive();
  if (!EnsureLogbookHasFile()) return;
  const std::string path = AbsolutePath(m_model->FileName()).toStdString();
  const auto progress = ExportProgress(this, CaptionWithoutAccelerator(m_ui->Export1->text()),
                                       m_model->Logbook().PocetPonoru());
  const CodecContext codec = ReportCodec();
  const FieldLabelCaptions labels = ShownLabelCaptions();
  OpResult exported;
  {
    BusyCursor busy;
    exported = ExportCsv(m_model->Logbook(), path, codec, CsvHeadingTexts{m_messages, labels.Label},
                         [&progress](std::size_t written, std::size_t) {
                           progress->setValue(static_cast<int>(written));
                         });
  }
  progress->reset();
  // A failed export leaves the logbook open and unchanged: the diver keeps every edit.
  if (!exported) {
    ShowFailure(exported, m_messages);
    ShowCurrentDive();
    return;
  }
  QString files = Text("StrExportOk");
  for (const std::string& name : CsvFileNamesFor(path))
    files += "\n" + QString::fromStdString(name);
  ShowAppMessage(files, MessageKind::Information);
  ShowCurrentDive();
}

void TFormMain::ExportUddfCommand() {
  if (!m_model->Logbook().Nacteno) return;
  StoreEditedDive();
  QString title = CaptionWithoutAccelerator(m_ui->ExportdoUDDF1->text());
  if (title.endsWith(QChar(0x2026))) title.chop(1);  // the menu's "…" says a dialog follows
  const QString path =
      AskUddfFileName(this, title, AbsolutePath(UddfFileNameFor(m_model->FileName())));
  if (path.isEmpty()) {
    ShowCurrentDive();
    return;
  }
  const auto progress = ExportProgress(this, title, m_model->Logbook().PocetPonoru());
  const FieldLabelCaptions labels = ShownLabelCaptions();
  OpResult exported;
  {
    BusyCursor busy;
    exported = ExportUddf(AllDives(m_model->Logbook()), path.toStdString(), ReportCodec(),
                          UddfTexts{m_messages, labels.Label},
                          [&progress](std::size_t written, std::size_t) {
                            progress->setValue(static_cast<int>(written));
                          });
  }
  progress->reset();
  if (exported)
    ShowAppMessage(Text("StrUddfHotovo") + "\n" + path, MessageKind::Information);
  else
    ShowFailure(exported, m_messages);
  ShowCurrentDive();
}

}  // namespace zirdan
