#include "adapters/qt_text.h"

#include <QList>

#include "core/win1250.h"

namespace zirdan {

QString FromWin1250(std::string_view text) {
  QString out;
  out.reserve(static_cast<qsizetype>(text.size()));
  for (char c : text)
    out += QChar(static_cast<char16_t>(Win1250ToUnicode(static_cast<uint8_t>(c))));
  return out;
}

std::string ToWin1250(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (char32_t cp : text.toUcs4()) {
    const int byte = UnicodeToWin1250(cp);
    out += byte < 0 ? '?' : static_cast<char>(byte);
  }
  return out;
}

}  // namespace zirdan
