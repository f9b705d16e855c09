// The search subcommand of zirdanlog-cli, run as a user would run it.
#include <gtest/gtest.h>

#include "core/log_file.h"
#include "core/win1250.h"
#include "support/cli_runner.h"
#include "support/scratch_files.h"

namespace zirdan {
namespace {
using test::RunTool;

class SearchCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TLogbook book;
    const char* buddies[] = {"NOVÁKOVÁ", "Petr", "Nováková", "Novakova"};
    for (const char* buddy : buddies) {
      ponor d;
      d.Datum = kDay1980;
      d.Lokalita = Utf8ToWin1250("Chorvatsko");
      d.Partner = Utf8ToWin1250(buddy);
      book.Append(d);
    }
    book.Nacteno = true;
    book.PrvniCislo = 7;
    book.Renumber();
    m_path = m_folder.File("dives.LOG");
    ASSERT_TRUE(SaveLogbook(m_path, book));
  }

  test::ScratchFolder m_folder;
  std::string m_path;
};

TEST_F(SearchCommandTest, PrintsEveryMatchingDiveInListOrder) {
  const test::ToolRun run = RunTool({"search", m_path, "ová", "--field", "partner"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "7\tNOVÁKOVÁ\n9\tNováková\n");
  EXPECT_EQ(run.err, "");
  // The locality is the default field.
  EXPECT_EQ(RunTool({"search", m_path, "CHORV"}).out,
            "7\tChorvatsko\n8\tChorvatsko\n9\tChorvatsko\n10\tChorvatsko\n");
}

TEST_F(SearchCommandTest, NoMatchPrintsNothing) {
  for (const char* text : {"Jana", "≠"}) {
    const test::ToolRun run = RunTool({"search", m_path, text, "--field", "partner"});
    EXPECT_EQ(run.exitCode, 0) << text;
    EXPECT_EQ(run.out, "") << text;
  }
}

TEST_F(SearchCommandTest, BadFileAndBadArgumentsAreReported) {
  const test::ToolRun missing = RunTool({"search", m_folder.File("none.LOG"), "x"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err.rfind("zirdanlog-cli: ", 0), 0u) << missing.err;
  const test::ToolRun field = RunTool({"search", m_path, "x", "--field", "hloubka"});
  EXPECT_EQ(field.exitCode, 2);
  EXPECT_EQ(field.err,
            "zirdanlog-cli: --field must be lokalita, misto, partner or poznamka (see --help)\n");
  EXPECT_EQ(RunTool({"search", m_path, ""}).exitCode, 2);
}

}  // namespace
}  // namespace zirdan
