#include "reports/report_text.h"

#include <cstdio>

namespace zirdan {

std::string RightAlign(std::string_view text, std::size_t width) {
  if (text.size() >= width) return std::string(text.substr(0, width));
  return std::string(width - text.size(), ' ').append(text);
}

std::string LeftAlign(std::string_view text, std::size_t width) {
  if (text.size() >= width) return std::string(text.substr(0, width));
  return std::string(text).append(width - text.size(), ' ');
}

std::string Center(std::string_view text, std::size_t width) {
  if (text.size() >= width) return std::string(text.substr(0, width));
  const std::size_t missing = width - text.size();
  return std::string(missing / 2, ' ').append(text).append(missing - missing / 2, ' ');
}

std::string HoursMinutesText(int64_t hours, int64_t minutes, const TMessageTable& messages,
                             std::size_t minuteWidth, std::string_view unitGap) {
  std::string text = RightAlign(std::to_string(hours), 6);
  text += ' ';
  text += messages.Text("StrHodiny");
  text += unitGap;
  text += RightAlign(std::to_string(minutes), minuteWidth);
  text += ' ';
  text += messages.Text("StrMinuty");
  return text;
}

std::string MinutesAsHoursText(int64_t minutes, const TMessageTable& messages) {
  return HoursMinutesText(minutes / 60, minutes % 60, messages);
}

std::string DateText(const ReportDate& date) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.Day, date.Month, date.Year);
  return text;
}

std::vector<std::string> TitleLines(const TMessageTable& messages, std::string_view logbookPath,
                                    const ReportDate& today) {
  std::string first = messages.Text("StrDenik");
  first += ' ';
  first += logbookPath;
  std::string underline(first.size(), '-');
  return {std::move(first), std::move(underline), kBlankLine,
          messages.Text("StrKeDni") + " " + DateText(today), kBlankLine};
}

}  // namespace zirdan
