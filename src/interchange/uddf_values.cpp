#include "interchange/uddf_values.h"

#include <array>
#include <cstdlib>

#include "core/field_codec.h"

namespace zirdan {

namespace {

constexpr int kHundredthsZeroCelsius = 27315;  // 273.15 K
constexpr int kMinutesPerDay = 24 * 60;
constexpr int64_t kPascalPerHundredthBar = 1000;

}  // namespace

std::string ScaledDecimal(int64_t value, int decimals) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (decimals > 0) {
    const auto width = static_cast<std::size_t>(decimals) + 1;
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
  }
  return value < 0 ? "-" + digits : digits;
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
