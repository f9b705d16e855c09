// The export subcommand of zirdanlog-cli, run as a user would run it.
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

class ExportCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TLogbook book;
    ponor d;
    d.Cislo = 1;
    d.Partner = "Jan, Eva";
    book.Append(d);
    d.Cislo = 2;
    d.Partner.clear();
    book.Append(d);
    book.Nacteno = true;
    ASSERT_TRUE(SaveLogbook(m_log, book));
    // Language 1 names Label1 only; the other labels keep their built-in captions.
    test::WriteFileBytes(m_language,
                         "[Language]\nEnglish=\n\n[FormMain1]\nLabel1=Date\n\n"
                         "[Strings1]\nStrPonorC=Dive no.\n");
  }

  test::ScratchFolder m_folder;
  std::string m_log = m_folder.File("moje.LOG");
  std::string m_language = m_folder.File("Language.ini");
};

TEST_F(ExportCommandTest, WritesTheSixFilesAndPrintsTheirNames) {
  const test::ToolRun run =
      RunTool({"export", m_log, "--language-file", m_language, "--language", "1"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, m_log + ".dive.csv\n" + m_log + ".graph.csv\n" + m_log + ".divetype.csv\n" +
                         m_log + ".activity.csv\n" + m_log + ".error.csv\n" + m_log +
                         ".buddy.csv\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(ReadFileBytes(m_log + ".buddy.csv"),
            "Dive no.\tID\tPartner\t\r\n1\t1\tJan\r\n1\t2\tEva\r\n2\t1\t\r\n");
}

TEST_F(ExportCommandTest, LabelCaptionsComeFromTheLanguageWhenItNamesThem) {
  ASSERT_EQ(RunTool({"export", m_log, "--language-file", m_language, "--language", "1"}).exitCode,
            0);
  const std::string dive = ReadFileBytes(m_log + ".dive.csv");
  EXPECT_TRUE(dive.starts_with(Utf8ToWin1250("Dive no.\tDate\tČas\tLokalita\tMísto\t")))
      << dive.substr(0, dive.find("\r\n"));
}

TEST_F(ExportCommandTest, AFileThatCannotBeWrittenExitsOneNamingIt) {
  fs::create_directory(m_log + ".graph.csv");
  const test::ToolRun run = RunTool({"export", m_log, "--language-file", m_language});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find(m_log + ".graph.csv"), std::string::npos) << run.err;
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
}

TEST_F(ExportCommandTest, AMissingLogbookExitsOne) {
  const test::ToolRun run = RunTool({"export", m_folder.File("none.LOG")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("none.LOG"), std::string::npos);
  EXPECT_FALSE(fs::exists(m_folder.File("none.LOG.dive.csv")));
}

struct UsageCase {
  std::vector<std::string> args;
};

class ExportUsageTest : public ::testing::TestWithParam<UsageCase> {};

TEST_P(ExportUsageTest, ExitsTwo) {
  std::vector<std::string> args = {"export"};
  args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
  const test::ToolRun run = RunTool(args);
  EXPECT_EQ(run.exitCode, 2) << run.err;
  EXPECT_FALSE(run.err.empty());
}

INSTANTIATE_TEST_SUITE_P(Arguments, ExportUsageTest,
                         ::testing::Values(UsageCase{{}}, UsageCase{{"a.LOG", "b.LOG"}},
                                           UsageCase{{"a.LOG", "--profile-format", "23"}},
                                           UsageCase{{"a.LOG", "--profile-format"}},
                                           UsageCase{{"a.LOG", "--language", "x"}},
                                           UsageCase{{"--frobnicate", "a.LOG"}}));

}  // namespace
}  // namespace zirdan
