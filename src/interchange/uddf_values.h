#pragma once

#include <cstdint>
#include <string>

namespace zirdan {

// The stored values in the SI units UDDF uses, as exact decimal texts (no rounding through
// binary floating point).

// value / 10^decimals with exactly `decimals` places: (2234, 2) -> "22.34", (-5, 2) -> "-0.05".
std::string ScaledDecimal(int64_t value, int decimals);
// The same, appended to `out` (for the samples, of which a logbook has millions).
void AppendScaledDecimal(std::string& out, int64_t value, int decimals);

// Kelvin of a temperature in hundredths of a degree Celsius: 2400 -> "297.15", -125 -> "271.90".
std::string KelvinText(int16_t hundredthsCelsius);
// Metres of a depth in centimetres: 2234 -> "22.34".
std::string MetresText(int32_t centimetres);
// Cubic metres of a volume in hundredths of a litre: 1500 -> "0.01500".
std::string CubicMetresText(int16_t hundredthsLitre);
// Pascal of a pressure in hundredths of a bar: 18000 -> "18000000".
std::string PascalText(int16_t hundredthsBar);

// xs:dateTime (local time, no zone) of a stored date and start time. A day before 1980 (a
// dive never dated holds 32767) is 1 January 1980, the date the editor shows for it; an
// empty start time, or one past the day's last minute, is midnight.
std::string UddfDateTime(int32_t datum, uint16_t cas);

}  // namespace zirdan
