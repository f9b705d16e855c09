#include "core/logbook.h"

#include <gtest/gtest.h>

namespace zirdan {
namespace {

ponor DiveNumbered(uint16_t cislo, uint16_t grafPocet = 0) {
  ponor d;
  d.Cislo = cislo;
  d.GrafPocet = grafPocet;
  return d;
}

// Walks the list both ways and checks it is one closed circle of the expected numbers.
void ExpectCircle(const TLogbook& book, const std::vector<uint16_t>& numbers) {
  ASSERT_EQ(book.PocetPonoru(), numbers.size());
  if (numbers.empty()) {
    EXPECT_EQ(book.Prvni(), nullptr);
    return;
  }
  const pam* p = book.Prvni();
  for (uint16_t n : numbers) {
    EXPECT_EQ(p->Cislo, n);
    EXPECT_EQ(p->Dalsi->Predchozi, p);
    p = p->Dalsi;
  }
  EXPECT_EQ(p, book.Prvni());
  EXPECT_EQ(book.Posledni()->Cislo, numbers.back());
}

TEST(LogbookList, FirstDiveLinksToItself) {
  TLogbook book;
  pam* only = book.Append(DiveNumbered(1));
  EXPECT_EQ(book.Prvni(), only);
  EXPECT_EQ(only->Dalsi, only);
  EXPECT_EQ(only->Predchozi, only);
}

TEST(LogbookList, InsertAfterKeepsTheCircle) {
  TLogbook book;
  pam* first = book.Append(DiveNumbered(1));
  book.Append(DiveNumbered(3));
  book.InsertAfter(first, DiveNumbered(2));
  book.InsertAfter(book.Posledni(), DiveNumbered(4));
  ExpectCircle(book, {1, 2, 3, 4});
}

TEST(LogbookList, RemoveFirstMiddleAndLast) {
  TLogbook book;
  for (uint16_t n = 1; n <= 5; ++n) book.Append(DiveNumbered(n));
  book.Remove(book.Prvni());
  ExpectCircle(book, {2, 3, 4, 5});
  book.Remove(book.FindByNumber(4));
  ExpectCircle(book, {2, 3, 5});
  book.Remove(book.Posledni());
  ExpectCircle(book, {2, 3});
  book.Remove(book.Prvni());
  book.Remove(book.Prvni());
  ExpectCircle(book, {});
}

TEST(LogbookList, MoveLeavesTheSourceEmpty) {
  TLogbook a;
  a.Append(DiveNumbered(7));
  a.Nacteno = true;
  TLogbook b;
  b.Append(DiveNumbered(1));
  b = std::move(a);
  ExpectCircle(b, {7});
  EXPECT_TRUE(b.Nacteno);
  ExpectCircle(a, {});  // NOLINT(bugprone-use-after-move): moved-from state is defined
}

TEST(LogbookList, RefusesTheDiveAfterTheLargestCount) {
  TLogbook book;
  for (uint32_t i = 0; i < kMaxDives; ++i) ASSERT_NE(book.Append(ponor{}), nullptr);
  EXPECT_TRUE(book.Full());
  EXPECT_EQ(book.Append(ponor{}), nullptr);
  EXPECT_EQ(book.InsertAfter(book.Prvni(), ponor{}), nullptr);
  EXPECT_EQ(book.PocetPonoru(), kMaxDives);
}

TEST(LogbookList, RenumberCountsFromTheFirstNumberAndListsProfiles) {
  TLogbook book;
  book.Append(DiveNumbered(50, 0));
  book.Append(DiveNumbered(9, 30));
  book.Append(DiveNumbered(2, 0));
  book.PrvniCislo = 10;
  book.Renumber();
  ExpectCircle(book, {10, 11, 12});
  EXPECT_EQ(book.PosledniCislo, 12);
  EXPECT_EQ(book.Seznam, (std::vector<std::string>{"10", "11\x95", "12"}));
}

TEST(NewDive, HoldsTheEmptyValues) {
  const ponor d;
  EXPECT_EQ(d.Znacka, 160);
  EXPECT_EQ(d.Datum, 32767);
  EXPECT_EQ(d.Cas, 32767);
  EXPECT_EQ(d.PovrchovyInterval, 32767);
  EXPECT_EQ(d.Hloubka, 0);
  EXPECT_EQ(d.DelkaPonoru, 0);
  EXPECT_EQ(d.SpotrebaVzduchu, 32767);
  EXPECT_EQ(d.GrafPocet, 0);
}

}  // namespace
}  // namespace zirdan
