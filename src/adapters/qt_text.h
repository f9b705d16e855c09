#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace zirdan {

// The window boundary: texts are Windows-1250 in the logic and QString on screen.
QString FromWin1250(std::string_view text);
// Characters Windows-1250 cannot hold become "?".
std::string ToWin1250(const QString& text);

}  // namespace zirdan
