// The tool's help, and the help and usage errors that every subcommand shares.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "support/cli_runner.h"

namespace zirdan {
namespace {

using test::CommandHelp;
using test::ListedCommands;
using test::RunTool;
using test::ToolRun;

// Every subcommand, with one of its options that takes a value (none for json and resave).
// A subcommand the tool lists but this table lacks fails TableCoversEveryCommand, so a new
// subcommand gets these checks too.
struct CommandRow {
  std::string name;
  std::string valueOption;
  bool runsWithoutArguments = false;  // receive listens on the default port
  bool needsQtPart = false;           // built only with the tool's Qt part
};

void PrintTo(const CommandRow& row, std::ostream* out) {
  *out << row.name;
}

const std::vector<CommandRow> kCommands = {
    {"convert", "--from"},
    {"decode", "--merge-into"},
    {"dive", "--output"},
    {"export", "--profile-format"},
    {"import", "--after"},
    {"join", "--minutes"},
    {"json", ""},
    {"make-dump", "--dives"},
    {"overview", "--output"},
    {"ports", "--language", true, true},
    {"print", "--pdf", false, true},
    {"receive", "--timeout", true, true},
    {"resave", ""},
    {"search", "--field"},
    {"simulate", "--device", false, true},
    {"split", "--at"},
    {"stats", "--subtotal"},
    {"uddf", "--from"},
};

// The closing paragraph of the tool's help, which every subcommand's help ends with too.
std::string ExitCodesParagraph() {
  const std::string help = RunTool({"--help"}).out;
  const std::size_t at = help.find("Exit codes: 0 ");
  return at == std::string::npos ? "" : help.substr(at);
}

std::size_t Occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

TEST(ToolHelp, EndsWithTheExitCodesAndIsTheAnswerToNoCommand) {
  const ToolRun help = RunTool({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(Occurrences(help.out, "Exit codes:"), 1u);
  EXPECT_NE(ExitCodesParagraph().find("2 a usage error.\n"), std::string::npos) << help.out;
  const ToolRun none = RunTool({});
  EXPECT_EQ(none.exitCode, 2);
  EXPECT_EQ(none.err, help.out);
  const ToolRun unknown = RunTool({"no-such-command"});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_NE(unknown.err.find("'no-such-command'"), std::string::npos) << unknown.err;
}

// A tool built without Qt names the subcommands of its Qt part as such, not as unknown.
TEST(ToolHelp, TheQtPartsCommandsNeedTheFullBuild) {
  if (test::ToolHasQtPart()) GTEST_SKIP() << "this tool has its Qt part";
  EXPECT_NE(RunTool({"--help"}).out.find("built without Qt"), std::string::npos);
  for (const std::string name : {"ports", "print", "receive", "simulate"}) {
    const ToolRun run = RunTool({name, "x.LOG"});
    EXPECT_EQ(run.exitCode, 2) << name;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "zirdanlog-cli: '" + name +
                           "' needs the full build of the tool, with Qt; this one is built "
                           "without it\n");
  }
}

// The help lists the subcommands by name, whatever order they were linked in.
TEST(CommandUsage, TableCoversEveryCommand) {
  const bool qt = test::ToolHasQtPart();
  std::vector<std::string> expected;
  for (const CommandRow& row : kCommands)
    if (qt || !row.needsQtPart) expected.push_back(row.name);
  EXPECT_EQ(ListedCommands(), expected);
}

class CommandUsageTest : public ::testing::TestWithParam<CommandRow> {
 protected:
  void SetUp() override {
    const std::vector<std::string> listed = ListedCommands();
    if (std::find(listed.begin(), listed.end(), GetParam().name) == listed.end())
      GTEST_SKIP() << GetParam().name << " is not built into this tool";
    m_help = CommandHelp(GetParam().name);
  }

  // The run must be refused with exactly `message` and the subcommand's help on stderr.
  void ExpectRefused(const std::vector<std::string>& args, const std::string& message) {
    std::vector<std::string> words = {GetParam().name};
    words.insert(words.end(), args.begin(), args.end());
    const ToolRun run = RunTool(words);
    EXPECT_EQ(run.exitCode, 2) << words.back();
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "zirdanlog-cli: " + message + "\n" + m_help);
  }

  std::string m_help;
};

TEST_P(CommandUsageTest, HelpShowsTheUsageAndTheExitCodesOnce) {
  const ToolRun run = RunTool({GetParam().name, "--help"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out.rfind("Usage: zirdanlog-cli " + GetParam().name + " ", 0), 0u) << run.out;
  const std::string exitCodes = ExitCodesParagraph();
  ASSERT_FALSE(exitCodes.empty());
  EXPECT_TRUE(run.out.ends_with("\n\n" + exitCodes)) << run.out;
  EXPECT_EQ(Occurrences(run.out, "Exit codes:"), 1u) << run.out;
  EXPECT_EQ(RunTool({GetParam().name, "x", "-h"}).out, run.out);
}

TEST_P(CommandUsageTest, AnUnknownOptionIsRefusedWhereverItStands) {
  ExpectRefused({"--no-such-option"}, "unknown option '--no-such-option'");
  ExpectRefused({"x.LOG", "--no-such-option"}, "unknown option '--no-such-option'");
  ExpectRefused({"x.LOG", "-o"}, "unknown option '-o'");
}

TEST_P(CommandUsageTest, AnOptionWithoutItsValueIsRefused) {
  const std::string& option = GetParam().valueOption;
  if (option.empty()) GTEST_SKIP() << "no option takes a value";
  ExpectRefused({"x.LOG", option}, option + " needs a value");
  // The next option is not taken for the value.
  ExpectRefused({option, "--help-me", "x.LOG"}, option + " needs a value");
  ExpectRefused({option, "1", option, "2", "x.LOG"}, option + " is given more than once");
}

TEST_P(CommandUsageTest, TooManyOrTooFewFilesAreRefused) {
  const ToolRun tooMany = RunTool({GetParam().name, "a", "b", "c"});
  EXPECT_TRUE(test::IsUsageError(tooMany, GetParam().name));
  EXPECT_TRUE(tooMany.err.ends_with(m_help)) << tooMany.err;
  if (GetParam().runsWithoutArguments) return;
  const ToolRun none = RunTool({GetParam().name});
  EXPECT_TRUE(test::IsUsageError(none, GetParam().name));
  EXPECT_TRUE(none.err.ends_with(m_help)) << none.err;
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, CommandUsageTest, ::testing::ValuesIn(kCommands),
                         [](const ::testing::TestParamInfo<CommandRow>& info) {
                           std::string name = info.param.name;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

// How words that look like options are read, shown on the subcommands that take such words.
struct WordsRow {
  std::vector<std::string> args;
  int exitCode;
  std::string errorStart;  // how stderr begins
};

class ArgumentWordsTest : public ::testing::TestWithParam<WordsRow> {};

TEST_P(ArgumentWordsTest, AreReadAsTheUserMeantThem) {
  const ToolRun run = RunTool(GetParam().args);
  EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.err;
  EXPECT_EQ(run.err.rfind(GetParam().errorStart, 0), 0u) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Words, ArgumentWordsTest,
    ::testing::Values(
        // A negative number is a value, not an option; the subcommand judges its range.
        WordsRow{{"dive", "x.LOG", "-1"},
                 2,
                 "zirdanlog-cli: NUMBER must be a dive number from 0 to 65535 (see --help)"},
        WordsRow{{"join", "x.LOG", "1", "--minutes", "-1"},
                 2,
                 "zirdanlog-cli: --minutes must be a number from 0 to 60 (see --help)"},
        // After "--" every word is a file, even one that looks like an option or help.
        WordsRow{{"json", "--", "--odd.LOG"}, 1, "zirdanlog-cli: --odd.LOG: "},
        WordsRow{{"json", "--", "--help"}, 1, "zirdanlog-cli: --help: "},
        WordsRow{{"json", "-"}, 1, "zirdanlog-cli: -: "}));

}  // namespace
}  // namespace zirdan
