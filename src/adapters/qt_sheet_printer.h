#pragma once

#include <memory>
#include <string>

#include "core/op_result.h"
#include "reports/print_run.h"

class QPainter;
class QPrinter;

namespace zirdan {

class QtCanvas;

// Prints sheets on a QPrinter in portrait. On a printer each sheet is a print job of its
// own, so an interrupted run leaves the sheets already sent intact; when the printer
// writes a PDF file, all sheets of the run go into that one file, a page a sheet.
class QtSheetPrinter final : public SheetOutput {
 public:
  explicit QtSheetPrinter(QPrinter& printer);
  ~QtSheetPrinter() override;
  QtSheetPrinter(const QtSheetPrinter&) = delete;
  QtSheetPrinter& operator=(const QtSheetPrinter&) = delete;

  PrintableArea Area() const override;
  Canvas* BeginSheet(const PageSetUp& page) override;
  bool EndSheet() override;
  OpResult Failure() const override { return m_failure; }

  // Ends the run: closes the PDF file when one is open. False when that failed.
  bool Finish();

 private:
  // Keeps the failure of `doing` (a message key: "StrDetTiskStart") to the printer or
  // file, by default that it could not be written or printed; always false.
  bool Fail(const char* doing = nullptr);

  QPrinter& m_printer;
  std::unique_ptr<QPainter> m_painter;
  std::unique_ptr<QtCanvas> m_canvas;
  bool m_toFile = false;
  OpResult m_failure;
};

}  // namespace zirdan
