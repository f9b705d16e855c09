#include "support/cli_runner.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace zirdan::test {
namespace fs = std::filesystem;

namespace {

std::string Quote(const std::string& word) {
  std::string q = "'";
  for (char c : word) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

}  // namespace

ToolRun RunTool(const std::vector<std::string>& args, const std::string& environment) {
  ScratchFolder capture;
  std::string command = environment.empty() ? "" : environment + " ";
  command += Quote(ZIRDAN_CLI_PATH);
  for (const std::string& a : args) command += " " + Quote(a);
  command += " >" + Quote(capture.File("out")) + " 2>" + Quote(capture.File("err"));
  ToolRun run;
  const int status = std::system(command.c_str());
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = ReadFileBytes(capture.File("out"));
  run.err = ReadFileBytes(capture.File("err"));
  return run;
}

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
