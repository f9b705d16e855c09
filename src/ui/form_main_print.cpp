// Printing the paper logbook: the printer set-up and the five print commands.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>

#include "adapters/qt_print_document.h"
#include "adapters/qt_sheet_printer.h"
#include "adapters/qt_text.h"
#include "reports/print_run.h"
#include "ui/busy_cursor.h"
#include "ui/dialog_tisk.h"
#include "ui/form_graf.h"
#include "ui/form_hlaska.h"
#include "ui/form_main.h"
#include "ui/form_prubeh.h"
#include "ui/printer_choice.h"
#include "ui/text_file_dialog.h"
#include "ui_form_main.h"

namespace zirdan {
namespace {

PrintSettings PrintSettingsOf(const TAppSettings& settings) {
  return {settings.LevyOkraj,   settings.PravyOkraj, settings.VsechnyOkraje,
          settings.Oboustranne, settings.Barevne,    settings.FontSerif};
}

}  // namespace

void TFormMain::ConnectPrintMenu() {
  connect(m_ui->Nastaventiskrny1, &QAction::triggered, this, &TFormMain::PrinterSetUpCommand);
  const std::pair<QAction*, PrintCommand> commands[] = {
      {m_ui->Tisktextu1, PrintCommand::TextA5}, {m_ui->Tiskgrafu1, PrintCommand::GraphA5},
      {m_ui->TiskA41, PrintCommand::A4},        {m_ui->TiskA4lich1, PrintCommand::A4Odd},
      {m_ui->TiskA4sud1, PrintCommand::A4Even}};
  for (auto [item, command] : commands)
    connect(item, &QAction::triggered, this,
            [this, item = item, command = command] { PrintSheetsCommand(command, item); });
}

void TFormMain::PrinterSetUpCommand() {
  if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  // The choice (printer, paper, tray) holds for the rest of the run.
  ChoosePrinter(*m_printer, this);
}

bool TFormMain::ChoosePdfFileIfNeeded(QPrinter& printer, const QString& title) {
  // Without an installed printer Qt writes PDF files; so does the set-up's "print to file".
  // Each command asks for its file, so one command's sheets never replace another's.
  if (printer.outputFormat() != QPrinter::PdfFormat) return true;
  QString proposed = printer.outputFileName();
  if (proposed.isEmpty()) {
    const QFileInfo logbook(QString::fromStdString(m_model->FileName()));
    proposed = QDir(logbook.absolutePath()).filePath(logbook.completeBaseName() + ".pdf");
  }
  const QString path = AskPdfFileName(this, title, proposed);
  if (path.isEmpty()) return false;
  printer.setOutputFileName(path);
  return true;
}

void TFormMain::PrintSheetsCommand(PrintCommand command, QAction* item) {
  if (!m_model->Logbook().Nacteno) return;
  StoreEditedDive();
  const TLogbook& logbook = m_model->Logbook();
  const pam* current = m_model->CurrentDive();
  const QString title = CaptionWithoutAccelerator(item->text());
  const std::optional<PrintRange> range =
      m_dialogTisk->Ask(title, logbook.PrvniCislo, logbook.PosledniCislo,
                        current ? current->Cislo : logbook.PrvniCislo);
  if (!range) return;
  if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (!ChoosePdfFileIfNeeded(*m_printer, title)) return;
  NamePrintDocument(*m_printer, QString::fromStdString(m_model->FileName()), title);

  const FieldLabelCaptions labels = ShownLabelCaptions();
  const PrintTexts texts{m_messages, labels, SystemDecimalSeparator()};
  const QString printing = Text("StrTisknu") + " ";
  PrintRunResult printed;
  {
    BusyCursor busy;
    QtSheetPrinter output(*m_printer);
    // The run shows its start dive first, so the window opens even for a range without
    // sheets, and closes again at once.
    printed = PrintDives(logbook, command, *range, PrintSettingsOf(m_settings), texts,
                         ReportCodec(), output, [&](int number) {
                           m_formPrubeh->ShowProgress(printing + QString::number(number));
                         });
    if (printed.Outcome && !output.Finish()) printed.Outcome = output.Failure();
  }
  m_formPrubeh->hide();
  // The printer's failure is shown once the progress window is gone; the sheets already
  // sent stay printed, the logbook is untouched either way.
  if (!printed.Outcome) ShowFailure(printed.Outcome, m_messages);
  ShowCurrentDive();
}

}  // namespace zirdan
