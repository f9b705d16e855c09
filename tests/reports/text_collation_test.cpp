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
  const std::string a = W(GetParam().a);
  const std::string b = W(GetParam().b);
  const int c = CollateText(a, b);
  EXPECT_EQ((c > 0) - (c < 0), GetParam().sign) << GetParam().a << " / " << GetParam().b;
  const int k = CollationKey(a).compare(CollationKey(b));
  EXPECT_EQ((k > 0) - (k < 0), GetParam().sign)
      << "keys of " << GetParam().a << " / " << GetParam().b;
}

TEST(CollationKeyTest, OrdersEveryPairAsTheComparison) {
  // Texts that tie at the first or second level, prefixes, control bytes and every byte
  // above 0x7F.
  std::vector<std::string> texts = {
      "",   "a", "A",    "ab",   "aB",   "Ab", std::string(1, '\0'), std::string("a\0", 2),
      "a ", "b", W("á"), W("Á"), W("áb")};
  for (int byte = 0x80; byte <= 0xFF; ++byte) texts.emplace_back(1, static_cast<char>(byte));
  for (const std::string& a : texts) {
    for (const std::string& b : texts) {
      const int c = CollateText(a, b);
      const int k = CollationKey(a).compare(CollationKey(b));
      ASSERT_EQ((c > 0) - (c < 0), (k > 0) - (k < 0)) << a << " / " << b;
    }
  }
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
