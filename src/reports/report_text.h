#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>
#include "core/number_text.h"

#include "core/message_table.h"

namespace zirdan {

// A calendar date given by the caller (today's date comes from the caller's clock, never
// from inside the reports).
struct ReportDate {
  int Day = 1;      // 1..31
  int Month = 1;    // 1..12
  int Year = 1980;  // four digits
};

// The line the report windows show as an empty line: one space.
inline constexpr const char* kBlankLine = " ";

// `text` cut to its first `width` characters, or with spaces in front up to `width`.
std::string RightAlign(std::string_view text, std::size_t width);
// `text` cut to its first `width` characters, or with spaces behind up to `width`.
std::string LeftAlign(std::string_view text, std::size_t width);
// `text` cut to `width`, or centred: half the missing spaces (rounded down) in front.
std::string Center(std::string_view text, std::size_t width);

// A time as "H HOURS M MINUTES": the hours right-aligned to width 6, a space, StrHodiny,
// `unitGap`, the minutes right-aligned to `minuteWidth`, a space and StrMinuty.
std::string HoursMinutesText(int64_t hours, int64_t minutes, const TMessageTable& messages,
                             std::size_t minuteWidth = 2, std::string_view unitGap = " ");
// The same for a number of minutes: whole hours and the remaining minutes.
std::string MinutesAsHoursText(int64_t minutes, const TMessageTable& messages);

// DD.MM.YYYY, each part zero-padded.
std::string DateText(const ReportDate& date);

// The five title lines of the statistics and the overview: StrDenik and the logbook path,
// a dashed underline as long as that line, a blank line, StrKeDni and today's date, and a
// blank line.
std::vector<std::string> TitleLines(const TMessageTable& messages, std::string_view logbookPath,
                                    const ReportDate& today);

}  // namespace zirdan
