#include "core/import_reading.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/log_file.h"
#include "core/win1250.h"
#include "support/cli_runner.h"
#include "support/op_result_print.h"

namespace zirdan {
namespace {
namespace fs = std::filesystem;

const std::array<std::string, 7> kWeekdays = TCategoryTables::BuiltIn().DnyTydne;

// A dive told apart by its number, its site and a profile byte pattern.
ponor Dive(uint16_t cislo, const std::string& misto, uint16_t grafPocet = 0) {
  ponor d;
  d.Cislo = cislo;
  d.Datum = kDay1980;
  d.Misto = misto;
  d.GrafPocet = grafPocet;
  for (uint16_t i = 0; i < grafPocet; ++i) d.Graf[i] = static_cast<uint8_t>(cislo + i);
  return d;
}

// A logbook of the given dives, numbered from PrvniCislo = the first dive's number.
TLogbook Logbook(const std::vector<ponor>& dives) {
  TLogbook book;
  for (const ponor& d : dives) book.Append(d);
  book.Nacteno = true;
  book.PrvniCislo = dives.empty() ? 0 : dives.front().Cislo;
  book.PosledniCislo = dives.empty() ? 0 : dives.back().Cislo;
  book.RebuildSeznam();
  return book;
}

std::vector<std::string> Sites(const TLogbook& book) {
  std::vector<std::string> sites;
  book.ForEach([&](const pam& d) { sites.push_back(d.Misto); });
  return sites;
}

std::vector<uint16_t> Numbers(const TLogbook& book) {
  std::vector<uint16_t> numbers;
  book.ForEach([&](const pam& d) { numbers.push_back(d.Cislo); });
  return numbers;
}

class ImportReadingTest : public ::testing::Test {
 protected:
  // Writes another file holding these dives in this order.
  void WriteOtherFile(const std::vector<ponor>& dives) {
    TLogbook other = Logbook(dives);
    OpResult saved = SaveLogbook(m_fromPath, other);
    ASSERT_TRUE(saved) << saved.Describe();
  }
  // The picked 1-based positions of the other file's sorted list, read.
  std::vector<ponor> ReadPicked(const std::vector<std::size_t>& positions) {
    std::vector<ImportEntry> entries;
    EXPECT_TRUE(ListDives(m_fromPath, kWeekdays, entries));
    SortImportEntries(entries);
    std::vector<ImportEntry> picked;
    for (std::size_t p : positions) picked.push_back(entries.at(p - 1));
    std::vector<ponor> dives;
    OpResult read = ReadDives(m_fromPath, picked, dives);
    EXPECT_TRUE(read) << read.Describe();
    return dives;
  }

  test::ScratchFolder m_folder;
  const fs::path& m_dir = m_folder.Path();
  std::string m_fromPath = m_folder.File("jiny.LOG");
};

// --- List texts -----------------------------------------------------------------------------

struct EntryCase {
  uint16_t cislo;
  uint16_t grafPocet;
  uint16_t cas;
  const char* lokalita;
  const char* misto;
  const char* expected;  // UTF-8
};

class ImportEntryTextTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(ImportEntryTextTest, NumberAndMarkRightAlignedThenDateTimeAndPlace) {
  const EntryCase& c = GetParam();
  ponor d;
  d.Cislo = c.cislo;
  d.GrafPocet = c.grafPocet;
  d.Datum = kDay1980 + 366 + 31;  // Sunday 1 February 1981
  d.Cas = c.cas;
  d.Lokalita = Utf8ToWin1250(c.lokalita);
  d.Misto = Utf8ToWin1250(c.misto);
  EXPECT_EQ(Win1250ToUtf8(ImportEntryText(d, kWeekdays)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ImportEntryTextTest,
    ::testing::Values(EntryCase{7, 0, 425, "Chorvatsko", "Žirje",
                                "    7  01.02.1981 neděle 07:05 Chorvatsko Žirje"},
                      EntryCase{7, 30, 425, "A", "B", "    7• 01.02.1981 neděle 07:05 A B"},
                      EntryCase{12, 0, kEmptyValue, "", "", "   12  01.02.1981 neděle   "},
                      EntryCase{9999, 1, 0, "A", "B", " 9999• 01.02.1981 neděle 00:00 A B"},
                      EntryCase{65535, 30, 600, "A", "B", "65535• 01.02.1981 neděle 10:00 A B"},
                      EntryCase{65535, 0, 600, "A", "B", "65535  01.02.1981 neděle 10:00 A B"},
                      EntryCase{0, 0, 600, "A", "B", "    0  01.02.1981 neděle 10:00 A B"}));

TEST(ImportEntrySort, FiveDigitNumbersSortAfterShorterOnes) {
  std::vector<ImportEntry> entries;
  for (uint16_t n : {65535, 9999, 10000, 2, 100}) {
    ponor d;
    d.Cislo = n;
    d.GrafPocet = n % 2;
    entries.push_back({ImportEntryText(d, kWeekdays), 0, n});
  }
  SortImportEntries(entries);
  std::vector<uint16_t> order;
  for (const ImportEntry& e : entries) order.push_back(e.Cislo);
  EXPECT_EQ(order, (std::vector<uint16_t>{2, 100, 9999, 10000, 65535}));
}

// --- Listing and reading another file --------------------------------------------------

TEST_F(ImportReadingTest, ListsEveryDiveInFileOrderWithItsPosition) {
  WriteOtherFile({Dive(1, "one"), Dive(2, "two", 30), Dive(3, "three")});
  std::vector<ImportEntry> entries;
  ASSERT_TRUE(ListDives(m_fromPath, kWeekdays, entries));
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[1].Text.substr(0, 6), "    2\x95");
  EXPECT_EQ(entries[2].Text.substr(entries[2].Text.size() - 5), "three");
  EXPECT_EQ(entries[0].Position, 12u);  // right after the header
  EXPECT_LT(entries[0].Position, entries[1].Position);
  EXPECT_LT(entries[1].Position, entries[2].Position);
}

TEST_F(ImportReadingTest, ImportedDivesKeepEveryFieldAndProfileByte) {
  ponor full = Dive(4, "full", 2002);
  full.Lokalita = "Lok";
  full.Partner = "Jan, Eva";
  full.Poznamka = std::string(254, 'x');
  full.TypPonoru = 0x0304;
  full.Chyby = 0x0021;
  full.Rezerva = {1, 2, 3, 4, 5, 6};
  WriteOtherFile({Dive(3, "three"), full});
  std::vector<ponor> dives = ReadPicked({2});
  ASSERT_EQ(dives.size(), 1u);
  EXPECT_EQ(dives[0], full);
}

TEST_F(ImportReadingTest, DivesOutOfNumberOrderImportTheOnesPicked) {
  // File order 5, 3, 9: the list shows 3, 5, 9, and its first entry is the second dive.
  WriteOtherFile({Dive(5, "five"), Dive(3, "three"), Dive(9, "nine")});
  std::vector<ponor> dives = ReadPicked({1, 3});
  ASSERT_EQ(dives.size(), 2u);
  EXPECT_EQ(dives[0].Misto, "three");
  EXPECT_EQ(dives[1].Misto, "nine");
}

TEST_F(ImportReadingTest, MissingFileFails) {
  std::vector<ImportEntry> entries;
  EXPECT_FALSE(ListDives((m_dir / "none.LOG").string(), kWeekdays, entries));
  EXPECT_TRUE(entries.empty());
}

TEST_F(ImportReadingTest, DamagedFileFailsToListAndListsNothing) {
  WriteOtherFile({Dive(1, "one"), Dive(2, "two"), Dive(3, "three")});
  fs::resize_file(m_fromPath, fs::file_size(m_fromPath) - 10);  // cut into the last dive
  std::vector<ImportEntry> entries;
  OpResult listed = ListDives(m_fromPath, kWeekdays, entries);
  EXPECT_FALSE(listed);
  EXPECT_EQ(listed.MessageKey(), kReadErrorKey);
  // The reader's own reason, with the record it was reading.
  EXPECT_TRUE(listed.Detail().starts_with("StrDetPonorZ(3, 3): StrDetVZaznamu("))
      << listed.Detail();
  EXPECT_TRUE(entries.empty());
}

TEST_F(ImportReadingTest, DiveDamagedAfterListingReadsNothing) {
  WriteOtherFile({Dive(1, "one"), Dive(2, "two"), Dive(3, "three", 100)});
  std::vector<ImportEntry> entries;
  ASSERT_TRUE(ListDives(m_fromPath, kWeekdays, entries));
  fs::resize_file(m_fromPath, fs::file_size(m_fromPath) - 50);
  std::vector<ponor> dives;
  const OpResult read = ReadDives(m_fromPath, {entries[0], entries[2]}, dives);
  EXPECT_FALSE(read);
  EXPECT_EQ(read.MessageKey(), kReadErrorKey);
  EXPECT_TRUE(read.Detail().starts_with("StrDetPonor(3): StrDetV")) << read.Detail();
  EXPECT_TRUE(dives.empty());  // not even the intact first dive
}

TEST_F(ImportReadingTest, FileRewrittenAfterListingIsAReadError) {
  WriteOtherFile({Dive(1, "one"), Dive(2, "two")});
  std::vector<ImportEntry> entries;
  ASSERT_TRUE(ListDives(m_fromPath, kWeekdays, entries));
  WriteOtherFile({Dive(7, "one"), Dive(8, "two")});  // same layout, other numbers
  std::vector<ponor> dives;
  const OpResult read = ReadDives(m_fromPath, {entries[1]}, dives);
  EXPECT_EQ(read, OpResult::FailureKey(kReadErrorKey).With("StrDetPonorPresunut", {"2"}));
  EXPECT_TRUE(dives.empty());
}

// --- Inserting and renumbering ----------------------------------------------------------

TEST_F(ImportReadingTest, TwoDivesAfterDiveTenOfTwelve) {
  WriteOtherFile(
      {Dive(1, "o1"), Dive(2, "o2"), Dive(3, "o3"), Dive(4, "o4"), Dive(5, "o5"), Dive(6, "o6")});
  std::vector<ponor> own;
  for (uint16_t n = 1; n <= 12; ++n) own.push_back(Dive(n, "d" + std::to_string(n)));
  TLogbook book = Logbook(own);

  std::vector<ponor> dives = ReadPicked({2, 5});
  pam* first = nullptr;
  ASSERT_TRUE(InsertDives(book, book.FindByNumber(10), dives, &first));

  EXPECT_EQ(book.PocetPonoru(), 14);
  EXPECT_EQ(Sites(book), (std::vector<std::string>{"d1", "d2", "d3", "d4", "d5", "d6", "d7", "d8",
                                                   "d9", "d10", "o2", "o5", "d11", "d12"}));
  EXPECT_EQ(Numbers(book), (std::vector<uint16_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Cislo, 11);  // the entry the dive list selects next
  EXPECT_EQ(book.PosledniCislo, 14);
  EXPECT_EQ(book.Seznam.size(), 14u);
  EXPECT_TRUE(book.Zmeneno);
}

TEST_F(ImportReadingTest, RenumberingStartsAtTheFirstDiveNumber) {
  TLogbook book = Logbook({Dive(101, "a"), Dive(102, "b")});
  ASSERT_TRUE(InsertDives(book, book.Prvni(), {Dive(7, "x")}));
  EXPECT_EQ(Numbers(book), (std::vector<uint16_t>{101, 102, 103}));
  EXPECT_EQ(Sites(book), (std::vector<std::string>{"a", "x", "b"}));
}

TEST_F(ImportReadingTest, AfterTheLastDiveAppends) {
  TLogbook book = Logbook({Dive(1, "a"), Dive(2, "b")});
  ASSERT_TRUE(InsertDives(book, book.Posledni(), {Dive(7, "x"), Dive(8, "y")}));
  EXPECT_EQ(Sites(book), (std::vector<std::string>{"a", "b", "x", "y"}));
  EXPECT_EQ(book.Prvni()->Predchozi->Misto, "y");  // the circle is closed
}

TEST_F(ImportReadingTest, NothingPickedChangesNothing) {
  TLogbook book = Logbook({Dive(1, "a")});
  pam* first = book.Prvni();
  ASSERT_TRUE(InsertDives(book, book.Prvni(), {}, &first));
  EXPECT_EQ(first, nullptr);
  EXPECT_FALSE(book.Zmeneno);
  EXPECT_EQ(book.PocetPonoru(), 1);
}

TEST_F(ImportReadingTest, NumbersPast65535AreRefusedAndTheLogbookIsUntouched) {
  TLogbook book = Logbook({Dive(65534, "a"), Dive(65535, "b")});
  pam* first = book.Prvni();
  OpResult inserted = InsertDives(book, book.Prvni(), {Dive(7, "x")}, &first);
  EXPECT_FALSE(inserted);
  EXPECT_EQ(inserted,
            OpResult::FailureKey(kImportTooManyKey).With("StrDetCislovani", {"2", "65534", "1"}));
  EXPECT_EQ(first, nullptr);
  EXPECT_EQ(Numbers(book), (std::vector<uint16_t>{65534, 65535}));
  EXPECT_FALSE(book.Zmeneno);
}

TEST_F(ImportReadingTest, DamagedOtherFileLeavesTheLogbookUntouched) {
  WriteOtherFile({Dive(1, "o1"), Dive(2, "o2"), Dive(3, "o3")});
  std::vector<ImportEntry> entries;
  ASSERT_TRUE(ListDives(m_fromPath, kWeekdays, entries));
  fs::resize_file(m_fromPath, fs::file_size(m_fromPath) - 4);

  TLogbook book = Logbook({Dive(1, "a"), Dive(2, "b")});
  std::vector<ponor> dives;
  if (ReadDives(m_fromPath, entries, dives)) InsertDives(book, book.Prvni(), dives);
  EXPECT_EQ(Sites(book), (std::vector<std::string>{"a", "b"}));
  EXPECT_FALSE(book.Zmeneno);
}

}  // namespace
}  // namespace zirdan
