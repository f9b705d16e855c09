#pragma once

#include <string>
#include <vector>

namespace zirdan::cli {

// Runs the tool on its command-line words (UTF-8, without the program's name) and returns
// the exit code. The system's entry point (system_posix.cpp, system_windows.cpp) calls it.
int RunTool(const std::vector<std::string>& words);

}  // namespace zirdan::cli
