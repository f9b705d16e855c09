// The import subcommand of zirdanlog-cli, run as a user would run it.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/log_file.h"
#include "core/win1250.h"
#include "support/cli_runner.h"

namespace zirdan {
namespace {
namespace fs = std::filesystem;
using test::ReadFileBytes;
using test::RunTool;

void SaveDives(const std::string& path,
               const std::vector<std::pair<uint16_t, std::string>>& dives) {
  TLogbook book;
  for (const auto& [cislo, misto] : dives) {
    ponor d;
    d.Cislo = cislo;
    d.Datum = kDay1980;
    d.Misto = misto;
    d.GrafPocet = cislo % 2 ? 30 : 0;
    book.Append(d);
  }
  book.Nacteno = true;
  book.PrvniCislo = dives.front().first;
  ASSERT_TRUE(SaveLogbook(path, book));
}

std::vector<std::string> LoadSites(const std::string& path) {
  TLogbook book;
  EXPECT_TRUE(LoadLogbook(path, book));
  std::vector<std::string> sites;
  book.ForEach([&](const pam& d) { sites.push_back(std::to_string(d.Cislo) + ":" + d.Misto); });
  return sites;
}

class ImportCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<std::pair<uint16_t, std::string>> own;
    for (uint16_t n = 1; n <= 12; ++n) own.push_back({n, "d" + std::to_string(n)});
    SaveDives(m_log, own);
    SaveDives(m_from, {{1, "o1"}, {2, "o2"}, {3, "o3"}, {4, "o4"}, {5, "o5"}, {6, "o6"}});
    m_logBytes = ReadFileBytes(m_log);
  }

  test::ScratchFolder m_folder;
  std::string m_log = m_folder.File("moje.LOG");
  std::string m_from = m_folder.File("jiny.LOG");
  std::string m_logBytes;
};

TEST_F(ImportCommandTest, InsertsPickedDivesAfterTheGivenOneAndRenumbers) {
  const test::ToolRun run = RunTool({"import", m_log, m_from, "--after", "10", "--dives", "5,2"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "11\n12\n");
  EXPECT_EQ(LoadSites(m_log), (std::vector<std::string>{"1:d1", "2:d2", "3:d3", "4:d4", "5:d5",
                                                        "6:d6", "7:d7", "8:d8", "9:d9", "10:d10",
                                                        "11:o2", "12:o5", "13:d11", "14:d12"}));
}

TEST_F(ImportCommandTest, ListPrintsTheSortedEntriesInUtf8) {
  SaveDives(m_from, {{12, Utf8ToWin1250("Žirje")}, {3, "b"}, {10000, "c"}});
  const std::string language = m_folder.File("Language.ini");
  test::WriteFileBytes(language, "[Language]\nEnglish=\n\n[Strings1]\nStrUtery=Tuesday\n");
  const test::ToolRun run =
      RunTool({"import", "--list", m_from, "--language-file", language, "--language", "1"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string date = " 01.01.1980 Tuesday  ";
  EXPECT_EQ(run.out, "    3•" + date + " b\n   12 " + date + " Žirje\n10000 " + date + " c\n");
}

TEST_F(ImportCommandTest, ListPositionsFollowTheSortedList) {
  SaveDives(m_from, {{5, "five"}, {3, "three"}, {9, "nine"}});
  ASSERT_EQ(RunTool({"import", m_log, m_from, "--after", "12", "--dives", "1"}).exitCode, 0);
  EXPECT_EQ(LoadSites(m_log).back(), "13:three");
}

TEST_F(ImportCommandTest, CompatibleActivityWritesTheLanguagesActivityNames) {
  TLogbook other;
  ponor d;
  d.Cislo = 1;
  d.TypAktivity = 1u << 12;
  d.Jiny = "own text";
  other.Append(d);
  other.Nacteno = true;
  ASSERT_TRUE(SaveLogbook(m_from, other));
  const std::string language = m_folder.File("Language.ini");
  test::WriteFileBytes(language, "[Language]\nEnglish=\n\n[Strings1]\nStrCdruh12=boat\n");

  ASSERT_EQ(RunTool({"import", m_log, m_from, "--after", "12", "--dives", "1",
                     "--compatible-activity", "--language-file", language, "--language", "1"})
                .exitCode,
            0);
  TLogbook book;
  ASSERT_TRUE(LoadLogbook(m_log, book));
  EXPECT_EQ(book.Posledni()->Jiny, "boat");
  EXPECT_EQ(book.Posledni()->TypAktivity, 1u << 12);
}

TEST_F(ImportCommandTest, ADamagedOtherFileLeavesTheLogbookUntouched) {
  fs::resize_file(m_from, fs::file_size(m_from) - 3);
  const test::ToolRun run = RunTool({"import", m_log, m_from, "--after", "10", "--dives", "2"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find(m_from), std::string::npos) << run.err;
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
  EXPECT_EQ(ReadFileBytes(m_log), m_logBytes);
}

TEST_F(ImportCommandTest, AMissingLogbookExitsOne) {
  const test::ToolRun run =
      RunTool({"import", m_folder.File("none.LOG"), m_from, "--after", "1", "--dives", "1"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("none.LOG"), std::string::npos);
}

struct UsageCase {
  std::vector<std::string> args;  // LOGFILE and FROMFILE are written as LOG and FROM
};

class ImportUsageTest : public ImportCommandTest,
                        public ::testing::WithParamInterface<UsageCase> {};

TEST_P(ImportUsageTest, ExitsTwoAndLeavesTheLogbookUntouched) {
  std::vector<std::string> args = {"import"};
  for (const std::string& a : GetParam().args)
    args.push_back(a == "LOG" ? m_log : a == "FROM" ? m_from : a);
  const test::ToolRun run = RunTool(args);
  EXPECT_EQ(run.exitCode, 2) << run.err;
  EXPECT_FALSE(run.err.empty());
  EXPECT_EQ(ReadFileBytes(m_log), m_logBytes);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ImportUsageTest,
    ::testing::Values(UsageCase{{}}, UsageCase{{"LOG", "FROM"}},
                      UsageCase{{"LOG", "FROM", "--after", "10"}},
                      UsageCase{{"LOG", "FROM", "--dives", "2"}},
                      UsageCase{{"LOG", "FROM", "--after", "99", "--dives", "2"}},
                      UsageCase{{"LOG", "FROM", "--after", "10", "--dives", "7"}},
                      UsageCase{{"LOG", "FROM", "--after", "10", "--dives", "0"}},
                      UsageCase{{"LOG", "FROM", "--after", "10", "--dives", "2,,3"}},
                      UsageCase{{"LOG", "FROM", "--after", "x", "--dives", "2"}},
                      UsageCase{{"LOG", "--after", "10", "--dives", "2"}}, UsageCase{{"--list"}},
                      UsageCase{{"--list", "FROM", "LOG"}},
                      UsageCase{{"--list", "FROM", "--dives", "2"}},
                      UsageCase{{"--list", "FROM", "--compatible-activity"}}));

}  // namespace
}  // namespace zirdan
