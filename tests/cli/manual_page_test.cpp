// The manual page zirdanlog-cli(1) stays in step with the tool's help: every command with
// every option, the exit codes and --version.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "support/cli_runner.h"
#include "support/scratch_files.h"

namespace zirdan {
namespace {

using test::ListedCommands;
using test::RunTool;

constexpr const char* kPagePath = "data/man/zirdanlog-cli.1";

// The page's words as a reader sees them: font changes dropped, "\-" a plain dash.
std::string PageText() {
  const std::string source = test::ReadFileBytes(std::string(ZIRDAN_SOURCE_DIR) + "/" + kPagePath);
  std::string text = std::regex_replace(source, std::regex(R"(\\f[BIRP])"), "");
  return std::regex_replace(text, std::regex(R"(\\-)"), "-");
}

// The text of one section (".SH NAME") up to the next one.
std::string Section(const std::string& page, const std::string& name) {
  const std::size_t start = page.find("\n.SH " + name + "\n");
  if (start == std::string::npos) return "";
  return page.substr(start, page.find("\n.SH ", start + 1) - start);
}

// The command descriptions: each ".SS NAME" subsection of COMMANDS, by name.
std::map<std::string, std::string> CommandSections(const std::string& page) {
  const std::string commands = Section(page, "COMMANDS");
  std::map<std::string, std::string> sections;
  for (std::size_t at = commands.find("\n.SS "); at != std::string::npos;) {
    const std::size_t nameEnd = commands.find('\n', at + 5);
    const std::size_t next = commands.find("\n.SS ", nameEnd);
    sections[commands.substr(at + 5, nameEnd - at - 5)] = commands.substr(nameEnd, next - nameEnd);
    at = next;
  }
  return sections;
}

std::set<std::string> OptionsIn(const std::string& help) {
  const std::regex option("--[a-z][a-z0-9-]*");
  std::set<std::string> options;
  for (auto it = std::sregex_iterator(help.begin(), help.end(), option);
       it != std::sregex_iterator(); ++it)
    options.insert(it->str());
  return options;
}

TEST(ManualPage, DescribesEveryCommandOfTheHelpWithEachOfItsOptions) {
  const std::map<std::string, std::string> sections = CommandSections(PageText());
  ASSERT_FALSE(sections.empty()) << kPagePath << " has no COMMANDS section";
  for (const std::string& command : ListedCommands()) {
    const auto section = sections.find(command);
    if (section == sections.end()) {
      ADD_FAILURE() << "zirdanlog-cli --help lists the command '" << command << "', but "
                    << kPagePath << " does not describe it: add \".SS " << command
                    << "\" under COMMANDS";
      continue;
    }
    for (const std::string& option : OptionsIn(test::CommandHelp(command)))
      EXPECT_NE(section->second.find(option), std::string::npos)
          << "'" << command << " --help' names " << option << ", but its section of " << kPagePath
          << " does not";
  }
}

TEST(ManualPage, DescribesNoCommandTheToolLacks) {
  if (!test::ToolHasQtPart()) GTEST_SKIP() << "this tool is built without its Qt commands";
  const std::vector<std::string> listed = ListedCommands();
  for (const auto& [command, text] : CommandSections(PageText()))
    EXPECT_NE(std::find(listed.begin(), listed.end(), command), listed.end())
        << kPagePath << " describes the command '" << command
        << "', which zirdanlog-cli --help does not list";
}

TEST(ManualPage, GivesEveryExitCodeOfTheHelpAndTheVersionOption) {
  const std::string page = PageText();
  const std::string help = RunTool({"--help"}).out;
  const std::string exitCodes = help.substr(help.find("Exit codes:"));
  const std::regex code(R"((?:: |, |\n)(\d) )");
  int codes = 0;
  for (auto it = std::sregex_iterator(exitCodes.begin(), exitCodes.end(), code);
       it != std::sregex_iterator(); ++it, ++codes)
    EXPECT_NE(Section(page, "EXIT STATUS").find("\n.B " + (*it)[1].str() + "\n"), std::string::npos)
        << "exit code " << (*it)[1] << " is missing from EXIT STATUS of " << kPagePath;
  EXPECT_EQ(codes, 3) << exitCodes;
  EXPECT_NE(Section(page, "OPTIONS").find("\n.B --version\n"), std::string::npos);
}

// The version, also from the tool built without Qt, and the help that offers it.
TEST(ToolVersion, IsPrintedAloneOnStandardOutput) {
  const test::ToolRun run = RunTool({"--version"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, std::string("zirdanlog-cli (Zirdan LOG Editor) ") + ZIRDAN_VERSION + "\n");
  EXPECT_EQ(run.err, "");
  EXPECT_NE(RunTool({"--help"}).out.find("\n       zirdanlog-cli --version\n"), std::string::npos);
}

}  // namespace
}  // namespace zirdan
