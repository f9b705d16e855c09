#include "ui/report_window.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>

#include "adapters/qt_plain_text_print.h"
#include "adapters/qt_text.h"
#include "adapters/qt_window_geometry.h"
#include "reports/report_file.h"
#include "ui/busy_cursor.h"
#include "ui/form_hlaska.h"
#include "ui/printer_choice.h"
#include "ui/text_file_dialog.h"

namespace zirdan {

TReportWindow::TReportWindow(const TAppSettings& settings, const TMessageTable& messages,
                             int helpContext, QString proposedFileName, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      m_settings(settings),
      m_messages(messages),
      m_helpContext(helpContext),
      m_proposedFileName(std::move(proposedFileName)) {}

TReportWindow::~TReportWindow() = default;

void TReportWindow::Attach(Parts parts) {
  m_parts = parts;
  m_popup = new QMenu(this);
  m_popup->setObjectName("PopupMenu1");
  m_popup->addAction(parts.Save);
  m_popup->addAction(parts.Print);
  m_popup->addAction(parts.Help);
  m_popup->addSeparator();
  m_popup->addAction(parts.Close);

  QPlainTextEdit* memo = parts.Memo;
  memo->setContextMenuPolicy(Qt::CustomContextMenu);
  memo->viewport()->installEventFilter(this);
  connect(memo, &QWidget::customContextMenuRequested, this,
          [this, memo](const QPoint& at) { m_popup->popup(memo->viewport()->mapToGlobal(at)); });
  connect(parts.Save, &QAction::triggered, this, &TReportWindow::SaveCommand);
  connect(parts.Print, &QAction::triggered, this, &TReportWindow::PrintCommand);
  connect(parts.Help, &QAction::triggered, this, [this] { Q_EMIT HelpRequested(m_helpContext); });
  connect(parts.Close, &QAction::triggered, this, &QDialog::reject);
}

void TReportWindow::ShowReport(const std::vector<std::string>& lines, const QString& folder) {
  m_folder = folder;
  {
    // The text of a large logbook runs to hundreds of thousands of lines: filling the memo
    // takes a moment too.
    BusyCursor busy;
    std::string text;
    for (const std::string& line : lines) {
      text += line;
      text += '\n';
    }
    if (!text.empty()) text.pop_back();
    m_parts.Memo->setPlainText(FromWin1250(text));
    m_parts.Memo->setFont(FixedFont());
  }
  m_parts.Memo->setFocus();
  exec();
}

QStringList TReportWindow::Lines() const {
  return m_parts.Memo->toPlainText().split('\n');
}

WindowGeometry TReportWindow::Geometry() const {
  return GeometryOf(*this);
}

void TReportWindow::SetGeometry(const WindowGeometry& geometry) {
  PlaceWindow(*this, geometry);
}

QFont TReportWindow::FixedFont() const {
  QFont font(QString::fromStdString(m_settings.FontCourier), m_settings.FontCourierSize);
  // A missing face falls back to another fixed-pitch one, never to a proportional one.
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  return font;
}

void TReportWindow::SaveCommand() {
  const QString path = AskTextFileName(this, CaptionWithoutAccelerator(m_parts.Save->text()),
                                       QDir(m_folder).filePath(m_proposedFileName));
  if (path.isEmpty()) return;
  std::vector<std::string> lines;
  for (const QString& line : Lines()) lines.push_back(ToWin1250(line));
  OpResult saved;
  {
    BusyCursor busy;
    saved = SaveReportText(path.toStdString(), lines);
  }
  if (!saved) ShowFailure(saved, m_messages);
}

void TReportWindow::PrintCommand() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(windowTitle());
  // Without a printer the dialog offers only a PDF file: it proposes one beside the logbook
  // rather than a bare folder.
  if (QPrinterInfo::availablePrinterNames().isEmpty())
    printer.setOutputFileName(
        QDir(m_folder).filePath(QFileInfo(m_proposedFileName).completeBaseName() + ".pdf"));
  if (!ChoosePrinter(printer, this)) return;
  int pages = 0;
  {
    BusyCursor busy;
    pages = PrintPlainText(printer, Lines(), FixedFont());
  }
  if (pages > 0) return;
  const QString target =
      printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
  ShowFailure(OpResult::FailureKey("StrChybaDat").With("StrDetTiskNa", {target.toStdString()}),
              m_messages);
}

void TReportWindow::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  // The fixed-pitch font is taken again on every activation: the settings may have changed.
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_parts.Memo)
    m_parts.Memo->setFont(FixedFont());
}

bool TReportWindow::eventFilter(QObject* watched, QEvent* event) {
  if (m_parts.Memo && watched == m_parts.Memo->viewport() &&
      event->type() == QEvent::MouseButtonDblClick) {
    reject();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace zirdan
