#include "adapters/qt_sheet_printer.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QRectF>
#include <QString>

#include "adapters/qt_canvas.h"

namespace zirdan {
QtSheetPrinter::QtSheetPrinter(QPrinter& printer)
    : m_printer(printer), m_toFile(printer.outputFormat() == QPrinter::PdfFormat) {
  m_printer.setPageOrientation(QPageLayout::Portrait);
}

QtSheetPrinter::~QtSheetPrinter() {
  // The canvas restores the painter's state, so it must go before the painter ends.
  m_canvas.reset();
  if (m_painter && m_painter->isActive()) m_painter->end();
}

PrintableArea QtSheetPrinter::Area() const {
  // The printable rectangle is taken as centred on the paper: its width is the paper's
  // less twice the left offset, its height the paper's less twice the top offset.
  const QRectF paper = m_printer.paperRect(QPrinter::DevicePixel);
  const QRectF page = m_printer.pageRect(QPrinter::DevicePixel);
  PrintableArea area;
  area.Width = paper.width() - 2 * (page.left() - paper.left());
  area.Height = paper.height() - 2 * (page.top() - paper.top());
  area.ResolutionX = m_printer.logicalDpiX();
  area.ResolutionY = m_printer.logicalDpiY();
  return area;
}

Canvas* QtSheetPrinter::BeginSheet(const PageSetUp& page) {
  m_canvas.reset();
  if (m_toFile && m_painter && m_painter->isActive()) {
    // Every sheet after the first is a new page of the same file.
    if (!m_printer.newPage()) {
      Fail("StrDetTiskStranka");
      return nullptr;
    }
  } else {
    // A real printer gets one job per sheet, so the sheets sent survive a later failure.
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(&m_printer)) {
      m_painter.reset();
      Fail(m_toFile ? "StrDetNelzeZapsat" : "StrDetTiskStart");
      return nullptr;
    }
  }

  // The painter's origin is the printable rectangle's corner unless the printer paints on
  // the full page.
  const PrintableArea area = Area();
  QPointF corner(0, 0);
  if (m_printer.fullPage()) corner = m_printer.pageRect(QPrinter::DevicePixel).topLeft();
  const CanvasMapping mapping{QRectF(corner, QSizeF(area.Width, area.Height)),
                              QSizeF(page.UnitsWide(), page.UnitsHigh()), true, false, false};
  m_canvas = std::make_unique<QtCanvas>(*m_painter, mapping);
  return m_canvas.get();
}

bool QtSheetPrinter::EndSheet() {
  m_canvas.reset();
  if (!m_painter) return Fail();
  const bool ended = m_toFile || m_painter->end();
  if (!m_toFile) m_painter.reset();
  if (!ended || m_printer.printerState() == QPrinter::Error) return Fail();
  return true;
}

bool QtSheetPrinter::Finish() {
  m_canvas.reset();
  if (!m_painter) return m_failure.Ok();
  const bool ended = m_painter->end();
  m_painter.reset();
  if (!ended || m_printer.printerState() == QPrinter::Error) return Fail();
  return m_failure.Ok();
}

bool QtSheetPrinter::Fail(const char* doing) {
  // Every failure says that printing failed and the rest was left out; the detail (a
  // message key) names the printer or file.
  if (!doing) doing = m_toFile ? "StrDetNelzeZapsat" : "StrDetTiskTisk";
  const QString target = m_toFile ? m_printer.outputFileName() : m_printer.printerName();
  m_failure = OpResult::FailureKey("StrChTisk").With(doing, {target.toStdString()});
  return false;
}

}  // namespace zirdan
