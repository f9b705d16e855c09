// Runs the tool as a Windows process: its words quoted as the C runtime splits them, its
// output caught in files, and the environment words set for the moment of the start.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "core/file_open.h"
#include "support/cli_runner.h"

namespace zirdan::test {

namespace {

std::wstring Wide(const std::string& utf8) {
  return PathFromUtf8(utf8).wstring();
}

// One word of a command line, as CommandLineToArgvW and the C runtime read it back.
std::wstring Quote(const std::wstring& word) {
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : word) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a quote are doubled, and the quote escaped.
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');  // before the closing quote
  return quoted + L"\"";
}

// "NAME=value NAME2='value'" as name and value pairs.
std::vector<std::pair<std::wstring, std::wstring>> EnvironmentWords(const std::string& words) {
  std::vector<std::pair<std::wstring, std::wstring>> pairs;
  std::size_t at = 0;
  while (at < words.size()) {
    const std::size_t eq = words.find('=', at);
    if (eq == std::string::npos) break;
    std::string value;
    std::size_t end = eq + 1;
    if (end < words.size() && words[end] == '\'') {
      const std::size_t close = words.find('\'', end + 1);
      value = words.substr(end + 1, close - end - 1);
      end = close == std::string::npos ? words.size() : close + 1;
    } else {
      end = std::min(words.find(' ', end), words.size());
      value = words.substr(eq + 1, end - eq - 1);
    }
    pairs.emplace_back(Wide(words.substr(at, eq - at)), Wide(value));
    at = words.find_first_not_of(' ', end);
    if (at == std::string::npos) break;
  }
  return pairs;
}

HANDLE CreateCaptureFile(const std::string& path) {
  SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

ToolRun RunTool(const std::vector<std::string>& args, const std::string& environment) {
  ScratchFolder capture;
  std::wstring commandLine = Quote(Wide(ZIRDAN_CLI_PATH));
  for (const std::string& a : args) commandLine += L" " + Quote(Wide(a));

  // The child inherits this process's environment, changed for the start and put back.
  std::vector<std::pair<std::wstring, std::wstring>> previous;
  for (const auto& [name, value] : EnvironmentWords(environment)) {
    wchar_t old[32767];
    const DWORD length = GetEnvironmentVariableW(name.c_str(), old, 32767);
    previous.emplace_back(name, length ? std::wstring(old, length) : std::wstring());
    SetEnvironmentVariableW(name.c_str(), value.c_str());
  }

  const HANDLE out = CreateCaptureFile(capture.File("out"));
  const HANDLE err = CreateCaptureFile(capture.File("err"));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = INVALID_HANDLE_VALUE;
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION process{};
  ToolRun run;
  if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                     &startup, &process)) {
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    if (GetExitCodeProcess(process.hProcess, &code)) run.exitCode = static_cast<int>(code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(out);
  CloseHandle(err);
  for (const auto& [name, value] : previous)
    SetEnvironmentVariableW(name.c_str(), value.empty() ? nullptr : value.c_str());

  run.out = ReadFileBytes(capture.File("out"));
  run.err = ReadFileBytes(capture.File("err"));
  return run;
}

}  // namespace zirdan::test
