#include "adapters/qt_canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "core/win1250.h"

namespace zirdan {
namespace {

QColor ToQColor(const Color& c) {
  return QColor(c.Red, c.Green, c.Blue);
}

QString FromWin1250(const std::string& text) {
  return QString::fromStdString(Win1250ToUtf8(text));
}

// The families tried for a font name: the name itself, then, for the old Windows dialog
// font, common fonts of about its width (the usual sans-serif substitute on Linux is
// wider, and the graph's texts are laid out for the narrow one).
QStringList Families(const std::string& name) {
  QStringList families{FromWin1250(name)};
  if (name == "MS Sans Serif") {
    families << "Microsoft Sans Serif"
             << "Arial"
             << "Liberation Sans"
             << "Nimbus Sans"
             << "Helvetica";
  }
  return families;
}

}  // namespace

CanvasMapping PixelMapping(QSize size) {
  return CanvasMapping{QRectF(QPointF(0, 0), QSizeF(size)), QSizeF(size), false, true};
}

CanvasMapping StretchedMapping(QSize size, QSizeF units) {
  return CanvasMapping{QRectF(QPointF(0, 0), QSizeF(size)), units, false, true};
}

QtCanvas::QtCanvas(QPainter& painter, const CanvasMapping& mapping, QColor background)
    : m_painter(painter), m_mapping(mapping), m_background(background) {
  if (m_mapping.Units.width() > 0) m_scaleX = m_mapping.Area.width() / m_mapping.Units.width();
  if (m_mapping.Units.height() > 0) {
    m_scaleY = m_mapping.Area.height() / m_mapping.Units.height();
  }
  m_painter.save();
  if (m_mapping.Clip) m_painter.setClipRect(m_mapping.Area, Qt::IntersectClip);
  m_painter.setRenderHint(QPainter::TextAntialiasing, true);
  m_current = Map(0, 0);
  ApplyPen();
  m_painter.setBrush(Qt::NoBrush);
}

QtCanvas::~QtCanvas() {
  m_painter.restore();
}

QPointF QtCanvas::Map(int x, int y) const {
  const double dx = (m_originX + static_cast<double>(x)) * m_scaleX;
  const double dy = (m_originY + static_cast<double>(y)) * m_scaleY;
  return QPointF(m_mapping.Area.left() + dx,
                 m_mapping.YUp ? m_mapping.Area.top() - dy : m_mapping.Area.top() + dy);
}

void QtCanvas::ApplyPen() {
  double width = std::max(1, m_pen.Width);
  if (!m_mapping.PixelPens) width *= (m_scaleX + m_scaleY) / 2;
  m_penWidth = width;
  m_painter.setPen(QPen(ToQColor(m_pen.Colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void QtCanvas::IncludeStroke(const QPointF& from, const QPointF& to) {
  const double half = m_penWidth / 2;
  const QRectF stroke = QRectF(from, to).normalized().adjusted(-half, -half, half, half);
  m_drawn = m_drawn.isNull() ? stroke : m_drawn.united(stroke);
}

void QtCanvas::Clear() {
  if (m_mapping.MeasureOnly) return;
  m_painter.fillRect(m_mapping.Area, m_background);
}

void QtCanvas::SetPen(const Pen& pen) {
  m_pen = pen;
  ApplyPen();
}

void QtCanvas::SetBrush(const Brush& brush) {
  m_brush = brush;
  m_painter.setBrush(brush.Solid ? QBrush(ToQColor(brush.Colour)) : QBrush(Qt::NoBrush));
}

void QtCanvas::SetOrigin(int x, int y) {
  m_originX = x;
  m_originY = y;
}

void QtCanvas::MoveTo(int x, int y) {
  m_current = Map(x, y);
}

void QtCanvas::LineTo(int x, int y) {
  const QPointF to = Map(x, y);
  IncludeStroke(m_current, to);
  if (!m_mapping.MeasureOnly) m_painter.drawLine(m_current, to);
  m_current = to;
}

void QtCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  IncludeStroke(Map(x1, y1), Map(x2, y2));
  if (!m_mapping.MeasureOnly) m_painter.drawRect(QRectF(Map(x1, y1), Map(x2, y2)).normalized());
}

QFont QtCanvas::QtFont(const Font& font) const {
  QFont qtFont;
  qtFont.setFamilies(Families(font.Name));
  qtFont.setStyleHint(QFont::SansSerif);
  if (font.Unit == FontSizeUnit::Points) {
    qtFont.setPointSizeF(std::max<double>(font.Size, kMinimumPointSize));
    return qtFont;
  }
  // A cell height: find the pixel size whose line height (ascent plus descent) fills it.
  const double cell = std::abs(font.Size * m_scaleY);
  constexpr int kProbe = 100;
  qtFont.setPixelSize(kProbe);
  const double probeHeight = QFontMetricsF(qtFont, m_painter.device()).height();
  const double pixels = probeHeight > 0 ? cell * kProbe / probeHeight : cell;
  qtFont.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  return qtFont;
}

void QtCanvas::Text(int x, int y, const std::string& text, const Font& font) {
  const QFont qtFont = QtFont(font);
  const QFontMetricsF metrics(qtFont, m_painter.device());
  QString shown = FromWin1250(text);
  // A text wider than its room is drawn narrower; one that would need less than half its
  // width loses its end as well.
  double narrowing = 1;
  if (font.MaxWidth > 0) {
    constexpr double kNarrowest = 0.5;
    const double room = font.MaxWidth * m_scaleX;
    const double width = metrics.horizontalAdvance(shown);
    if (width > room) narrowing = std::max(kNarrowest, room / width);
    if (width * narrowing > room)
      shown = metrics.elidedText(shown, Qt::ElideRight, room / narrowing);
  }
  // (x, y) is the cell's lower left corner; Qt places text by its baseline.
  const QPointF bottomLeft = Map(x, y);
  const QRectF cell(bottomLeft.x(), bottomLeft.y() - metrics.height(),
                    metrics.horizontalAdvance(shown) * narrowing, metrics.height());
  m_drawn = m_drawn.isNull() ? cell : m_drawn.united(cell);
  if (m_mapping.MeasureOnly) return;
  m_painter.save();
  m_painter.setFont(qtFont);
  m_painter.setPen(ToQColor(m_pen.Colour));
  m_painter.translate(bottomLeft.x(), bottomLeft.y() - metrics.descent());
  m_painter.scale(narrowing, 1);
  m_painter.drawText(QPointF(0, 0), shown);
  m_painter.restore();
}

}  // namespace zirdan
