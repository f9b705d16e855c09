#include "core/number_text.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace zirdan {

std::string FixedText(double value, int decimals, char decimalSeparator) {
  if (value == 0) value = 0;  // no "-0.00"
  // Formatted as printf's "%.*f" in the C locale would, without its cost; the separator is
  // the caller's.
  std::array<char, 64> buffer;
  const std::to_chars_result fast = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                                  value, std::chars_format::fixed, decimals);
  std::string text;
  if (fast.ec == std::errc()) {
    text.assign(buffer.data(), fast.ptr);
  } else {  // hundreds of digits: a value no field holds
    const int size = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    if (size <= 0) return "0";
    text.resize(static_cast<std::size_t>(size) + 1);
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    text.resize(static_cast<std::size_t>(size));
  }
  for (char& c : text)
    if (c == '.') c = decimalSeparator;
  return text;
}

}  // namespace zirdan
