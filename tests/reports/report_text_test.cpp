// The text conventions shared by the reports: alignment and numbers.

#include "reports/report_text.h"

#include <gtest/gtest.h>

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
  EXPECT_EQ(FixedText(1e300, 2, '.').size(), 304u);
  // Halves round as the exact binary value lies: 0.125 is exact and goes to even, 2.675 is
  // just below its half.
  EXPECT_EQ(FixedText(0.125, 2, '.'), "0.12");
  EXPECT_EQ(FixedText(2.675, 2, '.'), "2.67");
  EXPECT_EQ(FixedText(-1.005, 1, '.'), "-1.0");
}

}  // namespace
}  // namespace zirdan
