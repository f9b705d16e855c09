// How the tool reports a failed operation: one stderr line, "zirdanlog-cli: SUBJECT: TEXT",
// the failure in words in the chosen language, or the editor's when the command has none.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/log_file.h"
#include "core/win1250.h"
#include "support/cli_runner.h"
#include "support/logbook_samples.h"
#include "transfer/dump_file.h"

namespace zirdan {
namespace {
namespace fs = std::filesystem;
using test::ReadFileBytes;
using test::RunTool;
using test::WriteFileBytes;

class FailureReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TLogbook book = test::NumberedLogbook(2);
    ASSERT_TRUE(SaveLogbook(m_log, book));
    // The message texts are Windows-1250 in the file and UTF-8 on stderr.
    WriteFileBytes(m_language, "[Language]\nTesting=\n\n[Strings1]\nStrPripojitChyba1=" +
                                   Utf8ToWin1250("Graf nelze připojit") +
                                   "\nStrChybaDat=Data error.\nchybaZapisu=Write error\n"
                                   "StrDetNelzeNahradit=cannot replace %1\n");
    // The editor's settings choose English (language 1) for commands without --language.
    fs::create_directories(m_folder.File("config/Brandivo"));
    WriteFileBytes(m_folder.File("config/Brandivo/Zirdan.conf"), "[zaklad]\nJazyk=1\n");
  }

  std::string EnglishEditor() const { return "XDG_CONFIG_HOME=" + m_folder.File("config"); }

  test::ScratchFolder m_folder;
  std::string m_log = m_folder.File("book.LOG");
  std::string m_language = m_folder.File("Language.ini");
};

TEST_F(FailureReportTest, ALoadFailureNamesTheFileThenTheReadErrorAndWhy) {
  if (!test::ToolHasQtPart()) GTEST_SKIP() << "only the tool's Qt part reads the editor's settings";
  const std::string missing = m_folder.File("none.LOG");
  const test::ToolRun run = RunTool({"json", missing}, EnglishEditor());
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "zirdanlog-cli: " + missing + ": Error reading the file: cannot open " +
                         missing + " (No such file or directory)\n");
}

TEST_F(FailureReportTest, ARefusalShowsTheLanguagesText) {
  const std::string before = ReadFileBytes(m_log);
  const test::ToolRun run =
      RunTool({"join", m_log, "2", "--language-file", m_language, "--language", "1"});
  EXPECT_EQ(run.exitCode, 2);  // refused as asked, not a file error
  EXPECT_EQ(run.err, "zirdanlog-cli: " + m_log + ": Graf nelze připojit\n");
  EXPECT_EQ(ReadFileBytes(m_log), before);
}

TEST_F(FailureReportTest, AFailedExportShowsTheKeyedTextAndTheFileThatFailed) {
  fs::create_directory(m_log + ".error.csv");
  const test::ToolRun run =
      RunTool({"export", m_log, "--language-file", m_language, "--language", "1"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "zirdanlog-cli: " + m_log + ": Data error. Write error: cannot replace " +
                         m_log + ".error.csv (rename failed: Is a directory)\n");
}

TEST_F(FailureReportTest, ARejectedFrameNamesTheDumpAndTheFault) {
  const std::string dump = m_folder.File("d.bin");
  ASSERT_EQ(RunTool({"make-dump", "--dives", "3", dump}).exitCode, 0);
  std::string bytes = ReadFileBytes(dump);
  bytes[kDownloadTimeDigits + 1600] ^= 0x01;
  WriteFileBytes(dump, bytes);
  const test::ToolRun run = RunTool({"decode", dump, "--merge-into", m_log, "--language", "1"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "zirdanlog-cli: " + dump +
                         ": The data received from the dive computer are not valid: the checksum "
                         "is wrong\n");
}

}  // namespace
}  // namespace zirdan
