// The join and split subcommands on logbook files.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "core/log_file.h"
#include "support/cli_runner.h"
#include "support/dive_builders.h"
#include "transfer/join_split.h"

namespace zirdan {
namespace {

using test::ReadFileBytes;
using test::RunTool;
using test::ScratchFolder;
using test::WriteFileBytes;

// Three dives of 10, 40 and 10 minutes with profiles, saved to `path`.
TLogbook SampleLogbook() {
  TLogbook book;
  for (int minutes : {10, 40, 10}) {
    ponor dive = test::DiveWithProfile(kFormatBasic, std::vector<int32_t>(minutes * 3, 800));
    dive.TypPonoru = 0;  // format 22 through the default
    dive.Datum = kDay1980 + 5000;
    dive.Cas = 600;
    dive.DelkaPonoru = static_cast<int16_t>(minutes);
    book.Append(dive);
  }
  book.PrvniCislo = 1;
  book.Renumber();
  book.Nacteno = true;
  return book;
}

void Save(TLogbook& book, const std::string& path) {
  const OpResult saved = SaveLogbook(path, book);
  ASSERT_TRUE(saved) << saved.Describe();
}

std::vector<ponor> Dives(const TLogbook& book) {
  std::vector<ponor> dives;
  book.ForEach([&](const pam& d) { dives.push_back(d); });
  return dives;
}

std::vector<ponor> LoadDives(const std::string& path) {
  TLogbook book;
  EXPECT_TRUE(LoadLogbook(path, book)) << path;
  return Dives(book);
}

TEST(JoinCommand, SavesWhatTheJoinGives) {
  ScratchFolder folder;
  const std::string log = folder.File("a.LOG");
  TLogbook book = SampleLogbook();
  Save(book, log);
  const test::ToolRun run = RunTool({"join", log, "2", "--minutes", "3"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  ASSERT_TRUE(JoinWithNext(book, *book.FindByNumber(2), 3).Changed);
  EXPECT_EQ(LoadDives(log), Dives(book));
}

TEST(JoinCommand, ARefusedJoinSaysWhyAndLeavesTheFile) {
  ScratchFolder folder;
  const std::string log = folder.File("a.LOG");
  TLogbook book = SampleLogbook();
  Save(book, log);
  const std::string before = ReadFileBytes(log);
  const test::ToolRun run = RunTool({"join", log, "3", "--language", "1"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("The profile cannot be joined"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find(log), std::string::npos);
  EXPECT_EQ(ReadFileBytes(log), before);
}

TEST(JoinCommand, MinutesDefaultToTheEditorsSettingElseFive) {
  ScratchFolder folder;
  const std::string log = folder.File("a.LOG");
  TLogbook original = SampleLogbook();
  Save(original, log);
  std::filesystem::create_directories(folder.Path() / "config/Brandivo");
  WriteFileBytes(folder.File("config/Brandivo/Zirdan.conf"), "[zaklad]\nPocetMinutMeziGrafy=7\n");
  const test::ToolRun run =
      RunTool({"join", log, "1"}, "XDG_CONFIG_HOME='" + folder.File("config") + "'");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  // Only the tool's Qt part reads the editor's settings.
  const int expected = test::ToolHasQtPart() ? 7 : kDefaultMinutesBetweenGraphs;
  TLogbook book = SampleLogbook();
  JoinWithNext(book, *book.FindByNumber(1), expected);
  EXPECT_EQ(LoadDives(log), Dives(book));
}

TEST(SplitCommand, SavesWhatTheSplitGives) {
  ScratchFolder folder;
  const std::string log = folder.File("a.LOG");
  TLogbook book = SampleLogbook();
  Save(book, log);
  const test::ToolRun run = RunTool({"split", log, "2", "--at", "15", "--minutes", "5"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  ASSERT_TRUE(SplitDive(book, *book.FindByNumber(2), 15, 5).Changed);
  const std::vector<ponor> saved = LoadDives(log);
  ASSERT_EQ(saved.size(), 4u);
  EXPECT_EQ(saved, Dives(book));
  EXPECT_EQ(saved[2].DelkaPonoru, 20);
  EXPECT_EQ(saved[3].Cislo, 4);
}

TEST(SplitCommand, AMinuteBeyondTheProfileIsRefusedAndTheFileKept) {
  ScratchFolder folder;
  const std::string log = folder.File("a.LOG");
  TLogbook book = SampleLogbook();
  book.FindByNumber(1)->DelkaPonoru = 30;  // the profile holds only 10 minutes
  Save(book, log);
  const std::string before = ReadFileBytes(log);
  const test::ToolRun run = RunTool({"split", log, "1", "--at", "12", "--language", "1"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("The dive cannot be split"), std::string::npos) << run.err;
  EXPECT_EQ(ReadFileBytes(log), before);
}

struct UsageCase {
  std::vector<std::string> args;  // "LOG" stands for the logbook's path
  int exitCode;
};

TEST(JoinSplitCommands, UsageAndFileErrors) {
  ScratchFolder folder;
  const std::string log = folder.File("a.LOG");
  TLogbook book = SampleLogbook();
  Save(book, log);
  const std::vector<UsageCase> cases = {
      {{"join"}, 2},
      {{"join", "LOG"}, 2},
      {{"join", "LOG", "x"}, 2},
      {{"join", "LOG", "9"}, 2},  // no such dive
      {{"join", "LOG", "1", "--minutes", "61"}, 2},
      {{"join", "LOG", "1", "--bogus"}, 2},
      {{"split", "LOG", "2"}, 2},  // no --at
      {{"split", "LOG", "2", "--at", "1"}, 2},
      {{"split", "LOG", "2", "--at", "40"}, 2},
      {{"split", "LOG", "2", "--at", "15", "--minutes", "-1"}, 2},
      {{"join", "MISSING", "1"}, 1},
      {{"split", "MISSING", "1", "--at", "5"}, 1},
  };
  const std::string before = ReadFileBytes(log);
  for (const UsageCase& c : cases) {
    std::vector<std::string> args;
    for (const std::string& a : c.args)
      args.push_back(a == "LOG" ? log : a == "MISSING" ? folder.File("none.LOG") : a);
    const test::ToolRun run = RunTool(args);
    EXPECT_EQ(run.exitCode, c.exitCode) << args.back() << ": " << run.err;
    if (c.exitCode == 1) {
      EXPECT_NE(run.err.find("none.LOG"), std::string::npos) << run.err;
    }
  }
  EXPECT_EQ(ReadFileBytes(log), before);
}

}  // namespace
}  // namespace zirdan
