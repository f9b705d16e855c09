// The overview of dives: header, rows and year blocks.

#include "reports/overview.h"

#include <gtest/gtest.h>

#include "reports/report_fixtures.h"

namespace zirdan {
namespace {

using test::DayNumber;
using test::Dive;
using test::Joined;
using test::W;

class OverviewTest : public ::testing::Test {
 protected:
  OverviewTest() {
    m_messages.Set("StrPrehCislo", W("Číslo"));
    m_messages.Set("StrPrehDatum", "Datum");
    m_messages.Set("StrPrehCas", W("Čas"));
    m_messages.Set("StrPrehLokalita", "Lokalita");
    m_messages.Set("StrPrehMisto", W("Místo"));
    m_messages.Set("StrPrehHloubka", "Hloubka");
    m_messages.Set("StrPrehDelka", W("Délka"));
  }

  std::vector<std::string> Build(const TLogbook& logbook) {
    const ReportSource source{logbook, m_messages, m_tables, "Denik.LOG", ReportDate{5, 3, 2024},
                              '.'};
    return BuildOverviewText(source);
  }

  static ponor Full(uint16_t cislo, int32_t datum) {
    ponor d = Dive(cislo, datum, 1234, 65);
    d.Cas = 14 * 60 + 5;
    d.Lokalita = "Brno";
    d.Misto = "Jez";
    test::SetProfile(d, {1000, 1000, 1000});
    return d;
  }

  TMessageTable m_messages = test::KeyNamedMessages();
  TCategoryTables m_tables = TCategoryTables::BuiltIn();
};

TEST_F(OverviewTest, WholeTextWithAYearBlockAtEveryChangeOfYear) {
  ponor bare = Dive(8, DayNumber(20, 6, 2003), kEmptyValue, kEmptyValue);
  const std::vector<std::string> lines =
      Build(test::Logbook({Full(7, DayNumber(15, 6, 2003)), bare, Full(9, DayNumber(3, 1, 2004)),
                           Full(10, DayNumber(1, 7, 2003))}));
  const std::string row7 =
      "    7\x95 15.06.2003 14:05  Brno                 Jez                    12.34 m   1 h  5 "
      "min";
  EXPECT_EQ(Joined(lines),
            "StrDenik Denik.LOG|\n"
            "------------------|\n"
            " |\n"
            "StrKeDni 05.03.2024|\n"
            " |\n" +
                W("Číslo    Datum     Čas         Lokalita              Místo          Hloubka "
                  "     Délka    |\n") +
                std::string(90, '-') + "|\n" +
                " |\n"
                " |\n" +
                row7 + "|\n" +
                "    8  20.06.2003                                                          m  |\n"
                " |\n" +
                "    9\x95 03.01.2004 14:05  Brno                 Jez                    12.34 m   "
                "1 h  5 min|\n"
                " |\n" +
                "   10\x95 01.07.2003 14:05  Brno                 Jez                    12.34 m   "
                "1 h  5 min|\n"
                " |\n");
}

TEST_F(OverviewTest, NumberCellCarriesTheProfileMark) {
  ponor withoutProfile = Full(7, kDay1980);
  withoutProfile.GrafPocet = 0;
  const std::vector<std::string> lines = Build(test::Logbook(
      {Full(7, kDay1980), withoutProfile, Full(1234, kDay1980), Full(65535, kDay1980)}));
  EXPECT_EQ(lines[9].substr(0, 7), "    7\x95 ");
  EXPECT_EQ(lines[10].substr(0, 7), "    7  ");
  EXPECT_EQ(lines[11].substr(0, 7), " 1234\x95 ");
  EXPECT_EQ(lines[12].substr(0, 7), "65535\x95 ");
}

TEST_F(OverviewTest, SiteColumnStartsAtCharacter47) {
  ponor d = Full(1, kDay1980);
  d.Lokalita = "A";
  d.Misto = "Site";
  ponor full = Full(2, kDay1980);
  full.Lokalita = std::string(20, 'L');
  const std::vector<std::string> lines = Build(test::Logbook({d, full}));
  EXPECT_EQ(lines[9].substr(46, 4), "Site");
  EXPECT_EQ(lines[10].substr(25, 22), std::string(20, 'L') + " J");
}

struct DiveTimeRow {
  const char* text;
  const char* cell;
};

class OverviewDiveTimeTest : public ::testing::TestWithParam<DiveTimeRow> {};

TEST_P(OverviewDiveTimeTest, HoursAndMinutesWithoutLeadingZeros) {
  const TMessageTable messages = test::KeyNamedMessages();
  EXPECT_EQ(OverviewDiveTimeCell(GetParam().text, messages), GetParam().cell) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cells, OverviewDiveTimeTest,
    ::testing::Values(DiveTimeRow{"01:05", " 1 h  5 min"}, DiveTimeRow{"00:45", " 0 h 45 min"},
                      DiveTimeRow{"12:00", "12 h  0 min"}, DiveTimeRow{"99:59", "99 h 59 min"},
                      // Not HH:MM: an empty cell.
                      DiveTimeRow{"", ""}, DiveTimeRow{"100:00", ""}, DiveTimeRow{"1:05", ""},
                      DiveTimeRow{"01.05", ""}, DiveTimeRow{"0a:05", ""}, DiveTimeRow{"01:0", ""}));

TEST_F(OverviewTest, DiveTimeOfHundredHoursLeavesTheCellEmpty) {
  const std::vector<std::string> lines = Build(test::Logbook({Dive(1, kDay1980, 1000, 100 * 60)}));
  EXPECT_EQ(lines[9].substr(lines[9].size() - 4), " m  ");  // depth cell, separator, no cell
}

TEST_F(OverviewTest, EmptyLogbookHasTitleAndHeaderOnly) {
  const std::vector<std::string> lines = Build(test::Logbook({}));
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[8], " ");
}

}  // namespace
}  // namespace zirdan
