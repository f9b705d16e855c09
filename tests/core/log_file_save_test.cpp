// Saving LOG files: the atomic replace with its .bak file, failures that must leave the
// previous file alone, texts that cannot be stored, the compatible activity format, and
// the fuzzing seed files.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "core/log_file.h"
#include "core/win1250.h"
#include "support/logbook_samples.h"
#include "support/scratch_files.h"

namespace zirdan {
namespace {

namespace fs = std::filesystem;
using test::FileNamesIn;
using test::ReadFileBytes;
using test::RunInChild;
using test::SampleDive;
using test::SampleLogbook;
using test::ScratchFolder;
using test::WriteFileBytes;

bool IsWriteError(const OpResult& r) {
  return !r.Ok() && r.MessageKey() == kWriteErrorKey;
}

// A folder holding a previous logbook "a.LOG", and a changed logbook to save over it.
struct SaveOverOldFile {
  ScratchFolder folder;
  std::string path = folder.File("a.LOG");
  std::string oldBytes = test::EncodedBytes(SampleLogbook(2, 7, 1));
  TLogbook changed = SampleLogbook(3, 9, 1);

  SaveOverOldFile() {
    WriteFileBytes(path, oldBytes);
    changed.Zmeneno = true;
  }
  // The previous file is whole and alone: no .bak, no temporary left.
  void ExpectOldFileUntouched() const {
    EXPECT_EQ(ReadFileBytes(path), oldBytes);
    EXPECT_EQ(FileNamesIn(folder.Path()), std::set<std::string>{"a.LOG"});
  }
};

// Outcome of a check run in a child process: skip or expect it passed.
#define EXPECT_CHILD_PASSED(outcome)                \
  do {                                              \
    const std::string o = (outcome);                \
    if (o.rfind("SKIP", 0) == 0) GTEST_SKIP() << o; \
    EXPECT_EQ(o, "");                               \
  } while (false)

// A failed save in the child: the write error, and Zmeneno still set.
std::string ExpectFailedSave(const std::string& path, TLogbook& lb, const char* reason) {
  const OpResult r = SaveLogbook(path, lb);
  if (r.Ok()) return "the save succeeded";
  if (!IsWriteError(r)) return "not the write error: " + r.Describe();
  if (r.Describe().find(reason) == std::string::npos)
    return "no '" + std::string(reason) + "' in " + r.Describe();
  if (!lb.Zmeneno) return "Zmeneno was cleared";
  return "";
}

// ---- Successful saves ------------------------------------------------------------------

TEST(LogFileSave, WritesTheEncodedLogbookAndClearsZmeneno) {
  ScratchFolder folder;
  TLogbook lb = SampleLogbook(3, 4);
  lb.Zmeneno = true;
  ASSERT_TRUE(SaveLogbook(folder.File("n.LOG"), lb));
  EXPECT_FALSE(lb.Zmeneno);
  EXPECT_EQ(ReadFileBytes(folder.File("n.LOG")), test::EncodedBytes(lb));
  // A first save has no previous file to keep.
  EXPECT_EQ(FileNamesIn(folder.Path()), std::set<std::string>{"n.LOG"});
}

TEST(LogFileSave, TheBakFileHoldsThePreviousContent) {
  SaveOverOldFile s;
  ASSERT_TRUE(SaveLogbook(s.path, s.changed));
  EXPECT_EQ(ReadFileBytes(s.path), test::EncodedBytes(s.changed));
  EXPECT_EQ(ReadFileBytes(s.path + ".bak"), s.oldBytes);

  // One generation only: the next save moves the .bak on.
  TLogbook third = SampleLogbook(1, 0, 90);
  ASSERT_TRUE(SaveLogbook(s.path, third));
  EXPECT_EQ(ReadFileBytes(s.path + ".bak"), test::EncodedBytes(s.changed));
  EXPECT_EQ(FileNamesIn(s.folder.Path()), (std::set<std::string>{"a.LOG", "a.LOG.bak"}));
}

// ---- Failed saves leave the previous file, remove the temporary, keep Zmeneno -----------

TEST(LogFileSave, WithNoLogbookOpenFailsAndWritesNothing) {
  ScratchFolder folder;
  TLogbook lb;
  EXPECT_TRUE(IsWriteError(SaveLogbook(folder.File("x.LOG"), lb)));
  EXPECT_TRUE(FileNamesIn(folder.Path()).empty());
}

TEST(LogFileSave, AnOpenLogbookWithoutDivesIsNotWrittenOverTheOldFile) {
  SaveOverOldFile s;
  TLogbook empty;
  empty.Nacteno = empty.Zmeneno = true;
  const OpResult r = SaveLogbook(s.path, empty);
  EXPECT_TRUE(IsWriteError(r));
  EXPECT_NE(r.Describe().find("StrDetPrazdnyDenik"), std::string::npos) << r.Describe();
  EXPECT_TRUE(empty.Zmeneno);
  s.ExpectOldFileUntouched();
}

TEST(LogFileSave, ToAnUnwritableFolderFailsAndKeepsTheOldFile) {
  SaveOverOldFile s;
  fs::permissions(s.folder.Path(), fs::perms::owner_read | fs::perms::owner_exec |
                                       fs::perms::group_read | fs::perms::group_exec |
                                       fs::perms::others_read | fs::perms::others_exec);
  EXPECT_CHILD_PASSED(
      RunInChild([&] { return ExpectFailedSave(s.path, s.changed, "Permission denied"); }, true));
  s.ExpectOldFileUntouched();
}

TEST(LogFileSave, OverAReadOnlyFileFailsAndKeepsIt) {
  SaveOverOldFile s;
  fs::permissions(s.path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  // The folder is writable for everyone, so only the file's own protection stops it.
  fs::permissions(s.folder.Path(), fs::perms::all);
  EXPECT_CHILD_PASSED(
      RunInChild([&] { return ExpectFailedSave(s.path, s.changed, "StrDetNelzeZapsat"); }, true));
  s.ExpectOldFileUntouched();
}

// ---- Texts that do not fit their length byte ----------------------------------------

struct LongText {
  const char* field;
  std::string ponor::*text;
};

class LogFileLongText : public ::testing::TestWithParam<LongText> {};

TEST_P(LogFileLongText, Of255BytesIsStoredAnd256FailsTheSaveNamingTheDive) {
  SaveOverOldFile s;
  pam* dive = s.changed.FindByNumber(2);
  dive->*GetParam().text = std::string(255, 'a');
  ASSERT_TRUE(SaveLogbook(s.path, s.changed));
  TLogbook loaded;
  ASSERT_TRUE(LoadLogbook(s.path, loaded));
  EXPECT_EQ(loaded.FindByNumber(2)->*GetParam().text, std::string(255, 'a'));

  s.oldBytes = ReadFileBytes(s.path);
  fs::remove(s.path + ".bak");
  s.changed.Zmeneno = true;
  dive->*GetParam().text += 'b';
  const OpResult r = SaveLogbook(s.path, s.changed);
  EXPECT_TRUE(IsWriteError(r));
  EXPECT_NE(r.Describe().find(std::string("StrDetPonor(2): StrDetDlouhyText(") + GetParam().field +
                              ", 256, 255)"),
            std::string::npos)
      << r.Describe();
  EXPECT_TRUE(s.changed.Zmeneno);
  s.ExpectOldFileUntouched();
}

INSTANTIATE_TEST_SUITE_P(Fields, LogFileLongText,
                         ::testing::Values(LongText{"Lokalita", &ponor::Lokalita},
                                           LongText{"Misto", &ponor::Misto},
                                           LongText{"Jiny", &ponor::Jiny},
                                           LongText{"Partner", &ponor::Partner},
                                           LongText{"Poznamka", &ponor::Poznamka}),
                         [](const auto& info) { return std::string(info.param.field); });

// ---- The compatible activity format -------------------------------------------------

struct ActivityCase {
  const char* name;
  bool kompatibilni;
  uint16_t typAktivity;
  bool customTables;
  const char* writtenJiny;  // UTF-8
};

class LogFileCompatibleActivity : public ::testing::TestWithParam<ActivityCase> {};

TEST_P(LogFileCompatibleActivity, WritesTheExpectedTextInPlaceOfJiny) {
  const ActivityCase& c = GetParam();
  TCategoryTables custom = TCategoryTables::BuiltIn();
  custom.TypAktivity[12] = "from a boat";
  custom.TypAktivity[15] = "rescue";
  TLogbook lb;
  ponor d = SampleDive(5);
  d.TypAktivity = c.typAktivity;
  d.Jiny = "moje";
  lb.Append(d);
  const SaveOptions options{c.kompatibilni, c.customTables ? &custom : nullptr};

  const std::string bytes = test::EncodedBytes(lb, options);
  LogFileReader reader;
  reader.OpenMemory(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  TLogbook loaded;
  ASSERT_TRUE(ReadLogbook(reader, loaded));
  EXPECT_EQ(loaded.Prvni()->Jiny, Utf8ToWin1250(c.writtenJiny));
  EXPECT_EQ(loaded.Prvni()->TypAktivity, c.typAktivity);
  EXPECT_EQ(lb.Prvni()->Jiny, "moje");  // the record in memory keeps its own text
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogFileCompatibleActivity,
    ::testing::Values(
        ActivityCase{"OffKeepsOwnText", false, 0x5000, false, "moje"},
        ActivityCase{"Boat12AndWork14", true, 0x5000, false, "z lodi, pracovní"},
        ActivityCase{"AllFour", true, 0xF000, false, "z lodi, ze člunu, pracovní, záchranný"},
        ActivityCase{"OnlyRescue15", true, 0x8FFF, false, "záchranný"},
        ActivityCase{"Below12KeepsOwnText", true, 0x0FFF, false, "moje"},
        ActivityCase{"NoActivityKeepsOwnText", true, 0, false, "moje"},
        ActivityCase{"NamesFromTheGivenTables", true, 0x9000, true, "from a boat, rescue"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LogFileCompatibleActivity, SaveLogbookAppliesItsOptions) {
  ScratchFolder folder;
  TLogbook lb = SampleLogbook(1);
  lb.Prvni()->TypAktivity = 0x1000;
  ASSERT_TRUE(SaveLogbook(folder.File("c.LOG"), lb, {true, nullptr}));
  TLogbook loaded;
  ASSERT_TRUE(LoadLogbook(folder.File("c.LOG"), loaded));
  EXPECT_EQ(loaded.Prvni()->Jiny, "z lodi");
}

TEST(LogFileCompatibleActivity, NamesTooLongToStoreFailTheSave) {
  ScratchFolder folder;
  TCategoryTables tables = TCategoryTables::BuiltIn();
  tables.TypAktivity[13] = tables.TypAktivity[14] = std::string(200, 'n');
  TLogbook lb = SampleLogbook(1, 0, 4);
  lb.Prvni()->TypAktivity = 0x6000;
  const OpResult r = SaveLogbook(folder.File("c.LOG"), lb, {true, &tables});
  EXPECT_TRUE(IsWriteError(r));
  EXPECT_NE(r.Describe().find("StrDetPonor(4): StrDetDlouhyText(Jiny, 402, 255)"),
            std::string::npos)
      << r.Describe();
  EXPECT_TRUE(FileNamesIn(folder.Path()).empty());
}

// ---- Fuzzing seeds --------------------------------------------------------------------

// The seeds of the LOG reader's fuzz target are small logbooks written by the writer. A
// missing seed is written (delete the folder to make them anew); an existing one must
// equal what the writer produces now, so a change of the written bytes is noticed.
TEST(LogFileFuzzSeeds, EqualWhatTheWriterProduces) {
  const fs::path folder = fs::path(ZIRDAN_SOURCE_DIR) / "fuzz/corpus/log_reader";
  fs::create_directories(folder);

  std::vector<std::pair<std::string, TLogbook>> seeds;
  TLogbook newDive;
  newDive.Append(ponor{});
  seeds.emplace_back("one_new_dive.log", std::move(newDive));
  seeds.emplace_back("two_dives_short_profiles.log", SampleLogbook(2, 30));
  seeds.emplace_back("full_profile.log", SampleLogbook(1, kGrafSize, 7));
  TLogbook longTexts = SampleLogbook(1, 2);
  longTexts.Prvni()->Poznamka = std::string(255, '\x9A');
  longTexts.Prvni()->Partner = std::string(47, 'P');
  seeds.emplace_back("long_texts.log", std::move(longTexts));

  for (const auto& [name, logbook] : seeds) {
    const std::string bytes = test::EncodedBytes(logbook);
    const std::string path = (folder / name).string();
    if (!fs::exists(path)) {
      WriteFileBytes(path, bytes);
      RecordProperty("written", name);
    }
    EXPECT_EQ(ReadFileBytes(path), bytes) << name;
  }
}

}  // namespace
}  // namespace zirdan
