// Saving report texts and writing the dive text file.

#include "reports/report_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/file_messages.h"
#include "reports/report_fixtures.h"
#include "support/cli_runner.h"

namespace zirdan {
namespace {

using test::ReadFileBytes;
using test::ScratchFolder;

TEST(SaveReportTextTest, EveryLineEndsInCrLfWithoutConversion) {
  ScratchFolder folder;
  const std::string path = folder.File("Statist.TXT");
  ASSERT_TRUE(SaveReportText(path, {"StrDenik x", " ", test::W("Přehled ponorů"), ""}));
  EXPECT_EQ(ReadFileBytes(path),
            "StrDenik x\r\n \r\nP\xF8"
            "ehled ponor\xF9\r\n\r\n");
}

TEST(SaveReportTextTest, ReplacesAnExistingFile) {
  ScratchFolder folder;
  const std::string path = folder.File("Summary.TXT");
  test::WriteFileBytes(path, std::string(1000, 'x'));
  ASSERT_TRUE(SaveReportText(path, {"a"}));
  EXPECT_EQ(ReadFileBytes(path), "a\r\n");
}

TEST(SaveReportTextTest, FolderThatDoesNotExistFailsAndLeavesNothing) {
  ScratchFolder folder;
  const std::string path = folder.File("missing/Statist.TXT");
  const OpResult result = SaveReportText(path, {"a"});
  EXPECT_FALSE(result);
  EXPECT_EQ(result.MessageKey(), kWriteErrorKey);
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST(WriteDiveTextFileTest, WritesTheLinesInTheChosenEncoding) {
  ScratchFolder folder;
  const std::string path = folder.File("Ponor 1.TXT");
  const std::vector<DiveTextLine> lines = {{test::W("Čas")}, {"     20 s ..    10.0 m", false}};
  ASSERT_TRUE(WriteDiveTextFile(path, lines, Encoding::Kamenicky));
  EXPECT_EQ(ReadFileBytes(path),
            "\x80"
            "as\r\n     20 s ..    10.0 m\r\n");
}

TEST(WriteDiveTextFileTest, TargetThatIsAFolderFailsAndStaysAsItWas) {
  ScratchFolder folder;
  const std::string path = folder.File("taken");
  std::filesystem::create_directory(path);
  EXPECT_FALSE(WriteDiveTextFile(path, {{"x"}}, Encoding::Windows1250));
  EXPECT_TRUE(std::filesystem::is_directory(path));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                          std::filesystem::directory_iterator()),
            1);
}

}  // namespace
}  // namespace zirdan
