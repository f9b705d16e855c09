#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>
#include "support/scratch_files.h"

namespace zirdan::test {

struct ToolRun {
  int exitCode = -1;
  std::string out;  // stdout
  std::string err;  // stderr
};

// Runs the built zirdanlog-cli with the given arguments (each passed as one word) and an
// optional environment prefix such as "LC_ALL=C".
ToolRun RunTool(const std::vector<std::string>& args, const std::string& environment = "");

// The subcommands the tool's --help lists, in its order.
std::vector<std::string> ListedCommands();
// Whether the tool was built with its Qt part: the serial link (receive, simulate) and the
// editor's settings.
bool ToolHasQtPart();
// What "zirdanlog-cli COMMAND --help" prints.
std::string CommandHelp(const std::string& command);

// Whether the run ended as a usage error of `command`: exit code 2, nothing on stdout and one
// "zirdanlog-cli: " line on stderr, followed by the command's help when the arguments did not
// fit what the command accepts.
::testing::AssertionResult IsUsageError(const ToolRun& run, const std::string& command);

}  // namespace zirdan::test
