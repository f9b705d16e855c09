// The stats, overview and dive commands of the tool, run on logbooks the tests save.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>

#include "core/file_open.h"
#include "core/log_file.h"
#include "core/win1250.h"
#include "reports/report_fixtures.h"
#include "support/cli_runner.h"

namespace zirdan {
namespace {

using test::ReadFileBytes;
using test::RunTool;
using test::ToolRun;

// UTF-8 with a byte-order mark; language 2 holds the texts the checks look for.
constexpr const char* kLanguageIni =
    "\xEF\xBB\xBF[Language]\nEnglish=\n\xC4\x8C"
    "e\xC5\xA1tina=\n"
    "[Strings1]\nStrDenik=Logbook:\nStrStat1=1. All dives\n"
    "[Strings2]\nStrDenik=Den\xC3\xADk:\nStrKeDni=Stav ke dni\nStrStat1=1. V\xC5\xA1"
    "echny ponory\n"
    "StrPocetPon=Po\xC4\x8D"
    "et ponor\xC5\xAF\nStrHodiny=h\nStrMinuty=min\nStrPonorC=Ponor \xC4\x8D.\n"
    "StrPrehCislo=\xC4\x8C\xC3\xADslo\nStrGraf=Profil\nStrObdelnik=Plnost\n"
    "[FormMain2]\nLabel2=\xC4\x8C"
    "as za\xC4\x8D\xC3\xA1tku\n";

class ReportsCliTest : public ::testing::Test {
 protected:
  ReportsCliTest() {
    test::WriteFileBytes(m_folder.File("Language.ini"), kLanguageIni);
    ponor first = test::Dive(1, test::DayNumber(15, 6, 2003), 1250, 45);
    first.Cas = 9 * 60 + 30;
    first.Lokalita = test::W("Dalmácie");
    test::SetProfile(first, {1000, 1000, 1000});
    ponor second = test::Dive(2, test::DayNumber(3, 1, 2004), 2000, 30);
    TLogbook logbook = test::Logbook({first, second});
    EXPECT_TRUE(SaveLogbook(LogPath(), logbook));
  }

  std::string LogPath() const { return m_folder.File("Deník.LOG"); }

  ToolRun Run(std::vector<std::string> args) {
    args.push_back("--language-file");
    args.push_back(m_folder.File("Language.ini"));
    return RunTool(args, "LC_ALL=C");
  }

  static std::vector<std::string> Lines(const std::string& text, const std::string& end) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (std::size_t next; (next = text.find(end, at)) != std::string::npos; at = next + end.size())
      lines.push_back(text.substr(at, next - at));
    return lines;
  }

  test::ScratchFolder m_folder;
};

TEST_F(ReportsCliTest, StatsPrintsTheStatisticsInUtf8) {
  const ToolRun run = Run({"stats", LogPath()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out, "\n");
  ASSERT_GT(lines.size(), 10u);
  const std::string absolute =
      Utf8FromPath(std::filesystem::absolute(PathFromUtf8(LogPath())).lexically_normal());
  EXPECT_EQ(lines[0], "Deník: " + absolute);
  EXPECT_EQ(lines[1], std::string(Utf8ToWin1250(lines[0]).size(), '-'));
  EXPECT_TRUE(std::regex_match(lines[3], std::regex("Stav ke dni \\d\\d\\.\\d\\d\\.\\d{4}")))
      << lines[3];
  EXPECT_EQ(lines[5], "1. Všechny ponory");
  EXPECT_EQ(lines[7], "                  Počet ponorů    2(100 %) ...      1 h 15 min");
  EXPECT_TRUE(run.err.empty());
}

TEST_F(ReportsCliTest, StatsOutputIsTheSameTextInWindows1250WithCrLf) {
  const std::string output = m_folder.File("Statist.TXT");
  const ToolRun printed = Run({"stats", LogPath(), "--subtotal", "2"});
  const ToolRun saved = Run({"stats", LogPath(), "--output", output, "--subtotal", "2"});
  ASSERT_EQ(saved.exitCode, 0) << saved.err;
  EXPECT_TRUE(saved.out.empty());
  const std::string bytes = ReadFileBytes(output);
  EXPECT_NE(bytes.find("Po\xE8"
                       "et ponor\xF9"),
            std::string::npos);
  const std::vector<std::string> fileLines = Lines(bytes, "\r\n");
  const std::vector<std::string> printedLines = Lines(printed.out, "\n");
  ASSERT_EQ(fileLines.size(), printedLines.size());
  for (std::size_t i = 0; i < fileLines.size(); ++i) {
    if (i == 3) continue;  // the date, which may have changed between the runs
    EXPECT_EQ(Win1250ToUtf8(fileLines[i]), printedLines[i]) << i;
  }
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), static_cast<long>(fileLines.size()));
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

TEST_F(ReportsCliTest, OverviewPrintsOneRowPerDiveInYearBlocks) {
  const ToolRun run = Run({"overview", LogPath()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out, "\n");
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[5].rfind("Číslo  ", 0), 0u) << lines[5];
  EXPECT_EQ(lines[6], std::string(90, '-'));
  EXPECT_EQ(lines[9],
            "    1• 15.06.2003 09:30  Dalmácie                                    12.50 m   0 h "
            "45 min");
  EXPECT_EQ(lines[10], " ");
  EXPECT_EQ(lines[11].substr(0, 18), "    2  03.01.2004 ");
}

TEST_F(ReportsCliTest, OverviewOutputIsWindows1250WithCrLf) {
  const std::string output = m_folder.File("Summary.TXT");
  ASSERT_EQ(Run({"overview", LogPath(), "--output", output}).exitCode, 0);
  const std::string bytes = ReadFileBytes(output);
  EXPECT_NE(bytes.find("\r\n    1\x95 15.06.2003 09:30  Dalm\xE1"
                       "cie "),
            std::string::npos);
  EXPECT_EQ(Lines(bytes, "\r\n").size(), 13u);
}

TEST_F(ReportsCliTest, DivePrintsItsTextOutput) {
  const ToolRun run = Run({"dive", LogPath(), "1"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out, "\n");
  ASSERT_EQ(lines.size(), 29u);
  EXPECT_EQ(lines[0], "Ponor č.             1");
  EXPECT_EQ(lines[2], "Čas začátku          09:30");  // translated by the main window section
  EXPECT_EQ(lines[22], "Profil:");
  EXPECT_EQ(lines[26], "     60 s ..    10.0 m");
  EXPECT_EQ(lines[28], "Plnost 66.66 %");
}

TEST_F(ReportsCliTest, DiveFileIsWrittenInTheChosenEncoding) {
  const std::string kamenicky = m_folder.File("Ponor 1.TXT");
  ASSERT_EQ(Run({"dive", LogPath(), "1", "--output", kamenicky}).exitCode, 0);
  const std::string windows = m_folder.File("Ponor 1 windows.TXT");
  ASSERT_EQ(
      Run({"dive", LogPath(), "1", "--output", windows, "--encoding", "windows1250"}).exitCode, 0);
  const std::string k = ReadFileBytes(kamenicky);
  const std::string w = ReadFileBytes(windows);
  EXPECT_EQ(k.substr(0, 24),
            "Ponor \x87. "
            "            1\r\n");
  EXPECT_EQ(w.substr(0, 24),
            "Ponor \xE8. "
            "            1\r\n");
  EXPECT_NE(k.find("\r\nLokalita             Dalm\xA0"
                   "cie\r\n"),
            std::string::npos);
  EXPECT_NE(w.find("\r\nLokalita             Dalm\xE1"
                   "cie\r\n"),
            std::string::npos);
  EXPECT_EQ(k.size(), w.size());
}

TEST_F(ReportsCliTest, LanguageOneUsesItsOwnTexts) {
  const ToolRun run = Run({"stats", LogPath(), "--language", "1"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out.rfind("Logbook: ", 0), 0u);
  EXPECT_NE(run.out.find("\n1. All dives\n"), std::string::npos);
}

struct UsageRow {
  std::vector<std::string> args;
};

class ReportsCliUsageTest : public ReportsCliTest,
                            public ::testing::WithParamInterface<UsageRow> {};

TEST_P(ReportsCliUsageTest, UsageErrorsExitWithTwoAndOneMessage) {
  std::vector<std::string> args = GetParam().args;
  for (std::string& a : args)
    if (a == "LOG") a = LogPath();
  EXPECT_TRUE(test::IsUsageError(Run(args), args[0]));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ReportsCliUsageTest,
    ::testing::Values(UsageRow{{"stats"}}, UsageRow{{"stats", "LOG", "extra"}},
                      UsageRow{{"stats", "LOG", "--subtotal", "1"}},
                      UsageRow{{"stats", "LOG", "--subtotal", "51"}},
                      UsageRow{{"stats", "LOG", "--subtotal", "six"}},
                      UsageRow{{"stats", "LOG", "--subtotal"}},
                      UsageRow{{"stats", "LOG", "--colour"}}, UsageRow{{"overview"}},
                      UsageRow{{"overview", "LOG", "--output"}}, UsageRow{{"dive", "LOG"}},
                      UsageRow{{"dive", "LOG", "x1"}}, UsageRow{{"dive", "LOG", "3"}},
                      UsageRow{{"dive", "LOG", "70000"}},
                      UsageRow{{"dive", "LOG", "1", "--encoding", "utf8"}},
                      UsageRow{{"dive", "LOG", "1", "--language", "0"}}));

TEST_F(ReportsCliTest, UnreadableLogbookExitsWithOneNamingTheFile) {
  for (const char* command : {"stats", "overview", "dive"}) {
    std::vector<std::string> args = {command, m_folder.File("missing.LOG")};
    if (std::string(command) == "dive") args.push_back("1");
    const ToolRun run = Run(args);
    EXPECT_EQ(run.exitCode, 1) << command;
    EXPECT_NE(run.err.find("missing.LOG"), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

TEST_F(ReportsCliTest, UnwritableOutputExitsWithOneAndLeavesNothing) {
  const std::string output = m_folder.File("no such folder/out.TXT");
  for (const char* command : {"stats", "overview", "dive"}) {
    std::vector<std::string> args = {command, LogPath(), "--output", output};
    if (std::string(command) == "dive") args.insert(args.begin() + 2, "1");
    const ToolRun run = Run(args);
    EXPECT_EQ(run.exitCode, 1) << command;
    EXPECT_NE(run.err.find("no such folder/out.TXT"), std::string::npos) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(m_folder.File("no such folder")));
}

}  // namespace
}  // namespace zirdan
