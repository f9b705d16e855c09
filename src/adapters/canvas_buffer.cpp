#include "adapters/canvas_buffer.h"

namespace zirdan {

void CanvasBuffer::Clear() {
  m_calls.emplace_back([](Canvas& c) { c.Clear(); });
}

void CanvasBuffer::SetPen(const Pen& pen) {
  m_calls.emplace_back([pen](Canvas& c) { c.SetPen(pen); });
}

void CanvasBuffer::SetBrush(const Brush& brush) {
  m_calls.emplace_back([brush](Canvas& c) { c.SetBrush(brush); });
}

void CanvasBuffer::SetOrigin(int x, int y) {
  m_calls.emplace_back([x, y](Canvas& c) { c.SetOrigin(x, y); });
}

void CanvasBuffer::MoveTo(int x, int y) {
  m_calls.emplace_back([x, y](Canvas& c) { c.MoveTo(x, y); });
}

void CanvasBuffer::LineTo(int x, int y) {
  m_calls.emplace_back([x, y](Canvas& c) { c.LineTo(x, y); });
}

void CanvasBuffer::Rectangle(int x1, int y1, int x2, int y2) {
  m_calls.emplace_back([x1, y1, x2, y2](Canvas& c) { c.Rectangle(x1, y1, x2, y2); });
}

void CanvasBuffer::Text(int x, int y, const std::string& text, const Font& font) {
  m_calls.emplace_back([x, y, text, font](Canvas& c) { c.Text(x, y, text, font); });
}

void CanvasBuffer::PlayOn(Canvas& canvas) const {
  for (const auto& call : m_calls) call(canvas);
}

}  // namespace zirdan
