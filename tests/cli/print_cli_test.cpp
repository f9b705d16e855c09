// The print command of the tool: the sheets of a range of dives as one PDF file.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "core/log_file.h"
#include "support/cli_runner.h"
#include "support/logbook_samples.h"
#include "support/pdf_pages.h"

namespace zirdan {
namespace {

using test::RunTool;
using test::ToolRun;

class PrintCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!test::ToolHasQtPart()) GTEST_SKIP() << "print is built with the tool's Qt part only";
    // Dives 1 to 10, each with a profile.
    TLogbook logbook = test::SampleLogbook(10, 120);
    ASSERT_TRUE(SaveLogbook(LogPath(), logbook));
  }

  std::string LogPath() const { return m_folder.File("Deník.LOG"); }
  std::string PdfPath() const { return m_folder.File("sheets.pdf"); }

  ToolRun Print(std::vector<std::string> options) {
    std::vector<std::string> args = {"print", LogPath(), "--pdf", PdfPath()};
    args.insert(args.end(), options.begin(), options.end());
    return RunTool(args, "LC_ALL=C");
  }

  int PagesWritten() const { return test::PdfPageCount(PdfPath()); }

  test::ScratchFolder m_folder;
};

TEST_F(PrintCliTest, ARangeGivesAPageASheetAndReplacesTheFileWhole) {
  test::WriteFileBytes(PdfPath(), "an older file");
  const ToolRun run = Print({"--from", "3", "--to", "7"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "5 sheets written to " + PdfPath() + "\n");
  EXPECT_EQ(PagesWritten(), 5);
  // The file names the logbook and the command that printed it, and the program.
  EXPECT_EQ(test::PdfInfoText(PdfPath(), "Title"), "Deník.LOG – zirdanlog-cli print --sheets a4");
  EXPECT_EQ(test::PdfInfoText(PdfPath(), "Creator"),
            std::string("Zirdan LOG Editor ") + ZIRDAN_VERSION);
  // No temporary is left beside it.
  EXPECT_EQ(test::FileNamesIn(m_folder.Path()), (std::set<std::string>{"Deník.LOG", "sheets.pdf"}));

  struct Row {
    std::vector<std::string> options;
    int pages;  // 0: no file, and stderr says so
  };
  const std::vector<Row> rows = {
      {{}, 10},                                                 // every dive by default
      {{"--sheets", "a4-odd", "--from", "2", "--to", "9"}, 4},  // 3, 5, 7, 9
      {{"--sheets", "graph", "--from", "10", "--all-margins", "9999", "--colour"}, 1},
      {{"--from", "7", "--to", "3"}, 0},
      {{"--sheets", "a4-even", "--from", "5", "--to", "5"}, 0},
  };
  for (const Row& row : rows) {
    std::filesystem::remove(PdfPath());
    const ToolRun printed = Print(row.options);
    EXPECT_EQ(printed.exitCode, 0) << printed.err;
    EXPECT_EQ(PagesWritten(), row.pages) << ::testing::PrintToString(row.options);
    EXPECT_EQ(printed.err.find("was not written") != std::string::npos, row.pages == 0);
  }
}

TEST_F(PrintCliTest, BadOptionsAreUsageErrorsAndWriteNothing) {
  const std::vector<std::vector<std::string>> refused = {
      {"--left", "10000"}, {"--right", "-1"},   {"--all-margins", "5mm"},
      {"--sheets", "a5"},  {"--from", "65536"}, {"--from", "11"},  // no such dive
  };
  for (const std::vector<std::string>& options : refused) {
    EXPECT_TRUE(test::IsUsageError(Print(options), "print")) << options[0] << " " << options[1];
  }
  EXPECT_TRUE(test::IsUsageError(RunTool({"print", LogPath()}), "print"));  // no --pdf
  EXPECT_EQ(test::FileNamesIn(m_folder.Path()), (std::set<std::string>{"Deník.LOG"}));
}

TEST_F(PrintCliTest, AnUnwritableFileOrAMissingLogbookIsAFileError) {
  const ToolRun noFolder =
      RunTool({"print", LogPath(), "--pdf", m_folder.File("missing/sheets.pdf")});
  EXPECT_EQ(noFolder.exitCode, 1);
  EXPECT_NE(noFolder.err.find("missing/sheets.pdf"), std::string::npos) << noFolder.err;
  const ToolRun noLogbook = RunTool({"print", m_folder.File("none.LOG"), "--pdf", PdfPath()});
  EXPECT_EQ(noLogbook.exitCode, 1);
  EXPECT_EQ(test::FileNamesIn(m_folder.Path()), (std::set<std::string>{"Deník.LOG"}));
}

}  // namespace
}  // namespace zirdan
