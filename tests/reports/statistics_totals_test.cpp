// The statistics text: running subtotals and the figures per locality and site.

#include <gtest/gtest.h>

#include <algorithm>

#include "reports/report_fixtures.h"
#include "reports/statistics.h"

namespace zirdan {
namespace {

using test::Dive;
using test::Joined;

class StatisticsTotalsTest : public ::testing::Test {
 protected:
  std::vector<std::string> Build(const TLogbook& logbook, int perSubtotal = 6) {
    const ReportSource source{logbook, m_messages, m_tables, "Denik.LOG", ReportDate{5, 3, 2024},
                              '.'};
    return BuildStatisticsText(source, StatisticsSettings{perSubtotal});
  }

  // The lines from `heading` to the end of the text, or to the next heading.
  static std::vector<std::string> From(const std::vector<std::string>& lines,
                                       const std::string& heading, bool toEnd = false) {
    auto begin = std::find(lines.begin(), lines.end(), heading);
    EXPECT_NE(begin, lines.end()) << heading;
    if (toEnd || begin == lines.end()) return {begin, lines.end()};
    auto end = std::find_if(begin + 1, lines.end(),
                            [](const std::string& l) { return l.rfind("StrStat", 0) == 0; });
    return {begin, end};
  }

  static ponor At(uint16_t cislo, const char* lokalita, const char* misto, int16_t depth,
                  int16_t minutes) {
    ponor d = Dive(cislo, kDay1980, depth, minutes);
    d.Lokalita = test::W(lokalita);
    d.Misto = test::W(misto);
    return d;
  }

  TMessageTable m_messages = test::KeyNamedMessages();
  TCategoryTables m_tables = TCategoryTables::BuiltIn();
};

TEST_F(StatisticsTotalsTest, SubtotalAfterEveryNthDiveWithTheRunningTotal) {
  const std::vector<std::string> section7 =
      From(Build(test::Logbook({Dive(1, kDay1980, 1000, 45), Dive(2, kDay1980, 1000, 30),
                                Dive(3, kDay1980, 1000, 50), Dive(4, kDay1980, 1000, 20)}),
                 2),
           "StrStat7");
  EXPECT_EQ(Joined(section7),
            "StrStat7|\n"
            " |\n"
            "   StrPoPonoru 2 StrMezisoucet     1 h 15 min|\n"
            "                     StrCelkem     1 h 15 min|\n"
            " |\n"
            "   StrPoPonoru 4 StrMezisoucet     1 h 10 min|\n"
            "                     StrCelkem     2 h 25 min|\n"
            " |\n"
            " |\n"
            " |\n");  // the end of the subtotals, then the blank line opening the next section
}

TEST_F(StatisticsTotalsTest, DivesAfterTheLastMultipleGetNoSubtotal) {
  TLogbook logbook;
  for (uint16_t i = 1; i <= 14; ++i) logbook.Append(Dive(i, kDay1980, 1000, 10));
  const std::vector<std::string> section7 = From(Build(logbook, 6), "StrStat7");
  std::vector<std::string> subtotals;
  for (const std::string& line : section7)
    if (line.find("StrMezisoucet") != std::string::npos) subtotals.push_back(line);
  ASSERT_EQ(subtotals.size(), 2u);
  EXPECT_EQ(subtotals[0], "   StrPoPonoru 6 StrMezisoucet     1 h  0 min");
  EXPECT_EQ(subtotals[1], "  StrPoPonoru 12 StrMezisoucet     1 h  0 min");
  EXPECT_EQ(section7[section7.size() - 4], "                     StrCelkem     2 h  0 min");
}

TEST_F(StatisticsTotalsTest, DamagedSubtotalCountWritesNoSubtotals) {
  // The setting holds 2..50; a count of 0 or below must not divide by zero.
  for (int perSubtotal : {0, -3}) {
    const std::vector<std::string> section7 =
        From(Build(test::Logbook({Dive(1, kDay1980, 1000, 45), Dive(2, kDay1980, 1000, 30)}),
                   perSubtotal),
             "StrStat7");
    EXPECT_EQ(Joined(section7), "StrStat7|\n |\n |\n |\n") << perSubtotal;
  }
}

TEST_F(StatisticsTotalsTest, GroupsByLocalityAndSiteInCollatedOrder) {
  ponor estimated = At(1, "Brno", "Jez", 1000, 45);
  estimated.Lahev = 1000;             // 10 l
  estimated.SpotrebaVzduchu = 20000;  // 200 bar: estimated 44.44 l/min without a profile
  const std::vector<std::string> section8 = From(
      Build(test::Logbook({estimated, At(2, "brno", "Jez", 2000, 30),
                           At(3, "Brno", "Lom", 1500, 60), At(4, "Brno", "Jez", kEmptyValue, 30)})),
      "StrStat8", true);
  EXPECT_EQ(Joined(section8), R"(StrStat8|
 |
 |
   Brno                |
       Jez                 |
                             StrPocetPon     2|
                             StrCelDelka     1 h 15 min|
                            StrPrumDelka     0 h 37 min|
                           StrCelHloubka    10.00 m|
                          StrPrumHloubka    10.00 m|
                         StrPrumSpotreba    22.22 l/min|
 |
   brno                |
       Jez                 |
                             StrPocetPon     1|
                             StrCelDelka     0 h 30 min|
                            StrPrumDelka     0 h 30 min|
                           StrCelHloubka    20.00 m|
                          StrPrumHloubka    20.00 m|
                         StrPrumSpotreba     0.00 l/min|
 |
   Brno                |
       Lom                 |
                             StrPocetPon     1|
                             StrCelDelka     1 h  0 min|
                            StrPrumDelka     1 h  0 min|
                           StrCelHloubka    15.00 m|
                          StrPrumHloubka    15.00 m|
                         StrPrumSpotreba     0.00 l/min|
)");
}

TEST_F(StatisticsTotalsTest, SitesOfOneLocalityShareOneLocalityLine) {
  const std::vector<std::string> section8 = From(
      Build(
          test::Logbook({At(1, "Rujana", "Zelena", 1000, 30), At(2, "Rujana", "Cerna", 1000, 30)})),
      "StrStat8", true);
  std::vector<std::string> names;
  for (const std::string& line : section8)
    if (line.rfind("   ", 0) == 0 && line.find("Str") == std::string::npos) names.push_back(line);
  EXPECT_EQ(names,
            (std::vector<std::string>{"   Rujana              ", "       Cerna               ",
                                      "       Zelena              "}));
}

TEST_F(StatisticsTotalsTest, MeanDiveTimeOfAGroupKeepsWholeMinutes) {
  const std::vector<std::string> section8 =
      From(Build(test::Logbook({At(1, "Hranice", "Propast", 1000, 60),
                                At(2, "Hranice", "Propast", 1000, 121),
                                At(3, "Hranice", "Propast", 1000, kEmptyValue)})),
           "StrStat8", true);
  // 181 minutes over the two dives with a dive time: 90.5 minutes.
  EXPECT_EQ(section8[6], "                             StrCelDelka     3 h  1 min");
  EXPECT_EQ(section8[7], "                            StrPrumDelka     1 h 30 min");
}

}  // namespace
}  // namespace zirdan
