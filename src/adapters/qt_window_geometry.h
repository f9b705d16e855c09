#pragma once

#include "settings/app_settings.h"

class QWidget;

namespace zirdan {

// A window's position and size as the settings keep them (Top, Left, Width, Height).
WindowGeometry GeometryOf(const QWidget& window);
// Places a window as remembered; a damaged stored size never makes it smaller than its
// minimum, so it cannot come back too small to see.
void PlaceWindow(QWidget& window, const WindowGeometry& geometry);

}  // namespace zirdan
