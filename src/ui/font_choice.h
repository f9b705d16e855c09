#pragma once

#include <QFont>
#include <QString>
#include <optional>

class QWidget;

namespace zirdan {

// The sizes, in points, the windows' fonts may take: the fixed-size windows are laid out
// for them, so the font choice offers these and no others.
inline constexpr int kSmallestFontSize = 6;
inline constexpr int kLargestFontSize = 12;

// Asks for a font family and a size from kSmallestFontSize to kLargestFontSize, starting
// at `initial`; nothing when the diver cancels.
std::optional<QFont> AskFont(QWidget* parent, const QString& title, const QFont& initial);

}  // namespace zirdan
