#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/canvas.h"

namespace zirdan {

// A canvas that keeps the calls made on it, to play them on another canvas later, as
// often as needed: a printed sheet is measured before it is drawn.
class CanvasBuffer final : public Canvas {
 public:
  void Clear() override;
  void SetPen(const Pen& pen) override;
  void SetBrush(const Brush& brush) override;
  void SetOrigin(int x, int y) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Text(int x, int y, const std::string& text, const Font& font) override;

  // Makes the kept calls on `canvas`, in their order.
  void PlayOn(Canvas& canvas) const;

 private:
  std::vector<std::function<void(Canvas&)>> m_calls;
};

}  // namespace zirdan
