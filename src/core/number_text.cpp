#include "core/number_text.h"

#include <cstdio>

namespace zirdan {

std::string FixedText(double value, int decimals, char decimalSeparator) {
  if (value == 0) value = 0;  // no "-0.00"
  const int size = std::snprintf(nullptr, 0, "%.*f", decimals, value);
  if (size <= 0) return "0";
  std::string text(static_cast<std::size_t>(size) + 1, '\0');
  std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
  text.resize(static_cast<std::size_t>(size));
  // printf follows the C locale; the separator is the caller's.
  for (char& c : text)
    if (c == '.') c = decimalSeparator;
  return text;
}

}  // namespace zirdan
