#include "ui/report_window.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextCursor>
#include <QTimer>

#include "adapters/qt_plain_text_print.h"
#include "adapters/qt_print_document.h"
#include "adapters/qt_text.h"
#include "adapters/qt_window_geometry.h"
#include "core/win1250.h"
#include "reports/report_file.h"
#include "ui/busy_cursor.h"
#include "ui/form_hlaska.h"
#include "ui/printer_choice.h"
#include "ui/text_file_dialog.h"

namespace zirdan {
namespace {

// A report of tens of thousands of dives runs to hundreds of thousands of lines, and a text
// control takes seconds to take them all. The window opens with the first piece; the rest
// follows in larger pieces, each of whole lines, while the diver already reads.
constexpr std::size_t kFirstPiece = 64 * 1024;  // characters
constexpr std::size_t kLaterPiece = 256 * 1024;

// The line after the piece of about `size` characters that starts at line `from`.
std::size_t PieceEnd(const std::vector<std::string>& lines, std::size_t from, std::size_t size) {
  std::size_t characters = 0;
  while (from < lines.size() && characters < size) characters += lines[from++].size() + 1;
  return from;
}

// Lines [from, to) of Windows-1250 text as one text, each led by a line end but the very
// first line of the report.
QString JoinPiece(const std::vector<std::string>& lines, std::size_t from, std::size_t to) {
  qsizetype size = 0;
  for (std::size_t i = from; i < to; ++i) size += static_cast<qsizetype>(lines[i].size()) + 1;
  if (from == 0 && size > 0) --size;
  QString text(size, Qt::Uninitialized);
  QChar* out = text.data();
  for (std::size_t i = from; i < to; ++i) {
    if (i > 0) *out++ = u'\n';
    for (char c : lines[i])
      *out++ = QChar(static_cast<char16_t>(Win1250ToUnicode(static_cast<uint8_t>(c))));
  }
  return text;
}

}  // namespace

TReportWindow::TReportWindow(const TAppSettings& settings, const TMessageTable& messages,
                             int helpContext, QString proposedFileName, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      m_settings(settings),
      m_messages(messages),
      m_helpContext(helpContext),
      m_proposedFileName(std::move(proposedFileName)),
      m_filling(new QTimer(this)) {
  m_filling->setInterval(0);
  connect(m_filling, &QTimer::timeout, this, &TReportWindow::FillPiece);
}

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

void TReportWindow::ShowReport(std::vector<std::string> lines, const QString& logbookPath) {
  m_logbookPath = logbookPath;
  m_folder = QFileInfo(logbookPath).absolutePath();
  m_filling->stop();
  QPlainTextEdit& memo = *m_parts.Memo;
  {
    BusyCursor busy;
    // The font first: a font set afterwards would lay the text out again. Filling is no
    // step the diver could undo.
    memo.setFont(FixedFont());
    memo.document()->setUndoRedoEnabled(false);
    m_rest = std::move(lines);
    m_restAt = PieceEnd(m_rest, 0, kFirstPiece);
    memo.setPlainText(JoinPiece(m_rest, 0, m_restAt));
  }
  if (m_restAt < m_rest.size())
    m_filling->start();
  else
    FillPiece();
  memo.setFocus();
  exec();
  m_filling->stop();
}

void TReportWindow::FillPiece() {
  if (m_restAt < m_rest.size()) {
    const std::size_t end = PieceEnd(m_rest, m_restAt, kLaterPiece);
    // Added at the memo's end, away from the diver's cursor and view.
    QTextCursor atEnd(m_parts.Memo->document());
    atEnd.movePosition(QTextCursor::End);
    atEnd.insertText(JoinPiece(m_rest, m_restAt, end));
    m_restAt = end;
  }
  if (m_restAt < m_rest.size()) return;
  m_filling->stop();
  m_rest.clear();
  m_restAt = 0;
  m_parts.Memo->document()->setUndoRedoEnabled(true);
}

void TReportWindow::FillAll() {
  if (m_rest.empty()) return;
  BusyCursor busy;
  while (!m_rest.empty()) FillPiece();
}

QStringList TReportWindow::Lines() {
  FillAll();
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
  NamePrintDocument(printer, m_logbookPath, windowTitle());
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
