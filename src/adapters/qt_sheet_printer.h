#pragma once

#include <QRectF>
#include <memory>
#include <string>

#include "adapters/canvas_buffer.h"
#include "adapters/qt_canvas.h"
#include "core/op_result.h"
#include "reports/print_run.h"

class QPainter;
class QPrinter;

namespace zirdan {

// Prints sheets on a QPrinter in portrait. On a printer each sheet is a print job of its
// own, so an interrupted run leaves the sheets already sent intact; when the printer
// writes a PDF file, all sheets of the run go into that one file, a page a sheet.
// A sheet whose drawing would run past the printer's printable area (a block on the page's
// right edge, a page shorter than an A4 sheet, a long measures line) is shifted, and
// scaled down only when shifting is not enough, so that nothing of it is cut.
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

  // Where the last sheet's drawing lies and the printable rectangle it had to stay in, in
  // the painter's device pixels.
  QRectF LastSheetDrawn() const { return m_lastDrawn; }
  QRectF Printable() const;

 private:
  // Measures the kept sheet, fits it into the printable rectangle and draws it.
  void DrawSheet();

  // Keeps the failure of `doing` (a message key: "StrDetTiskStart") to the printer or
  // file, by default that it could not be written or printed; always false.
  bool Fail(const char* doing = nullptr);

  QPrinter& m_printer;
  std::unique_ptr<QPainter> m_painter;
  std::unique_ptr<CanvasBuffer> m_sheet;
  CanvasMapping m_mapping;
  QRectF m_lastDrawn;
  bool m_toFile = false;
  OpResult m_failure;
};

}  // namespace zirdan
