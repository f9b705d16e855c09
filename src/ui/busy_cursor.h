#pragma once

#include <QApplication>

namespace zirdan {

// The hourglass for the length of a scope: a command's long work.
class BusyCursorScope {
 public:
  BusyCursorScope() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursorScope() { QApplication::restoreOverrideCursor(); }
  BusyCursorScope(const BusyCursorScope&) = delete;
  BusyCursorScope& operator=(const BusyCursorScope&) = delete;
};

}  // namespace zirdan
