#include "transfer/download_clock.h"

namespace zirdan {
namespace {

int64_t FloorDiv(int64_t a, int64_t b) {
  return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

// Days from 1 January 1970 of a proleptic Gregorian date, any month and day: a month
// outside 1..12 moves the year, a day outside its month moves into the neighbours.
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) {
  year += FloorDiv(month - 1, 12);
  month = month - 1 - FloorDiv(month - 1, 12) * 12 + 1;
  const int64_t y = month <= 2 ? year - 1 : year;
  const int64_t era = FloorDiv(y, 400);
  const int64_t yoe = y - era * 400;
  const int64_t mp = (month + 9) % 12;
  const int64_t doy = (153 * mp + 2) / 5;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468 + (day - 1);
}

void CivilFromDays(int64_t days, int64_t& year, int& month, int& day) {
  days += 719468;
  const int64_t era = FloorDiv(days, 146097);
  const int64_t doe = days - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = yoe + era * 400 + (month <= 2);
}

const int64_t kDays1600 = DaysFromCivil(1600, 1, 1);

bool IsLeap(int64_t year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int MonthLength(int64_t year, int month) {
  static constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeap(year) ? 29 : kLengths[month - 1];
}

}  // namespace

TCivilTime SplitDownloadTime(TDownloadTime time) {
  TCivilTime t;
  t.Tenth = static_cast<int>(time % 10);
  time /= 10;
  t.Second = static_cast<int>(time % 100);
  time /= 100;
  t.Minute = static_cast<int>(time % 100);
  time /= 100;
  t.Hour = static_cast<int>(time % 100);
  time /= 100;
  t.Day = static_cast<int>(time % 100);
  time /= 100;
  t.Month = static_cast<int>(time % 100);
  t.Year = static_cast<int64_t>(time / 100);
  return t;
}

int64_t SecondsFrom1600(const TCivilTime& t) {
  const int64_t days = DaysFromCivil(t.Year, t.Month, t.Day) - kDays1600;
  return days * 86400 + int64_t{t.Hour} * 3600 + int64_t{t.Minute} * 60 + t.Second;
}

TCivilTime MomentFrom1600(int64_t seconds, int tenth) {
  TCivilTime t;
  const int64_t days = FloorDiv(seconds, 86400);
  int64_t rest = seconds - days * 86400;
  CivilFromDays(days + kDays1600, t.Year, t.Month, t.Day);
  t.Hour = static_cast<int>(rest / 3600);
  rest %= 3600;
  t.Minute = static_cast<int>(rest / 60);
  t.Second = static_cast<int>(rest % 60);
  t.Tenth = tenth;
  return t;
}

int32_t LogbookDayNumber(int64_t year, int month, int day) {
  if (year < 1980 || year > 2067) year = 1980;
  if (month < 1 || month > 12) month = 1;
  if (day < 1 || day > MonthLength(year, month)) day = 1;
  return static_cast<int32_t>(DaysFromCivil(year, month, day) - kDays1600);
}

TDiveStart DiveStartFromAge(TDownloadTime downloadTime, int32_t ageHalfSeconds) {
  const TCivilTime now = SplitDownloadTime(downloadTime);
  const int64_t ageSeconds = ageHalfSeconds / 2;  // toward zero
  const TCivilTime start = MomentFrom1600(SecondsFrom1600(now) - ageSeconds, now.Tenth);
  TDiveStart result;
  result.Datum = LogbookDayNumber(start.Year, start.Month, start.Day);
  result.Cas = static_cast<uint16_t>(start.Hour * 60 + start.Minute + (start.Second != 0 ? 1 : 0));
  return result;
}

}  // namespace zirdan
