#pragma once

#include <functional>

class QPrinter;
class QWidget;

namespace zirdan {

// Chooses a printer (and its paper and tray); false when the user cancels. The default
// shows the platform's print dialog, which also offers printing to a PDF file.
using PrinterChoice = std::function<bool(QPrinter& printer, QWidget* parent)>;
bool ChoosePrinter(QPrinter& printer, QWidget* parent);

// Replaces how the printer is chosen, so tests can print to a PDF file without a dialog;
// nullptr brings the print dialog back.
void SetPrinterChoice(PrinterChoice choice);

}  // namespace zirdan
