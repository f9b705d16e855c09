#include "core/csv_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/win1250.h"
#include "env/field_labels.h"
#include "support/cli_runner.h"

namespace zirdan {
namespace {
namespace fs = std::filesystem;

// Windows-1250 bytes of a UTF-8 literal.
std::string W(const char* utf8) {
  return Utf8ToWin1250(utf8);
}

// A dive with a profile of five samples in the basic format (22 header bytes, then three
// samples, one filler byte, two samples): depths 0.00, 10.00, 40.31, 10.16 and 0.16 m.
ponor DiveWithFiveSamples(uint16_t cislo) {
  ponor d;
  d.Cislo = cislo;
  const std::array<uint8_t, 11> samples = {0x00, 0x00,   // no marks
                                           0x10, 0x10,   // bit 4: flag 0
                                           0x40, 0x88,   // bit 3: flag 1
                                           0xEE,         // filler
                                           0x10, 0x60,   // bit 5: flag 5
                                           0x00, 0x7F};  // every mark
  std::copy(samples.begin(), samples.end(), d.Graf.begin() + kFormatBasic);
  d.GrafPocet = kFormatBasic + samples.size();
  return d;
}

class CsvExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_logPath = (m_dir / "moje.LOG").string();
    // Short headings keep the expected bytes readable; the label captions stay built-in.
    for (const char* key : {"StrPonorC", "StrPrehCas", "StrPrehHloubka", "StrChSest", "StrChVyst",
                            "StrChDech", "StrChRbt", "StrChDeko", "StrChTrans"})
      m_messages.Set(key, std::string(key).substr(3));
    m_book.Nacteno = true;
  }
  OpResult Export(char separator = '.') {
    const CodecContext codec{m_tables, kFormatBasic, separator};
    return ExportCsv(m_book, m_logPath, codec, CsvHeadingTexts{m_messages, m_labels.Label});
  }
  // The export files that a failure's detail names.
  std::vector<std::string> NamedFiles(const OpResult& failure) const {
    std::vector<std::string> named;
    for (const std::string& file : CsvFileNamesFor(m_logPath))
      if (failure.Detail().find(file) != std::string::npos) named.push_back(file);
    return named;
  }
  std::string File(const char* suffix) const { return test::ReadFileBytes(m_logPath + suffix); }
  std::size_t FileCount() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_dir), {}));
  }

  test::ScratchFolder m_folder;
  const fs::path& m_dir = m_folder.Path();
  std::string m_logPath;
  TLogbook m_book;
  TMessageTable m_messages;
  FieldLabelCaptions m_labels = FieldLabelCaptions::DesignTime();
  TCategoryTables m_tables = TCategoryTables::BuiltIn();
};

const std::string kDiveHeading =
    W("PonorC\tDatum\tČas\tLokalita\tMísto\tNadmořská výška\tPovrchový interval\tMax. hloubka "
      "[m]\tDélka ponoru\tTyp obleku\tObjem lahve [l]\tSpotřeba vz. [bar]\tPočasí\tTeplota vz. "
      "[°C]\tTeplota vody [°C]\tPoznámka\t\r\n");
const std::string kGraphHeading =
    "PonorC\tPrehCas\tPrehHloubka\tChSest\tChVyst\tChDech\tChRbt\tChDeko\tChTrans\r\n";
const std::string kDiveTypeHeading = "PonorC\tID\tTyp ponoru\t\r\n";
const std::string kActivityHeading = "PonorC\tID\tTyp aktivity\t\r\n";
const std::string kErrorHeading = W("PonorC\tID\tChyby při ponoru\t\r\n");
const std::string kBuddyHeading = "PonorC\tID\tPartner\t\r\n";

// --- The six files and their rows -------------------------------------------------------

TEST_F(CsvExportTest, OneBareDiveGivesHeadingsAndOneBuddyRow) {
  ponor bare;
  bare.Cislo = 1;
  m_book.Append(bare);

  const OpResult result = Export();
  ASSERT_TRUE(result) << result.Describe();
  EXPECT_EQ(File(".dive.csv"),
            kDiveHeading + "1\t01.01.1980\t\t\t\t\t\t0.00\t00:00\t\t\t\t\t\t\t\t\r\n");
  EXPECT_EQ(File(".graph.csv"), kGraphHeading);
  EXPECT_EQ(File(".divetype.csv"), kDiveTypeHeading);
  EXPECT_EQ(File(".activity.csv"), kActivityHeading);
  EXPECT_EQ(File(".error.csv"), kErrorHeading);
  EXPECT_EQ(File(".buddy.csv"), kBuddyHeading + "1\t1\t\r\n");
}

TEST_F(CsvExportTest, ReturnsTheSixNamesBesideTheLogbookInOrder) {
  m_book.Append(ponor{});
  ASSERT_TRUE(Export());
  const CsvFileNames names = CsvFileNamesFor(m_logPath);
  const std::array<const char*, 6> suffixes = {".dive.csv",     ".graph.csv", ".divetype.csv",
                                               ".activity.csv", ".error.csv", ".buddy.csv"};
  for (std::size_t i = 0; i < suffixes.size(); ++i) {
    EXPECT_EQ(names[i], m_logPath + suffixes[i]);
    EXPECT_TRUE(fs::exists(names[i]));
  }
  EXPECT_EQ(FileCount(), 6u);  // no temporary left behind
}

TEST_F(CsvExportTest, DiveRowHoldsTheViewTextsInHeadingOrder) {
  ponor d;
  d.Cislo = 12345;
  d.Datum = kDay1980 + 366 + 31;  // 1 February 1981
  d.Cas = 425;
  d.Lokalita = W("Chorvatsko");
  d.Misto = W("Žirje");
  d.NadmorskaVyska = 2;
  d.PovrchovyInterval = 90;
  d.Hloubka = 2450;
  d.DelkaPonoru = 47;
  d.Oblek = 3;
  d.Lahev = 1200;
  d.SpotrebaVzduchu = 15000;
  d.Pocasi = 1;
  d.TeplotaVzduchu = -125;
  d.TeplotaVody = 1850;
  d.Poznamka = W("klidné moře");
  m_book.Append(d);

  ASSERT_TRUE(Export());
  EXPECT_EQ(File(".dive.csv"),
            kDiveHeading + W("12345\t01.02.1981\t07:05\tChorvatsko\tŽirje\t900 až 1700 m.n.m\t"
                             "01:30\t24.50\t00:47\tjednodílný mokrý\t12.00\t150.00\tjasno\t"
                             "-1.25\t18.50\tklidné moře\t\r\n"));
}

TEST_F(CsvExportTest, FiveSamplesGiveTimes20To100AndTheMarksInColumnOrder) {
  m_book.Append(DiveWithFiveSamples(7));
  ASSERT_TRUE(Export());
  EXPECT_EQ(File(".graph.csv"), kGraphHeading +
                                    "7\t20\t0.00\t0\t0\t0\t0\t0\t0\t\r\n"
                                    "7\t40\t10.00\t0\t0\t1\t0\t0\t0\t\r\n"
                                    "7\t60\t40.31\t1\t0\t0\t0\t0\t0\t\r\n"
                                    "7\t80\t10.16\t0\t0\t0\t0\t0\t1\t\r\n"
                                    "7\t100\t0.16\t1\t1\t1\t1\t1\t1\t\r\n");
}

TEST_F(CsvExportTest, GraphDepthsUseTheRegionalSeparator) {
  m_book.Append(DiveWithFiveSamples(7));
  ASSERT_TRUE(Export(','));
  const std::string graph = File(".graph.csv");
  EXPECT_NE(graph.find("7\t60\t40,31\t"), std::string::npos);
  EXPECT_NE(graph.find("7\t100\t0,16\t"), std::string::npos);
  // The dive's own values keep the point, whatever the regional settings.
  ponor d;
  d.Cislo = 8;
  d.Hloubka = 1234;
  m_book.Append(d);
  ASSERT_TRUE(Export(','));
  EXPECT_NE(File(".dive.csv").find("\t12.34\t"), std::string::npos);
}

TEST_F(CsvExportTest, SetFilesListEachSetBitWithItsName) {
  ponor d;
  d.Cislo = 3;
  d.TypPonoru = (1u << 2) | (1u << 7);
  d.TypAktivity = (1u << 0) | (1u << 15);
  d.Chyby = (1u << 0) | (1u << 1) | (1u << 5);  // bit 1 has no name and no row
  m_book.Append(d);

  ASSERT_TRUE(Export());
  EXPECT_EQ(File(".divetype.csv"),
            kDiveTypeHeading + W("3\t2\tbezdekompresní\t\r\n3\t7\tmořská voda\t\r\n"));
  EXPECT_EQ(File(".activity.csv"),
            kActivityHeading + W("3\t0\tvyhlídkový\t\r\n3\t15\tzáchranný\t\r\n"));
  EXPECT_EQ(File(".error.csv"), kErrorHeading + W("3\t0\tvýstup\t\r\n3\t5\tSOS\t\r\n"));
}

TEST_F(CsvExportTest, RowsFollowTheListOrderOfTheDives) {
  for (uint16_t n : {4, 5, 6}) {
    ponor d;
    d.Cislo = n;
    d.Partner = "P" + std::to_string(n);
    m_book.Append(d);
  }
  ASSERT_TRUE(Export());
  EXPECT_EQ(File(".buddy.csv"), kBuddyHeading + "4\t1\tP4\r\n5\t1\tP5\r\n6\t1\tP6\r\n");
}

// --- Buddies ----------------------------------------------------------------------------

struct BuddyCase {
  const char* partner;
  std::vector<std::string> buddies;
};

class BuddySplitTest : public CsvExportTest, public ::testing::WithParamInterface<BuddyCase> {};

TEST_P(BuddySplitTest, SplitsPartnerAtCommasAndTrimsSpaces) {
  ponor d;
  d.Cislo = 9;
  d.Partner = GetParam().partner;
  m_book.Append(d);
  ASSERT_TRUE(Export());
  std::string expected = kBuddyHeading;
  for (std::size_t i = 0; i < GetParam().buddies.size(); ++i)
    expected += "9\t" + std::to_string(i + 1) + "\t" + GetParam().buddies[i] + "\r\n";
  EXPECT_EQ(File(".buddy.csv"), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Partners, BuddySplitTest,
    ::testing::Values(BuddyCase{"", {""}}, BuddyCase{"   ", {""}},
                      BuddyCase{"Jan Novak", {"Jan Novak"}},
                      BuddyCase{"  Jan Novak  ,  Eva  ", {"Jan Novak", "Eva"}},
                      BuddyCase{"Jan,,Eva", {"Jan", "", "Eva"}},
                      BuddyCase{"Jan, Eva,", {"Jan", "Eva", ""}}, BuddyCase{",Jan", {"", "Jan"}},
                      BuddyCase{"Jan , Petr ,, Eva ", {"Jan", "Petr", "", "Eva"}},
                      BuddyCase{"\tJan\t,\tEva", {"Jan", "Eva"}}));

// --- Texts that would break a row -------------------------------------------------------

TEST_F(CsvExportTest, TabsAndLineBreaksInTextsBecomeSpaces) {
  ponor d;
  d.Cislo = 2;
  d.Lokalita = "A\tB";
  d.Misto = "C\rD";
  d.Poznamka = "line 1\r\nline 2\tend";
  d.Partner = "X\tY, Z\n";
  m_book.Append(d);
  ASSERT_TRUE(Export());

  EXPECT_EQ(File(".dive.csv"), kDiveHeading +
                                   "2\t01.01.1980\t\tA B\tC D\t\t\t0.00\t00:00\t\t\t\t\t\t\t"
                                   "line 1  line 2 end\t\r\n");
  EXPECT_EQ(File(".buddy.csv"), kBuddyHeading + "2\t1\tX Y\r\n2\t2\tZ\r\n");
}

TEST_F(CsvExportTest, TranslatedHeadingsAndNamesWithTabsKeepTheColumns) {
  m_messages.Set("StrPonorC", "Dive\tno.");
  m_labels.Label[15] = "Dive\ttype";
  m_tables.TypPonoru[4] = "plain\tdive";
  ponor d;
  d.Cislo = 1;
  d.TypPonoru = 1u << 4;
  m_book.Append(d);
  ASSERT_TRUE(Export());
  EXPECT_EQ(File(".divetype.csv"), "Dive no.\tID\tDive type\t\r\n1\t4\tplain dive\t\r\n");
}

// --- Failures -----------------------------------------------------------------------------

TEST_F(CsvExportTest, MissingFolderIsReportedAndNothingIsWritten) {
  m_book.Append(ponor{});
  m_logPath = (m_dir / "no such folder" / "moje.LOG").string();
  const OpResult result = Export();
  EXPECT_FALSE(result);
  EXPECT_EQ(result.MessageKey(), kCsvExportErrorKey);
  EXPECT_EQ(NamedFiles(result), std::vector<std::string>{m_logPath + ".dive.csv"})
      << result.Detail();
  EXPECT_EQ(FileCount(), 0u);
}

TEST_F(CsvExportTest, FileThatCannotBeReplacedIsNamedAndNoTemporaryIsLeft) {
  m_book.Append(ponor{});
  fs::create_directory(m_logPath + ".buddy.csv");  // a folder where the file should go
  const OpResult result = Export();
  EXPECT_FALSE(result);
  EXPECT_EQ(result.MessageKey(), kCsvExportErrorKey);
  EXPECT_EQ(NamedFiles(result), std::vector<std::string>{m_logPath + ".buddy.csv"})
      << result.Detail();
  EXPECT_EQ(FileCount(), 6u);  // five files and the folder, no temporaries
}

TEST_F(CsvExportTest, EarlierExportIsReplaced) {
  test::WriteFileBytes(m_logPath + ".dive.csv",
                       "an earlier export that was much longer than the new one\r\n");
  m_book.Append(ponor{});
  ASSERT_TRUE(Export());
  EXPECT_EQ(File(".dive.csv"),
            kDiveHeading + "0\t01.01.1980\t\t\t\t\t\t0.00\t00:00\t\t\t\t\t\t\t\t\r\n");
}

TEST_F(CsvExportTest, LeavesTheLogbookAsItWas) {
  ponor d = DiveWithFiveSamples(1);
  d.Partner = "Jan, Eva";
  m_book.Append(d);
  m_book.Zmeneno = false;
  ASSERT_TRUE(Export());
  EXPECT_FALSE(m_book.Zmeneno);
  EXPECT_EQ(m_book.PocetPonoru(), 1);
  EXPECT_EQ(static_cast<const ponor&>(*m_book.Prvni()), d);
}

TEST_F(CsvExportTest, ReportsProgressEvery512DivesAndAtTheEnd) {
  for (int i = 0; i < 1100; ++i) m_book.Append(ponor{});
  std::vector<std::pair<std::size_t, std::size_t>> reports;
  ASSERT_TRUE(ExportCsv(m_book, m_logPath, {m_tables}, {m_messages, m_labels.Label},
                        [&](std::size_t written, std::size_t total) {
                          reports.emplace_back(written, total);
                        }));
  EXPECT_EQ(reports, (std::vector<std::pair<std::size_t, std::size_t>>{
                         {512, 1100}, {1024, 1100}, {1100, 1100}}));
}

TEST(CsvFileNames, FollowTheLogbookNameWithItsExtension) {
  const CsvFileNames names = CsvFileNamesFor("/data/moje.LOG");
  EXPECT_EQ(names[0], "/data/moje.LOG.dive.csv");
  EXPECT_EQ(names[5], "/data/moje.LOG.buddy.csv");
}

}  // namespace
}  // namespace zirdan
