#include "adapters/qt_window_geometry.h"

#include <QWidget>
#include <algorithm>

namespace zirdan {

WindowGeometry GeometryOf(const QWidget& window) {
  return WindowGeometry{window.y(), window.x(), window.width(), window.height()};
}

void PlaceWindow(QWidget& window, const WindowGeometry& geometry) {
  window.move(geometry.Left, geometry.Top);
  window.resize(std::max(geometry.Width, window.minimumWidth()),
                std::max(geometry.Height, window.minimumHeight()));
}

}  // namespace zirdan
