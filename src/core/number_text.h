#pragma once

#include <string>

namespace zirdan {

// A number in fixed notation with the given decimals and the caller's decimal separator
// (the regional one where the system shows numbers to the diver); never "-0.00".
std::string FixedText(double value, int decimals, char decimalSeparator);

}  // namespace zirdan
