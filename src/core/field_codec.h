#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/category_tables.h"
#include "core/ponor.h"
#include "core/ponor_txt.h"

namespace zirdan {

// What the record-to-view conversion needs besides the dive.
struct CodecContext {
  const TCategoryTables& Tables;
  uint16_t VychoziFormatGrafu = 22;  // default profile format from the settings
  char DecimalSeparator = '.';       // regional separator, used for MaxPO2 only
};

// Fills every field of the view from the record, decoding the profile. The profile format
// chosen for the dive is left in view.FormatGrafu.
void RecordToView(const ponor& dive, ponorTxt& view, const CodecContext& context);
// Fills every field of the record from the view (Graf bytes 2000 and 2001 are left as they
// are).
void ViewToRecord(const ponorTxt& view, ponor& dive);

// Text helpers, all independent of regional settings.
std::string TwoDigit(uint16_t n);  // 7 -> "07", 123 -> "123"
std::string DateToText(int32_t day, const std::array<std::string, 7>& weekdays);
int32_t TextToDate(std::string_view text);        // unreadable parts fall back
std::string MinutesToText(uint16_t minutes);      // 32767 -> "", 425 -> "07:05"
uint16_t TextToMinutes(std::string_view text);    // "" -> 32767
std::string HundredthsToText(int16_t value);      // 32767 -> "", -125 -> "-1.25"
int16_t TextToHundredths(std::string_view text);  // unreadable -> 32767

}  // namespace zirdan
