#include "support/recording_canvas.h"

namespace zirdan::test {

void RecordingCanvas::Clear() {
  m_calls.emplace_back(ClearCall{});
  ++m_clears;
}

void RecordingCanvas::SetPen(const Pen& pen) {
  m_calls.emplace_back(SetPenCall{pen});
  m_pen = pen;
}

void RecordingCanvas::SetBrush(const Brush& brush) {
  m_calls.emplace_back(SetBrushCall{brush});
  m_brush = brush;
}

void RecordingCanvas::SetOrigin(int x, int y) {
  m_calls.emplace_back(SetOriginCall{x, y});
  m_originX = x;
  m_originY = y;
}

void RecordingCanvas::MoveTo(int x, int y) {
  m_calls.emplace_back(MoveToCall{x, y});
  m_x = m_originX + x;
  m_y = m_originY + y;
}

void RecordingCanvas::LineTo(int x, int y) {
  m_calls.emplace_back(LineToCall{x, y});
  const int toX = m_originX + x;
  const int toY = m_originY + y;
  m_lines.push_back(DrawnLine{m_x, m_y, toX, toY, m_pen});
  m_x = toX;
  m_y = toY;
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  m_calls.emplace_back(RectangleCall{x1, y1, x2, y2});
  m_rectangles.push_back(DrawnRectangle{m_originX + x1, m_originY + y1, m_originX + x2,
                                        m_originY + y2, m_pen, m_brush});
}

void RecordingCanvas::Text(int x, int y, const std::string& text, const Font& font) {
  m_calls.emplace_back(TextCall{x, y, text, font});
  m_texts.push_back(DrawnText{m_originX + x, m_originY + y, text, font, m_pen.Colour});
}

std::vector<std::string> RecordingCanvas::TextStrings() const {
  std::vector<std::string> texts;
  for (const DrawnText& t : m_texts) texts.push_back(t.text);
  return texts;
}

std::vector<DrawnLine> RecordingCanvas::LinesWithPen(const Pen& pen) const {
  std::vector<DrawnLine> lines;
  for (const DrawnLine& l : m_lines) {
    if (l.pen == pen) lines.push_back(l);
  }
  return lines;
}

std::ostream& operator<<(std::ostream& out, const DrawnLine& line) {
  return out << "line (" << line.x1 << ", " << line.y1 << ")-(" << line.x2 << ", " << line.y2
             << ") " << line.pen;
}

std::ostream& operator<<(std::ostream& out, const DrawnRectangle& r) {
  return out << "rectangle (" << r.x1 << ", " << r.y1 << ")-(" << r.x2 << ", " << r.y2 << ") "
             << r.pen << (r.brush.Solid ? " filled" : " hollow");
}

std::ostream& operator<<(std::ostream& out, const DrawnText& text) {
  return out << "text \"" << text.text << "\" at (" << text.x << ", " << text.y << ") " << text.font
             << " in " << text.colour;
}

}  // namespace zirdan::test

namespace zirdan {

std::ostream& operator<<(std::ostream& out, const Color& colour) {
  return out << "rgb(" << int{colour.Red} << ", " << int{colour.Green} << ", " << int{colour.Blue}
             << ")";
}

std::ostream& operator<<(std::ostream& out, const Pen& pen) {
  return out << "pen " << pen.Colour << " width " << pen.Width;
}

std::ostream& operator<<(std::ostream& out, const Font& font) {
  return out << "font \"" << font.Name << "\" " << font.Size
             << (font.Unit == FontSizeUnit::Points ? "pt" : " units") << " charset "
             << int{font.CharSet};
}

}  // namespace zirdan
