// The tool's entry point and executable folder on Windows. The command line is read as
// UTF-16 (a file name with any letter arrives whole) and handed on as UTF-8; the output is
// UTF-8 with "\n" line ends, the same bytes as on Linux, and the console is told so.
#include <windows.h>
// After windows.h, which these need.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_common.h"
#include "cli/tool_entry.h"
#include "core/file_open.h"

namespace zirdan::cli {

std::string ExecutableDir() {
  std::wstring exe(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, exe.data(), static_cast<DWORD>(exe.size()));
    if (length == 0) return "./";
    if (length < exe.size()) {
      exe.resize(length);
      break;
    }
    exe.resize(exe.size() * 2);  // a long path was cut off
  }
  return Utf8FromPath(std::filesystem::path(exe).parent_path()) + "/";
}

}  // namespace zirdan::cli

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> words;
  for (int i = 1; i < argc; ++i) words.push_back(zirdan::Utf8FromPath(argv[i]));
  // Text mode would turn "\n" into "\r\n" and corrupt anything binary written to stdout.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);
  return zirdan::cli::RunTool(words);
}
