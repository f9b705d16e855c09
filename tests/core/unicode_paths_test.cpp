// Files in folders whose names hold Czech letters, as a diver's own folders do
// ("C:\Users\Jiří\Potápění\deník.LOG"): a logbook saved, loaded and listed for import, a dump
// file and a translation file, and the tool given such a name on its command line. On
// Windows every one of these goes through the UTF-16 name of the file.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "core/file_open.h"
#include "core/import_reading.h"
#include "core/log_file.h"
#include "env/translation_file.h"
#include "support/cli_runner.h"
#include "support/logbook_samples.h"
#include "support/scratch_files.h"
#include "transfer/dump_file.h"

namespace zirdan {
namespace {

using Names = std::set<std::string>;

class UnicodePaths : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directories(PathFromUtf8(m_folder)); }
  std::string File(const std::string& name) const { return m_folder + "/" + name; }
  Names NamesInFolder() const { return test::FileNamesIn(PathFromUtf8(m_folder)); }

  test::ScratchFolder m_scratch;
  std::string m_folder = m_scratch.File("Potápění/Jiří");
};

TEST_F(UnicodePaths, ALogbookIsSavedLoadedAndListed) {
  const std::string path = File("deník.LOG");
  TLogbook logbook = test::SampleLogbook(4, 30);
  logbook.Zmeneno = true;
  ASSERT_TRUE(SaveLogbook(path, logbook));
  logbook.Zmeneno = true;
  ASSERT_TRUE(SaveLogbook(path, logbook));  // the second save keeps the first as .bak
  EXPECT_EQ(NamesInFolder(), (Names{"deník.LOG", "deník.LOG.bak"}));

  TLogbook loaded;
  ASSERT_TRUE(LoadLogbook(path, loaded));
  EXPECT_EQ(test::EncodedBytes(loaded), test::EncodedBytes(logbook));

  // The same file as the source of an import: listed, then read.
  std::vector<ImportEntry> entries;
  ASSERT_TRUE(ListDives(path, {"Ne", "Po", "Út", "St", "Čt", "Pá", "So"}, entries));
  ASSERT_EQ(entries.size(), 4u);
  std::vector<ponor> dives;
  ASSERT_TRUE(ReadDives(path, {entries[2]}, dives));
  ASSERT_EQ(dives.size(), 1u);
  EXPECT_EQ(dives[0].Cislo, entries[2].Cislo);
}

TEST_F(UnicodePaths, ADumpFileIsWrittenAndRead) {
  const std::string path = File("výpis paměti.dmp");
  TDumpFile dump;
  dump.Image.fill(0x5A);
  ASSERT_TRUE(WriteDumpFile(path, dump));
  TDumpFile read;
  ASSERT_TRUE(ReadDumpFile(path, read));
  EXPECT_EQ(read.Image, dump.Image);
  EXPECT_EQ(NamesInFolder(), Names{"výpis paměti.dmp"});
}

TEST_F(UnicodePaths, ATranslationFileIsRead) {
  const std::string path = File("Čeština.ini");
  test::WriteFileBytes(path, "[Strings1]\r\nStrPonoru=ponorů\r\n");
  EXPECT_EQ(TTranslationFile::Load(path).Read("Strings1", "StrPonoru"), "ponorů");
}

// The tool reads a Czech name from its command line and writes it back in UTF-8.
TEST_F(UnicodePaths, TheToolTakesTheNameFromItsCommandLine) {
  const std::string path = File("deník.LOG");
  TLogbook logbook = test::SampleLogbook(2, 10);
  logbook.Zmeneno = true;
  ASSERT_TRUE(SaveLogbook(path, logbook));
  const std::string plain = m_scratch.File("plain.LOG");
  test::WriteFileBytes(plain, test::ReadFileBytes(path));

  const test::ToolRun json = test::RunTool({"json", path});
  EXPECT_EQ(json.exitCode, 0) << json.err;
  EXPECT_EQ(json.out, test::RunTool({"json", plain}).out);
  const std::string copy = File("kopie deníku.LOG");
  for (int i = 0; i < 2; ++i) {  // new, then over the first with a .bak
    const test::ToolRun resave = test::RunTool({"resave", path, copy});
    EXPECT_EQ(resave.exitCode, 0) << resave.err;
  }
  EXPECT_EQ(test::ReadFileBytes(copy), test::ReadFileBytes(plain));
  EXPECT_EQ(test::ReadFileBytes(copy + ".bak"), test::ReadFileBytes(plain));

  const test::ToolRun missing = test::RunTool({"json", File("žádný.LOG")});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("žádný.LOG"), std::string::npos) << missing.err;
}

}  // namespace
}  // namespace zirdan
