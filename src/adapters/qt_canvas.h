#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>

#include "core/canvas.h"

class QFont;
class QPainter;

namespace zirdan {

// Where a drawing's units lie on a paint device.
struct CanvasMapping {
  QRectF Area;               // the device rectangle the drawing fills, in device pixels
  QSizeF Units;              // the drawing's extent in its own units, stretched over Area
  bool YUp = false;          // y grows upward from Area's top edge (printed pages)
  bool PixelPens = false;    // pen widths are device pixels rather than drawing units
  bool Clip = true;          // nothing is drawn outside Area (a printed frame on Area's edge
                             // needs its whole line)
  bool MeasureOnly = false;  // nothing is painted; Drawn() tells where it would be
};

// A drawing whose units are the pixels of a `size` area.
CanvasMapping PixelMapping(QSize size);
// A drawing of `units` stretched over a `size` area, each axis on its own, with pen
// widths in pixels (a screen drawing that grows with its window).
CanvasMapping StretchedMapping(QSize size, QSizeF units);

// Renders canvas calls with a QPainter on a screen widget, a printer or a PDF writer.
// Texts arrive as Windows-1250 bytes and are shown as Unicode, so the character set of a
// font is not needed. A font family the system lacks ("MS Sans Serif" on Linux) is
// replaced by its sans-serif font. The painter's state is restored when the canvas goes.
class QtCanvas final : public Canvas {
 public:
  // Point sizes below this are drawn at this size, so that the smallest texts of the
  // graph (its legend asks for 1 point, meaning "the smallest the font has") stay legible.
  static constexpr double kMinimumPointSize = 6.5;

  QtCanvas(QPainter& painter, const CanvasMapping& mapping, QColor background = Qt::white);
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  void Clear() override;
  void SetPen(const Pen& pen) override;
  void SetBrush(const Brush& brush) override;
  void SetOrigin(int x, int y) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Text(int x, int y, const std::string& text, const Font& font) override;

  // The device rectangle that the lines, frames and texts drawn so far cover, pen widths
  // included; empty before anything is drawn.
  QRectF Drawn() const { return m_drawn; }

 private:
  QPointF Map(int x, int y) const;
  QFont QtFont(const Font& font) const;
  void ApplyPen();
  // Adds a stroke between two device points to Drawn().
  void IncludeStroke(const QPointF& from, const QPointF& to);

  QPainter& m_painter;
  CanvasMapping m_mapping;
  QColor m_background;
  double m_scaleX = 1;
  double m_scaleY = 1;
  Pen m_pen;
  Brush m_brush;
  int m_originX = 0;
  int m_originY = 0;
  QPointF m_current;      // device coordinates
  double m_penWidth = 1;  // device pixels
  QRectF m_drawn;
};

}  // namespace zirdan
