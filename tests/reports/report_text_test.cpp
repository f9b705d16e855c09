// The text conventions shared by the reports: alignment, numbers, times and the title.

#include "reports/report_text.h"

#include <gtest/gtest.h>

#include "reports/report_fixtures.h"

namespace zirdan {
namespace {

struct AlignRow {
  const char* text;
  std::size_t width;
  const char* right;
  const char* left;
  const char* centre;
};

class AlignTest : public ::testing::TestWithParam<AlignRow> {};

TEST_P(AlignTest, PadsOrCutsToTheWidth) {
  const AlignRow& r = GetParam();
  EXPECT_EQ(RightAlign(r.text, r.width), r.right);
  EXPECT_EQ(LeftAlign(r.text, r.width), r.left);
  EXPECT_EQ(Center(r.text, r.width), r.centre);
}

INSTANTIATE_TEST_SUITE_P(Rows, AlignTest,
                         ::testing::Values(AlignRow{"ab", 5, "   ab", "ab   ", " ab  "},
                                           AlignRow{"abc", 6, "   abc", "abc   ", " abc  "},
                                           AlignRow{"abcd", 6, "  abcd", "abcd  ", " abcd "},
                                           AlignRow{"abc", 3, "abc", "abc", "abc"},
                                           AlignRow{"abcdef", 4, "abcd", "abcd", "abcd"},
                                           AlignRow{"", 2, "  ", "  ", "  "},
                                           AlignRow{"x", 0, "", "", ""}));

TEST(FixedTextTest, TwoDecimalsWithTheGivenSeparator) {
  EXPECT_EQ(FixedText(15, 2, '.'), "15.00");
  EXPECT_EQ(FixedText(66.666, 2, ','), "66,67");
  EXPECT_EQ(FixedText(0.004, 2, '.'), "0.00");
  EXPECT_EQ(FixedText(-0.0, 2, '.'), "0.00");
  EXPECT_EQ(FixedText(1e30, 2, '.'), "1000000000000000019884624838656.00");  // never cut
}

TEST(HoursMinutesTest, HoursInSixColumnsAndMinutesInTheirWidth) {
  const TMessageTable messages = testing::KeyNamedMessages();
  EXPECT_EQ(MinutesAsHoursText(76, messages), "     1 h 16 min");
  EXPECT_EQ(MinutesAsHoursText(5, messages), "     0 h  5 min");
  EXPECT_EQ(MinutesAsHoursText(59999999, messages), "999999 h 59 min");
  EXPECT_EQ(HoursMinutesText(2, 7, messages, 3, ""), "     2 h  7 min");
}

TEST(TitleLinesTest, UnderlineIsAsLongAsTheFirstLine) {
  const TMessageTable messages = testing::KeyNamedMessages();
  const std::vector<std::string> lines =
      TitleLines(messages, testing::W("/home/potápěč/Deník.LOG"), ReportDate{7, 11, 2025});
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], testing::W("StrDenik /home/potápěč/Deník.LOG"));
  EXPECT_EQ(lines[1], std::string(lines[0].size(), '-'));
  EXPECT_EQ(lines[2], " ");
  EXPECT_EQ(lines[3], "StrKeDni 07.11.2025");
  EXPECT_EQ(lines[4], " ");
}

}  // namespace
}  // namespace zirdan
