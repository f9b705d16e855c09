#include "support/cli_runner.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace zirdan::testing {
namespace fs = std::filesystem;

namespace {

std::string Quote(const std::string& word) {
  std::string q = "'";
  for (char c : word) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

}  // namespace

ToolRun RunTool(const std::vector<std::string>& args, const std::string& environment) {
  TempFolder capture;
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

TempFolder::TempFolder() {
  static int counter = 0;
  m_path = fs::temp_directory_path() /
           ("zirdan_test_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
  fs::remove_all(m_path);
  fs::create_directories(m_path);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  fs::remove_all(m_path, ec);
}

std::string ReadFileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteFileBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace zirdan::testing
