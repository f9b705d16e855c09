// The statistics text: title, the six counting sections and the weekday rule.

#include "reports/statistics.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "reports/report_fixtures.h"

namespace zirdan {
namespace {

using test::DayNumber;
using test::Dive;
using test::Joined;
using test::W;

class StatisticsTest : public ::testing::Test {
 protected:
  std::vector<std::string> Build(const TLogbook& logbook, int perSubtotal = 6) {
    const ReportSource source{
        logbook, m_messages, m_tables, "C:\\Potapeni\\Denik.LOG", ReportDate{5, 3, 2024}, '.'};
    return BuildStatisticsText(source, StatisticsSettings{perSubtotal});
  }

  // The lines of one section, from its heading up to the next heading.
  static std::vector<std::string> Section(const std::vector<std::string>& lines,
                                          const std::string& heading) {
    auto begin = std::find(lines.begin(), lines.end(), heading);
    EXPECT_NE(begin, lines.end()) << heading;
    auto end = std::find_if(begin + 1, lines.end(),
                            [](const std::string& l) { return l.rfind("StrStat", 0) == 0; });
    return {begin, end};
  }

  // The number of dives on the tally line with this label, or -1 when there is no such line.
  static int Count(const std::vector<std::string>& section, const std::string& label) {
    for (const std::string& line : section) {
      const std::size_t at = line.find(label);
      if (at == std::string::npos || line.find_first_not_of(' ') != at) continue;
      if (at + label.size() != 30) continue;  // the label ends in column 30
      return std::stoi(line.substr(30, 5));
    }
    return -1;
  }

  static std::string LineOf(const std::vector<std::string>& section, const std::string& label) {
    for (const std::string& line : section)
      if (line.size() >= 30 && line.compare(30 - label.size(), label.size(), label) == 0 &&
          line.find_first_not_of(' ') == 30 - label.size())
        return line;
    return "(no line " + label + ")";
  }

  TMessageTable m_messages = test::KeyNamedMessages();
  TCategoryTables m_tables = TCategoryTables::BuiltIn();
};

TEST_F(StatisticsTest, TitleNamesTheLogbookUnderlinedAndToday) {
  const std::vector<std::string> lines = Build(test::Logbook({Dive(1, kDay1980, 500, 30)}));
  EXPECT_EQ(Joined(lines, 0, 6),
            "StrDenik C:\\Potapeni\\Denik.LOG|\n"
            "------------------------------|\n"
            " |\n"
            "StrKeDni 05.03.2024|\n"
            " |\n"
            "StrStat1|\n");
}

TEST_F(StatisticsTest, SectionOfEveryDiveCountsEachCategory) {
  ponor a = Dive(1, DayNumber(15, 6, 2003), 1000, 45);  // a Sunday
  a.TypPonoru = (1 << 2) | (1 << 6);
  a.TypAktivity = 1 << 0;
  ponor b = Dive(2, DayNumber(16, 6, 2003), 2500, 30);  // a Monday
  b.PovrchovyInterval = 60;
  b.TypPonoru = (1 << 3) | (1 << 7);
  b.TypAktivity = (1 << 1) | (1 << 4);
  ponor c = Dive(3, DayNumber(20, 6, 2003), 1000, 1);  // a Friday, with a 1-minute profile
  c.PovrchovyInterval = 30;
  c.TypPonoru = (1 << 2) | (1 << 7);
  c.Lahev = 1500;             // 15 l
  c.SpotrebaVzduchu = 15000;  // 150 bar
  test::SetProfile(c, {1000, 1000, 1000});

  const std::vector<std::string> section1 = Section(Build(test::Logbook({a, b, c})), "StrStat1");
  EXPECT_EQ(Joined(section1), W(R"(StrStat1|
 |
                   StrPocetPon    3(100 %) ...      1 h 16 min|
                  StrOpakovane    2( 66 %) ...      0 h 31 min|
 |
                      StrMelke    2( 66 %) ...      0 h 46 min|
                      StrMelci    0(  0 %) ...      0 h  0 min|
                    StrStredni    1( 33 %) ...      0 h 30 min|
                     StrHlubsi    0(  0 %) ...      0 h  0 min|
                    StrHluboke    0(  0 %) ...      0 h  0 min|
                     StrExtrem    0(  0 %) ...      0 h  0 min|
 |
                bezdekompresní    2( 66 %) ...      0 h 46 min|
                   dekompresní    1( 33 %) ...      0 h 30 min|
                obyčejný ponor    0(  0 %) ...      0 h  0 min|
                   jo-jo ponor    0(  0 %) ...      0 h  0 min|
                   sladká voda    1( 33 %) ...      0 h 45 min|
                   mořská voda    2( 66 %) ...      0 h 31 min|
                        nitrox    0(  0 %) ...      0 h  0 min|
 |
                    vyhlídkový    1( 33 %) ...      0 h 45 min|
                  klubová akce    1( 33 %) ...      0 h 30 min|
                        výcvik    0(  0 %) ...      0 h  0 min|
                    instruktáž    0(  0 %) ...      0 h  0 min|
                         noční    1( 33 %) ...      0 h 30 min|
                 speleologický    0(  0 %) ...      0 h  0 min|
                     pod ledem    0(  0 %) ...      0 h  0 min|
                       průzkum    0(  0 %) ...      0 h  0 min|
                     vrak lodi    0(  0 %) ...      0 h  0 min|
                         říční    0(  0 %) ...      0 h  0 min|
                      v proudu    0(  0 %) ...      0 h  0 min|
                          foto    0(  0 %) ...      0 h  0 min|
                        z lodi    0(  0 %) ...      0 h  0 min|
                      ze člunu    0(  0 %) ...      0 h  0 min|
                      pracovní    0(  0 %) ...      0 h  0 min|
                     záchranný    0(  0 %) ...      0 h  0 min|
 |
                  StrPrumDelka     0 h 25 min|
                StrPrumHloubka    15.00 m|
               StrPrumSpotreba  1687.50 l/min|
               StrPrumObdelnik    66.66 %|
 |
           StrDenVT StrPondeli    1( 33 %) ...      0 h 30 min|
             StrDenVT StrUtery    0(  0 %) ...      0 h  0 min|
            StrDenVT StrStreda    0(  0 %) ...      0 h  0 min|
           StrDenVT StrCtvrtek    0(  0 %) ...      0 h  0 min|
             StrDenVT StrPatek    1( 33 %) ...      0 h  1 min|
            StrDenVT StrSobota    0(  0 %) ...      0 h  0 min|
            StrDenVT StrNedele    1( 33 %) ...      0 h 45 min|
 |
)"));
}

TEST_F(StatisticsTest, WaterSectionsListTheirOwnDiveTypesAndTakeDivesFlaggedBoth) {
  ponor both = Dive(1, kDay1980, 1500, 40);
  both.TypPonoru = (1 << 6) | (1 << 7) | (1 << 8);
  const std::vector<std::string> lines = Build(test::Logbook({both, Dive(2, kDay1980, 900, 20)}));
  for (const char* heading : {"StrStat2", "StrStat3"}) {
    const std::vector<std::string> section = Section(lines, heading);
    EXPECT_EQ(Count(section, "StrPocetPon"), 1) << heading;
    EXPECT_EQ(Count(section, W("nitrox")), 1) << heading;
    EXPECT_EQ(Count(section, W("sladká voda")), -1) << heading;  // not listed here
    EXPECT_EQ(Count(section, W("mořská voda")), -1) << heading;
    EXPECT_EQ(section.size(), 48u) << heading;  // five dive-type lines instead of seven
  }
}

TEST_F(StatisticsTest, EmptySectionWritesEveryLineWithZeros) {
  const std::vector<std::string> section =
      Section(Build(test::Logbook({Dive(1, kDay1980, 1200, 50)})), "StrStat3");
  EXPECT_EQ(LineOf(section, "StrPocetPon"),
            "                   StrPocetPon    0(  0 %) ...      0 h  0 min");
  EXPECT_EQ(LineOf(section, "StrPrumDelka"), "                  StrPrumDelka     0 h  0 min");
  EXPECT_EQ(LineOf(section, "StrPrumHloubka"), "                StrPrumHloubka     0.00 m");
  EXPECT_EQ(LineOf(section, "StrPrumSpotreba"), "               StrPrumSpotreba     0.00 l/min");
  EXPECT_EQ(LineOf(section, "StrPrumObdelnik"), "               StrPrumObdelnik     0.00 %");
}

TEST_F(StatisticsTest, EmptyLogbookGivesZeroSectionsAndNoGroups) {
  const std::vector<std::string> lines = Build(test::Logbook({}));
  EXPECT_EQ(Count(Section(lines, "StrStat1"), "StrPocetPon"), 0);
  EXPECT_EQ(Joined(Section(lines, "StrStat8")), "StrStat8|\n |\n");
}

// Which depth class and which of sections 4 to 6 a stored maximum depth falls in.
struct DepthRow {
  int16_t depth;           // centimetres as stored
  const char* depthClass;  // "" for none
  const char* section;     // "" for none of sections 4 to 6
};

class StatisticsDepthTest : public StatisticsTest,
                            public ::testing::WithParamInterface<DepthRow> {};

TEST_P(StatisticsDepthTest, DepthGoesToOneClassAndOneRangeSection) {
  const DepthRow row = GetParam();
  const std::vector<std::string> lines = Build(test::Logbook({Dive(1, kDay1980, row.depth, 10)}));
  const std::vector<std::string> section1 = Section(lines, "StrStat1");
  EXPECT_EQ(Count(section1, "StrPocetPon"), 1);
  for (const char* cls :
       {"StrMelke", "StrMelci", "StrStredni", "StrHlubsi", "StrHluboke", "StrExtrem"})
    EXPECT_EQ(Count(section1, cls), std::string(cls) == row.depthClass ? 1 : 0) << cls;
  for (const char* heading : {"StrStat4", "StrStat5", "StrStat6"})
    EXPECT_EQ(Count(Section(lines, heading), "StrPocetPon"),
              std::string(heading) == row.section ? 1 : 0)
        << heading;
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, StatisticsDepthTest,
    ::testing::Values(
        DepthRow{0, "", "StrStat4"}, DepthRow{-50, "", "StrStat4"},
        DepthRow{1, "StrMelke", "StrStat4"}, DepthRow{1000, "StrMelke", "StrStat4"},
        DepthRow{1001, "StrMelci", "StrStat5"}, DepthRow{2000, "StrMelci", "StrStat5"},
        DepthRow{2001, "StrStredni", "StrStat5"}, DepthRow{3000, "StrStredni", "StrStat5"},
        DepthRow{3001, "StrHlubsi", "StrStat6"}, DepthRow{4000, "StrHlubsi", "StrStat6"},
        DepthRow{4001, "StrHluboke", "StrStat6"}, DepthRow{5000, "StrHluboke", "StrStat6"},
        DepthRow{5001, "StrExtrem", "StrStat6"}, DepthRow{20000, "StrExtrem", "StrStat6"},
        DepthRow{20001, "", ""}, DepthRow{kEmptyValue, "", ""}));

TEST_F(StatisticsTest, DiveDeeperThan200MetresStillEntersTheAverageDepth) {
  const std::vector<std::string> section1 =
      Section(Build(test::Logbook({Dive(1, kDay1980, 20001, 10), Dive(2, kDay1980, 1999, 10)})),
              "StrStat1");
  EXPECT_EQ(LineOf(section1, "StrPrumHloubka"), "                StrPrumHloubka   110.00 m");
}

TEST_F(StatisticsTest, DiveWithoutMaximumDepthIsLeftOutOfTheAverageDepthOnly) {
  const std::vector<std::string> section1 = Section(
      Build(test::Logbook({Dive(1, kDay1980, kEmptyValue, 20), Dive(2, kDay1980, 1250, 40)})),
      "StrStat1");
  EXPECT_EQ(LineOf(section1, "StrPrumHloubka"), "                StrPrumHloubka    12.50 m");
  EXPECT_EQ(Count(section1, "StrPocetPon"), 2);
  EXPECT_EQ(LineOf(section1, "StrPrumDelka"), "                  StrPrumDelka     0 h 30 min");
}

TEST_F(StatisticsTest, DiveWithoutDiveTimeAddsNoMinutes) {
  // An empty dive time is the value 32767; counted as minutes it would add 546 hours.
  const std::vector<std::string> section1 = Section(
      Build(test::Logbook({Dive(1, kDay1980, 1000, kEmptyValue), Dive(2, kDay1980, 1000, 70)})),
      "StrStat1");
  EXPECT_EQ(LineOf(section1, "StrPocetPon"),
            "                   StrPocetPon    2(100 %) ...      1 h 10 min");
  EXPECT_EQ(LineOf(section1, "StrPrumDelka"), "                  StrPrumDelka     1 h 10 min");
}

TEST_F(StatisticsTest, AverageConsumptionTakesOnlyRatesFromTheProfile) {
  ponor estimated = Dive(1, kDay1980, 1000, 50);  // no profile: an estimate of 40 l/min
  estimated.Lahev = 1000;
  estimated.SpotrebaVzduchu = 20000;
  const std::vector<std::string> section1 = Section(Build(test::Logbook({estimated})), "StrStat1");
  EXPECT_EQ(LineOf(section1, "StrPrumSpotreba"), "               StrPrumSpotreba     0.00 l/min");
  EXPECT_EQ(LineOf(section1, "StrPrumObdelnik"), "               StrPrumObdelnik     0.00 %");
}

TEST_F(StatisticsTest, AveragesUseTheRegionalDecimalSeparator) {
  const TLogbook logbook = test::Logbook({Dive(1, kDay1980, 1234, 10)});
  const ReportSource source{logbook, m_messages, m_tables, "x.LOG", ReportDate{1, 1, 2024}, ','};
  const std::vector<std::string> section1 =
      Section(BuildStatisticsText(source, StatisticsSettings{}), "StrStat1");
  EXPECT_EQ(LineOf(section1, "StrPrumHloubka"), "                StrPrumHloubka    12,34 m");
}

TEST_F(StatisticsTest, LabelsLongerThanTheColumnAreCut) {
  m_messages.Set("StrPocetPon", "A label that is far longer than thirty characters");
  const std::vector<std::string> section1 =
      Section(Build(test::Logbook({Dive(1, kDay1980, 500, 10)})), "StrStat1");
  EXPECT_EQ(section1[2], "A label that is far longer tha    1(100 %) ...      0 h 10 min");
}

TEST(WeekdayOfDayTest, TheDateAsShownGivesTheWeekday) {
  EXPECT_EQ(WeekdayOfDay(kDay1980), 1);  // a Tuesday
  EXPECT_EQ(WeekdayOfDay(kDay1980 - 400), 1) << "shown as 1 January 1980";
  EXPECT_EQ(WeekdayOfDay(DayNumber(15, 6, 2003)), 6);
  EXPECT_EQ(WeekdayOfDay(DayNumber(29, 2, 2000)), 1);
  EXPECT_EQ(WeekdayOfDay(DayNumber(31, 12, 2067)), 5);
  EXPECT_EQ(WeekdayOfDay(DayNumber(31, 12, 2199)), 1);
  EXPECT_EQ(WeekdayOfDay(DayNumber(31, 12, 2199) + 1), 0) << "from 2200 on: Monday";
  EXPECT_EQ(WeekdayOfDay(INT32_MAX), 0);
}

}  // namespace
}  // namespace zirdan
