#include "transfer/download_clock.h"

#include <gtest/gtest.h>

namespace zirdan {
namespace {

struct StartCase {
  const char* what;
  TDownloadTime download;
  int32_t ageHalfSeconds;
  int32_t datum;  // expected day number
  uint16_t cas;   // expected minutes after midnight
};

class DiveStartTest : public ::testing::TestWithParam<StartCase> {};

TEST_P(DiveStartTest, DatesTheDiveFromTheDownloadMoment) {
  const StartCase& c = GetParam();
  const TDiveStart start = DiveStartFromAge(c.download, c.ageHalfSeconds);
  EXPECT_EQ(start.Datum, c.datum) << c.what;
  EXPECT_EQ(start.Cas, c.cas) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DiveStartTest,
    ::testing::Values(
        StartCase{"same moment", 202306201200000, 0, 154668, 720},
        StartCase{"3600.5 s cut to 3600 s", 202306201200000, 7201, 154668, 660},
        StartCase{"3599.5 s gives 11:00:01, the next minute", 202306201200000, 7199, 154668, 661},
        StartCase{"half a second is no second", 202306201200000, 1, 154668, 720},
        StartCase{"stamp after the clock: later start", 202306201200000, -7201, 154668, 780},
        StartCase{"later start with seconds", 202306201200000, -7203, 154668, 781},
        StartCase{"borrow from the day", 202306200010000, 2400, 154667, 1430},
        StartCase{"borrow from the month", 202306010005000, 1200, 154648, 1435},
        StartCase{"borrow from the year, 23:59:59 gives 1440", 202401010000000, 2, 154862, 1440},
        StartCase{"leap day", 202403010100000, 14400, 154922, 1380},
        StartCase{"no leap day in 2023", 202303010100000, 14400, 154556, 1380},
        StartCase{"carry into the next day", 202306202350000, -2400, 154669, 10},
        StartCase{"23:59:30 gives 1440 on the same day", 202306202359300, 0, 154668, 1440},
        StartCase{"tenths are ignored", 202306201200009, 0, 154668, 720},
        StartCase{"a year after 2067 becomes 1980", 207003151200000, 0, 138866, 720},
        StartCase{"a year before 1980 becomes 1980", 197912311200000, 0, 139157, 720},
        StartCase{"29 February moves to 1980, a leap year", 206802291200000, 0, 138851, 720},
        StartCase{"ten days back", 202306201800000, 2 * 10 * 86400, 154658, 1080}));

TEST(DiveStart, UnknownDownloadTimeStillGivesAUsableDate) {
  // A replayed dump without a valid timestamp carries DownloadTime 0 (year 0, month 0,
  // day 0): the date lands in the usable range instead of anywhere.
  const TDiveStart start = DiveStartFromAge(0, 0);
  EXPECT_GE(start.Datum, 138792);
  EXPECT_LE(start.Datum, 139157);  // within 1980
  EXPECT_EQ(start.Cas, 0);
}

TEST(DiveStart, AgesAsLongAsTheClockAllowsStayCalendarCorrect) {
  // The largest age, 2^31 - 1 half seconds, is 34 years back.
  const TDiveStart start = DiveStartFromAge(206701011200000, INT32_MAX);
  // 1073741823 s before 1 January 2067 12:00:00 is 22 December 2032, 22:22:57.
  EXPECT_EQ(start.Datum, 158141);
  EXPECT_EQ(start.Cas, 22 * 60 + 22 + 1);
}

struct DayCase {
  int64_t year;
  int month;
  int day;
  int32_t expected;
};

class LogbookDayNumberTest : public ::testing::TestWithParam<DayCase> {};

TEST_P(LogbookDayNumberTest, FollowsTheDateFieldRules) {
  const DayCase& c = GetParam();
  EXPECT_EQ(LogbookDayNumber(c.year, c.month, c.day), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LogbookDayNumberTest,
    ::testing::Values(DayCase{1980, 1, 1, 138792}, DayCase{2067, 12, 31, 170933},
                      DayCase{2000, 2, 29, 146156}, DayCase{2000, 3, 1, 146157},
                      DayCase{2023, 2, 29, 154529},  // day too large: 1 Feb
                      DayCase{2068, 1, 1, 138792}, DayCase{1979, 3, 1, 138852}));

TEST(SplitDownloadTime, ReadsTheFifteenDigits) {
  const TCivilTime t = SplitDownloadTime(202306201759304);
  EXPECT_EQ(t, (TCivilTime{2023, 6, 20, 17, 59, 30, 4}));
}

}  // namespace
}  // namespace zirdan
