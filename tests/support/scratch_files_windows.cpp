// The scratch helpers on Windows, which has no unnamed files and no fork.
#include <windows.h>

#include "support/scratch_files.h"

namespace zirdan::test {

long ProcessId() {
  return static_cast<long>(GetCurrentProcessId());
}

bool UnnamedFilesWorkIn(const std::filesystem::path&) {
  return false;
}

std::string RunInChild(const std::function<std::string()>&, bool) {
  return "SKIP: a check in a child process (one without root rights, or with a file size "
         "limit) needs fork, which Windows lacks";
}

}  // namespace zirdan::test
