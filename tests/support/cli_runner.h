#pragma once

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

}  // namespace zirdan::test
