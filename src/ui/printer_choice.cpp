#include "ui/printer_choice.h"

#include <QPrintDialog>
#include <QPrinter>

namespace zirdan {
namespace {

PrinterChoice& ChosenPrinterChoice() {
  static PrinterChoice choice;
  return choice;
}

}  // namespace

bool ChoosePrinter(QPrinter& printer, QWidget* parent) {
  if (const PrinterChoice& choice = ChosenPrinterChoice()) return choice(printer, parent);
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

void SetPrinterChoice(PrinterChoice choice) {
  ChosenPrinterChoice() = std::move(choice);
}

}  // namespace zirdan
