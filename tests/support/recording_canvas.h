#pragma once

#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "core/canvas.h"

namespace zirdan::test {

// One call made on a canvas, as given (origin not applied).
struct ClearCall {
  bool operator==(const ClearCall&) const = default;
};
struct SetPenCall {
  Pen pen;
  bool operator==(const SetPenCall&) const = default;
};
struct SetBrushCall {
  Brush brush;
  bool operator==(const SetBrushCall&) const = default;
};
struct SetOriginCall {
  int x = 0, y = 0;
  bool operator==(const SetOriginCall&) const = default;
};
struct MoveToCall {
  int x = 0, y = 0;
  bool operator==(const MoveToCall&) const = default;
};
struct LineToCall {
  int x = 0, y = 0;
  bool operator==(const LineToCall&) const = default;
};
struct RectangleCall {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool operator==(const RectangleCall&) const = default;
};
struct TextCall {
  int x = 0, y = 0;
  std::string text;
  Font font;
  bool operator==(const TextCall&) const = default;
};
using CanvasCall = std::variant<ClearCall, SetPenCall, SetBrushCall, SetOriginCall, MoveToCall,
                                LineToCall, RectangleCall, TextCall>;

// What was drawn, in absolute drawing units (origin applied), with the pen in force.
struct DrawnLine {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Pen pen;
  bool operator==(const DrawnLine&) const = default;
};
struct DrawnRectangle {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Pen pen;
  Brush brush;
  bool operator==(const DrawnRectangle&) const = default;
};
struct DrawnText {
  int x = 0, y = 0;
  std::string text;
  Font font;
  Color colour;
  bool operator==(const DrawnText&) const = default;
};

// A canvas that draws nothing and remembers every call, so tests can compare exact lines
// and texts. A drawing after a Clear is what a viewer would see; DrawnSinceClear helps
// there.
class RecordingCanvas : public Canvas {
 public:
  void Clear() override;
  void SetPen(const Pen& pen) override;
  void SetBrush(const Brush& brush) override;
  void SetOrigin(int x, int y) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Text(int x, int y, const std::string& text, const Font& font) override;

  const std::vector<CanvasCall>& Calls() const { return m_calls; }
  const std::vector<DrawnLine>& Lines() const { return m_lines; }
  const std::vector<DrawnRectangle>& Rectangles() const { return m_rectangles; }
  const std::vector<DrawnText>& Texts() const { return m_texts; }
  int ClearCount() const { return m_clears; }
  // The texts alone, in drawing order.
  std::vector<std::string> TextStrings() const;
  // The lines drawn with the given pen, in drawing order.
  std::vector<DrawnLine> LinesWithPen(const Pen& pen) const;

 private:
  std::vector<CanvasCall> m_calls;
  std::vector<DrawnLine> m_lines;
  std::vector<DrawnRectangle> m_rectangles;
  std::vector<DrawnText> m_texts;
  int m_clears = 0;
  Pen m_pen;
  Brush m_brush;
  int m_originX = 0, m_originY = 0;
  int m_x = 0, m_y = 0;  // current point, absolute
};

// Readable failure messages.
std::ostream& operator<<(std::ostream& out, const DrawnLine& line);
std::ostream& operator<<(std::ostream& out, const DrawnRectangle& rectangle);
std::ostream& operator<<(std::ostream& out, const DrawnText& text);

}  // namespace zirdan::test

namespace zirdan {
// Readable failure messages for the canvas values (found by argument lookup).
std::ostream& operator<<(std::ostream& out, const Color& colour);
std::ostream& operator<<(std::ostream& out, const Pen& pen);
std::ostream& operator<<(std::ostream& out, const Font& font);
}  // namespace zirdan
