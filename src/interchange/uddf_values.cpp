#include "interchange/uddf_values.h"

#include <array>
#include <charconv>

#include "core/field_codec.h"

namespace zirdan {

namespace {

constexpr int kHundredthsZeroCelsius = 27315;  // 273.15 K
constexpr int kMinutesPerDay = 24 * 60;
constexpr int64_t kPascalPerHundredthBar = 1000;

}  // namespace

void AppendScaledDecimal(std::string& out, int64_t value, int decimals) {
  char digits[24];
  const uint64_t magnitude =
      value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  char* end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
  const auto count = static_cast<int>(end - digits);
  if (value < 0) out += '-';
  if (count <= decimals) {  // "0." and the zeros before the digits
    out += '0';
    out += '.';
    out.append(static_cast<std::size_t>(decimals - count), '0');
    out.append(digits, end);
    return;
  }
  out.append(digits, static_cast<std::size_t>(count - decimals));
  if (decimals > 0) {
    out += '.';
    out.append(end - decimals, end);
  }
}

std::string ScaledDecimal(int64_t value, int decimals) {
  std::string text;
  AppendScaledDecimal(text, value, decimals);
  return text;
}

std::string KelvinText(int16_t hundredthsCelsius) {
  return ScaledDecimal(int64_t{hundredthsCelsius} + kHundredthsZeroCelsius, 2);
}

std::string MetresText(int32_t centimetres) {
  return ScaledDecimal(centimetres, 2);
}

std::string CubicMetresText(int16_t hundredthsLitre) {
  return ScaledDecimal(hundredthsLitre, 5);
}

std::string PascalText(int16_t hundredthsBar) {
  return std::to_string(int64_t{hundredthsBar} * kPascalPerHundredthBar);
}

std::string UddfDateTime(int32_t datum, uint16_t cas) {
  // The date text "DD.MM.YYYY weekday" knows the calendar; the weekday is not needed.
  static const std::array<std::string, 7> kNoWeekdays{};
  const std::string date = DateToText(datum, kNoWeekdays);
  const std::size_t yearEnd = date.find(' ', 6);
  std::string text =
      date.substr(6, yearEnd - 6) + '-' + date.substr(3, 2) + '-' + date.substr(0, 2);
  const unsigned minutes = cas < kMinutesPerDay ? cas : 0;
  text += 'T' + TwoDigit(static_cast<uint16_t>(minutes / 60)) + ':' +
          TwoDigit(static_cast<uint16_t>(minutes % 60)) + ":00";
  return text;
}

}  // namespace zirdan
