#include "core/win1250.h"

#include <gtest/gtest.h>

#include "core/category_tables.h"

namespace zirdan {
namespace {

TEST(Win1250, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToWin1250(Win1250ToUtf8(all)), all);
}

TEST(Win1250, CzechLettersMapBothWays) {
  struct Row {
    const char* utf8;
    const char* bytes;
  };
  const Row rows[] = {
      {"č", "\xE8"}, {"Ř", "\xD8"}, {"ž", "\x9E"}, {"Š", "\x8A"}, {"ů", "\xF9"},
      {"ť", "\x9D"}, {"ľ", "\xBE"}, {"•", "\x95"}, {"€", "\x80"}, {"°", "\xB0"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(Utf8ToWin1250(r.utf8), r.bytes) << r.utf8;
    EXPECT_EQ(Win1250ToUtf8(r.bytes), r.utf8) << r.utf8;
  }
}

TEST(Win1250, CharactersItCannotHoldAreReplacedNotDropped) {
  EXPECT_EQ(Utf8ToWin1250("a\xE2\x82\xAC"
                          "b"),
            "a\x80"
            "b");                                     // euro sign is held
  EXPECT_EQ(Utf8ToWin1250("x\xE6\x97\xA5y"), "x?y");  // a CJK character is not
  EXPECT_EQ(Utf8ToWin1250("\xF0\x9F\x90\xA0"), "?");  // nor a fish emoji
  EXPECT_EQ(Utf8ToWin1250("bad\xC3"), "bad?");        // cut-off sequence
}

TEST(CategoryTables, BuiltInNamesAreWindows1250) {
  const TCategoryTables t = TCategoryTables::BuiltIn();
  EXPECT_EQ(Win1250ToUtf8(t.Pocasi[4]), "déšť");
  EXPECT_EQ(Win1250ToUtf8(t.TypAktivity[13]), "ze člunu");
  EXPECT_EQ(Win1250ToUtf8(t.DnyTydne[0]), "pondělí");
  EXPECT_EQ(t.TypPonoru[9], "SCR");
  EXPECT_EQ(CategoryName(t.NadmorskaVyska, 5), "");  // outside the table
  EXPECT_EQ(CategoryName(t.Oblek, 255), "");
}

}  // namespace
}  // namespace zirdan

namespace zirdan {
namespace {

TEST(Win1250, UpperCaseKeepsDiacriticsAndLeavesOtherBytes) {
  EXPECT_EQ(Win1250ToUtf8(Win1250ToUpper(Utf8ToWin1250("nováková řůžľťšźżłąş"))),
            "NOVÁKOVÁ ŘŮŽĽŤŠŹŻŁĄŞ");
  EXPECT_EQ(Win1250ToUpper(Utf8ToWin1250("ß÷1-")), Utf8ToWin1250("ß÷1-"));
  int lowerLetters = 0;
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    if (Win1250ToUpper(c) != c) ++lowerLetters;
  }
  EXPECT_EQ(lowerLetters, 66);
}

}  // namespace
}  // namespace zirdan
