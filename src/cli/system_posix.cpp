// The tool's entry point and executable folder on Linux and other POSIX systems, where the
// command line and the file names are UTF-8 bytes already.
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_common.h"
#include "cli/tool_entry.h"

namespace zirdan::cli {

std::string ExecutableDir() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return "./";
  return exe.parent_path().string() + "/";
}

}  // namespace zirdan::cli

int main(int argc, char** argv) {
  return zirdan::cli::RunTool(std::vector<std::string>(argv + 1, argv + argc));
}
