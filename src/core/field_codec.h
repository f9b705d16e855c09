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
// are). Texts longer than their fields are cut; a Cislo text that is not a number 0..65535
// leaves the record's Cislo as it is.
void ViewToRecord(const ponorTxt& view, ponor& dive);

// Text helpers, all independent of regional settings.
std::string TwoDigit(uint16_t n);  // 7 -> "07", 123 -> "123"
// "DD.MM.YYYY weekday"; days before 1.1.1980 give 1.1.1980, later days the Gregorian date.
std::string DateToText(int32_t day, const std::array<std::string, 7>& weekdays);
int32_t TextToDate(std::string_view text);    // unreadable parts fall back; 1980..2067
std::string MinutesToText(uint16_t minutes);  // 32767 -> "", 425 -> "07:05", 6000 -> "100:00"
// "" -> 32767; "07:05" -> 425; hours from characters 1-2 and minutes from 4-5, except that
// "HHH:MM" and longer, as written for 100 hours and more, read all their hour digits.
uint16_t TextToMinutes(std::string_view text);
std::string HundredthsToText(int16_t value);  // 32767 -> "", -125 -> "-1.25"
// Rounded half to even on the digits; unreadable or outside -327.68 .. 327.66 -> 32767.
int16_t TextToHundredths(std::string_view text);

}  // namespace zirdan
