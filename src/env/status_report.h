#pragma once

#include <string>
#include <string_view>

#include "core/ponor_txt.h"

namespace zirdan {

// Browsers and the shell take addresses up to this many characters.
inline constexpr std::size_t kStatusReportMaxLength = 254;

// URL encoding of Windows-1250 bytes: letters and digits stay, a space becomes "+", every
// other byte "%" and two lowercase hexadecimal digits ("é", 0xE9, becomes "%e9").
std::string UrlEncodeWin1250(std::string_view bytes);

// The address that sends the current dive's conditions to the dive-site status form: the
// form's address, then the site, date, time, depth, whole degrees of air and water and the
// note, from the dive's display texts (Windows-1250). The address is cut to 254 characters;
// the cut never leaves half of a "%xx" escape behind.
std::string BuildStatusReportAddress(std::string_view formAddress, const ponorTxt& dive);

}  // namespace zirdan
