// The uddf subcommand of zirdanlog-cli: what it writes, and its exit codes.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/log_file.h"
#include "support/cli_runner.h"
#include "support/logbook_samples.h"
#include "support/scratch_files.h"

namespace zirdan {
namespace {
namespace fs = std::filesystem;
using test::ReadFileBytes;
using test::RunTool;

class UddfCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TLogbook book = test::NumberedLogbook(4);
    const OpResult saved = SaveLogbook(m_log, book);
    ASSERT_TRUE(saved) << saved.Describe();
  }

  test::ScratchFolder m_folder;
  std::string m_log = m_folder.File("moje.LOG");
  std::string m_out = m_folder.File("moje.uddf");
};

TEST_F(UddfCommandTest, WritesTheRangeOfDivesAndSaysHowMany) {
  const test::ToolRun run = RunTool({"uddf", m_log, m_out, "--from", "2", "--to", "3"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "2 dives written to " + m_out + "\n");
  const std::string document = ReadFileBytes(m_out);
  EXPECT_TRUE(document.starts_with("<?xml")) << document;
  EXPECT_TRUE(document.ends_with("</uddf>\n")) << document;
  EXPECT_EQ(document.find("<divenumber>1<"), std::string::npos);
  EXPECT_NE(document.find("<divenumber>2<"), std::string::npos);
  EXPECT_NE(document.find("<divenumber>3<"), std::string::npos);
  EXPECT_EQ(document.find("<divenumber>4<"), std::string::npos);
  EXPECT_EQ(test::FileNamesIn(m_folder.Path()), (std::set<std::string>{"moje.LOG", "moje.uddf"}));
}

TEST_F(UddfCommandTest, FileErrorsExitOneAndLeaveNoOutput) {
  struct Row {
    std::string log, out;
  };
  for (const Row& row : {Row{m_folder.File("none.LOG"), m_out},
                         Row{m_log, m_folder.File("no/such/folder/out.uddf")}}) {
    const test::ToolRun run = RunTool({"uddf", row.log, row.out});
    EXPECT_EQ(run.exitCode, 1) << row.log << " " << row.out;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(test::FileNamesIn(m_folder.Path()), (std::set<std::string>{"moje.LOG"}));
  }
}

TEST_F(UddfCommandTest, AFailedRunKeepsAnEarlierFile) {
  test::WriteFileBytes(m_out, "earlier");
  fs::permissions(m_folder.Path(), fs::perms::owner_read | fs::perms::owner_exec |
                                       fs::perms::group_read | fs::perms::group_exec |
                                       fs::perms::others_read | fs::perms::others_exec);
  const std::string verdict = test::RunInChild(
      [this] {
        const test::ToolRun run = RunTool({"uddf", m_log, m_out});
        if (run.exitCode != 1) return "exit code " + std::to_string(run.exitCode);
        return ReadFileBytes(m_out) == "earlier" ? std::string() : std::string("file replaced");
      },
      true);
  fs::permissions(m_folder.Path(), fs::perms::owner_all);
  if (verdict.starts_with("SKIP")) GTEST_SKIP() << verdict;
  EXPECT_EQ(verdict, "");
}

TEST_F(UddfCommandTest, UsageErrorsExitTwo) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"uddf", m_log},
                                               {"uddf", m_log, m_out, "--from", "x"},
                                               {"uddf", m_log, m_out, "--to", "70000"},
                                               {"uddf", m_log, m_out, "--from", "9"},
                                               {"uddf", m_log, m_out, "--colour"}}) {
    const test::ToolRun run = RunTool(args);
    EXPECT_TRUE(test::IsUsageError(run, "uddf")) << args.back();
    EXPECT_FALSE(fs::exists(m_out)) << args.back();
  }
}

}  // namespace
}  // namespace zirdan
