#include "core/dive_search.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/win1250.h"

namespace zirdan {
namespace {

// A logbook whose dives have these buddies (UTF-8), numbered from 1.
TLogbook WithBuddies(const std::vector<std::string>& buddies) {
  TLogbook book;
  for (const std::string& buddy : buddies) {
    ponor dive;
    dive.Partner = Utf8ToWin1250(buddy);
    book.Append(dive);
  }
  book.PrvniCislo = 1;
  book.Renumber();
  return book;
}

bool Contains(const std::string& text, const std::string& searched) {
  return ContainsText(Utf8ToWin1250(text), Utf8ToWin1250(searched));
}

TEST(SearchComparison, IgnoresLetterCaseButKeepsDiacritics) {
  EXPECT_TRUE(Contains("NOVÁKOVÁ", "ová"));
  EXPECT_TRUE(Contains("Nováková", "ová"));
  EXPECT_FALSE(Contains("Novakova", "ová"));
  EXPECT_TRUE(Contains("Štěpán Řehoř", "ŘEHOŘ"));
  EXPECT_TRUE(Contains("Łódź", "łó"));
  EXPECT_FALSE(Contains("Grosse", "ß"));  // ß has no capital: it finds only itself
  EXPECT_TRUE(Contains("STRAßE", "aße"));
  EXPECT_TRUE(Contains("anything", ""));
}

TEST(SearchComparison, ATextTheCodePageCannotHoldFindsNothing) {
  EXPECT_EQ(SearchTextToWin1250("Kovač"), Utf8ToWin1250("Kovač"));
  EXPECT_EQ(SearchTextToWin1250("a≠b"), std::nullopt);
  EXPECT_EQ(SearchTextToWin1250("?"), "?");
}

TEST(SearchScan, FromTheFirstDiveExaminesThatDiveToo) {
  const TLogbook book = WithBuddies({"Nováková", "Petr", "NOVÁKOVÁ", "Novakova"});
  const auto hit = FindDive(book, {book.Prvni(), 0, true}, SearchField::Partner,
                            Utf8ToWin1250("ová"));
  ASSERT_TRUE(hit);
  EXPECT_EQ(hit->Index, 0);
  EXPECT_EQ(hit->Dive, book.Prvni());
}

TEST(SearchScan, NextStartsAfterTheDiveAndNeverWrapsRound) {
  const TLogbook book = WithBuddies({"Nováková", "Petr", "NOVÁKOVÁ", "Novakova"});
  const std::string ova = Utf8ToWin1250("ová");
  const auto second = FindDive(book, {book.Prvni(), 0, false}, SearchField::Partner, ova);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->Index, 2);
  EXPECT_EQ(second->Dive->Cislo, 3);
  // After the third dive only "Novakova" is left: no match, and the first is not looked at.
  EXPECT_FALSE(FindDive(book, {second->Dive, 2, false}, SearchField::Partner, ova));
  // From the last dive there is nothing to examine.
  EXPECT_FALSE(FindDive(book, {book.Posledni(), 3, false}, SearchField::Partner, "N"));
}

TEST(SearchScan, LooksOnlyInTheChosenField) {
  TLogbook book;
  ponor dive;
  dive.Lokalita = "Egypt";
  dive.Misto = "Thistlegorm";
  dive.Partner = "Jana";
  dive.Poznamka = "vrak v 30 m";
  book.Append(dive);
  const SearchStart start{book.Prvni(), 0, true};
  EXPECT_TRUE(FindDive(book, start, SearchField::Lokalita, "EGY"));
  EXPECT_FALSE(FindDive(book, start, SearchField::Lokalita, "VRAK"));
  EXPECT_TRUE(FindDive(book, start, SearchField::Misto, "gorm"));
  EXPECT_TRUE(FindDive(book, start, SearchField::Partner, "jan"));
  EXPECT_TRUE(FindDive(book, start, SearchField::Poznamka, "VRAK"));
  EXPECT_FALSE(FindDive(TLogbook{}, {nullptr, 0, true}, SearchField::Lokalita, ""));
  EXPECT_EQ(SearchFieldNamed("poznamka"), SearchField::Poznamka);
  EXPECT_EQ(SearchFieldNamed("Poznamka"), std::nullopt);
}

}  // namespace
}  // namespace zirdan
