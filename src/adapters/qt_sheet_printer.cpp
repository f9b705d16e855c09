#include "adapters/qt_sheet_printer.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QRectF>
#include <QString>
#include <algorithm>

#include "adapters/qt_canvas.h"

namespace zirdan {
namespace {

// The area to map the sheet's units onto so that a drawing covering `drawn` under
// `area` lies inside `printable`: moved as little as needed, and made smaller only when it
// is larger than the printable rectangle. Texts and pen widths shrink with the rest.
QRectF FitArea(const QRectF& area, const QRectF& drawn, const QRectF& printable) {
  if (drawn.isEmpty() || printable.contains(drawn)) return area;
  // A little room for texts, whose width does not follow their size quite exactly.
  constexpr double kSlack = 0.995;
  double scale = std::min(printable.width() / drawn.width(), printable.height() / drawn.height());
  scale = scale < 1 ? scale * kSlack : 1.0;
  const QPointF corner = area.topLeft();
  const QRectF scaled(corner + (drawn.topLeft() - corner) * scale, drawn.size() * scale);
  auto shift = [](double low, double high, double lowest, double highest) {
    if (low < lowest) return lowest - low;
    if (high > highest) return highest - high;
    return 0.0;
  };
  const QPointF by(shift(scaled.left(), scaled.right(), printable.left(), printable.right()),
                   shift(scaled.top(), scaled.bottom(), printable.top(), printable.bottom()));
  return QRectF(corner + by, area.size() * scale);
}

}  // namespace

QtSheetPrinter::QtSheetPrinter(QPrinter& printer)
    : m_printer(printer), m_toFile(printer.outputFormat() == QPrinter::PdfFormat) {
  m_printer.setPageOrientation(QPageLayout::Portrait);
}

QtSheetPrinter::~QtSheetPrinter() {
  if (m_painter && m_painter->isActive()) m_painter->end();
}

QRectF QtSheetPrinter::Printable() const {
  // The painter's origin is the printable rectangle's corner unless the printer paints on
  // the full page.
  const QRectF page = m_printer.pageRect(QPrinter::DevicePixel);
  return m_printer.fullPage() ? page : QRectF(QPointF(0, 0), page.size());
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
  m_sheet.reset();
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

  const PrintableArea area = Area();
  m_mapping = CanvasMapping{QRectF(Printable().topLeft(), QSizeF(area.Width, area.Height)),
                            QSizeF(page.UnitsWide(), page.UnitsHigh()), true, false, false};
  // The sheet is kept until it ends, to be measured before it is drawn.
  m_sheet = std::make_unique<CanvasBuffer>();
  return m_sheet.get();
}

void QtSheetPrinter::DrawSheet() {
  CanvasMapping measuring = m_mapping;
  measuring.MeasureOnly = true;
  QRectF drawn;
  {
    QtCanvas measure(*m_painter, measuring);
    m_sheet->PlayOn(measure);
    drawn = measure.Drawn();
  }
  CanvasMapping fitted = m_mapping;
  fitted.Area = FitArea(m_mapping.Area, drawn, Printable());
  // The canvas restores the painter's state, so it goes before the painter ends.
  QtCanvas canvas(*m_painter, fitted);
  m_sheet->PlayOn(canvas);
  m_lastDrawn = canvas.Drawn();
  m_sheet.reset();
}

bool QtSheetPrinter::EndSheet() {
  if (!m_painter) return Fail();
  if (m_sheet) DrawSheet();
  const bool ended = m_toFile || m_painter->end();
  if (!m_toFile) m_painter.reset();
  if (!ended || m_printer.printerState() == QPrinter::Error) return Fail();
  return true;
}

bool QtSheetPrinter::Finish() {
  m_sheet.reset();
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
