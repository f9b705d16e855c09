// Runs the tool through the shell, which sets the environment words for it.
#include <sys/wait.h>

#include <cstdlib>

#include "support/cli_runner.h"

namespace zirdan::test {

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

}  // namespace zirdan::test
