#include "support/cli_runner.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zirdan::test {
namespace fs = std::filesystem;

std::vector<std::string> ListedCommands() {
  // The help lists one "  NAME  summary" line per subcommand between "Commands:" and a
  // blank line.
  const std::string help = RunTool({"--help"}).out;
  std::vector<std::string> names;
  std::size_t at = help.find("Commands:\n");
  if (at == std::string::npos) return names;
  at = help.find('\n', at) + 1;
  while (at < help.size() && help.compare(at, 2, "  ") == 0) {
    const std::size_t end = help.find(' ', at + 2);
    names.push_back(help.substr(at + 2, end - at - 2));
    at = help.find('\n', at) + 1;
  }
  return names;
}

bool ToolHasQtPart() {
  const std::vector<std::string> names = ListedCommands();
  return std::find(names.begin(), names.end(), "receive") != names.end();
}

std::string CommandHelp(const std::string& command) {
  return RunTool({command, "--help"}).out;
}

::testing::AssertionResult IsUsageError(const ToolRun& run, const std::string& command) {
  if (run.exitCode != 2) return ::testing::AssertionFailure() << "exit code " << run.exitCode;
  if (!run.out.empty()) return ::testing::AssertionFailure() << "stdout: " << run.out;
  const std::size_t lineEnd = run.err.find('\n');
  if (run.err.rfind("zirdanlog-cli: ", 0) != 0 || lineEnd == std::string::npos)
    return ::testing::AssertionFailure() << "stderr: " << run.err;
  const std::string rest = run.err.substr(lineEnd + 1);
  if (!rest.empty() && rest != CommandHelp(command))
    return ::testing::AssertionFailure() << "stderr after the message: " << rest;
  return ::testing::AssertionSuccess();
}

}  // namespace zirdan::test
