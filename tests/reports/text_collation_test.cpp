// The order of localities and sites in the statistics.

#include "reports/text_collation.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "reports/report_fixtures.h"

namespace zirdan {
namespace {

using test::W;

TEST(CollateTextTest, SortsWithoutRegardToCaseOrDiacriticsFirst) {
  std::vector<std::string> names = {
      W("Dobšín"),        W("čáslav"), "Brno",  "brno", W("Česká Lípa"),
      "Ceske Budejovice", "Aa",        W("Áb"), "Brn",  "BRNO"};
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return CollateText(a, b) < 0; });
  EXPECT_EQ(names,
            (std::vector<std::string>{"Aa", W("Áb"), "Brn", "BRNO", "Brno", "brno", W("čáslav"),
                                      W("Česká Lípa"), "Ceske Budejovice", W("Dobšín")}));
}

struct CollateRow {
  const char* a;
  const char* b;
  int sign;  // of CollateText(a, b)
};

class CollateRowTest : public ::testing::TestWithParam<CollateRow> {};

TEST_P(CollateRowTest, ComparesAsTheRowSays) {
  const int c = CollateText(W(GetParam().a), W(GetParam().b));
  EXPECT_EQ((c > 0) - (c < 0), GetParam().sign) << GetParam().a << " / " << GetParam().b;
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, CollateRowTest,
    ::testing::Values(CollateRow{"Brno", "Brno", 0}, CollateRow{"Brno", "brno", -1},
                      CollateRow{"brno", "Brnoa", -1}, CollateRow{"Ř", "r", 1},
                      CollateRow{"ř", "s", -1}, CollateRow{"Žďár", "Zdar", 1},
                      CollateRow{"Žďár", "Zdas", -1}, CollateRow{"Brno ", "Brnoa", -1},
                      CollateRow{"", "a", -1}, CollateRow{"Łódź", "Lodz", 1},
                      CollateRow{"Ostrava", "ostrava", -1}, CollateRow{"ß", "t", -1}));

}  // namespace
}  // namespace zirdan
