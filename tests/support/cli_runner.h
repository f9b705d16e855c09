#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zirdan::testing {

struct ToolRun {
  int exitCode = -1;
  std::string out;  // stdout
  std::string err;  // stderr
};

// Runs the built zirdanlog-cli with the given arguments (each passed as one word) and an
// optional environment prefix such as "LC_ALL=C".
ToolRun RunTool(const std::vector<std::string>& args, const std::string& environment = "");

// A fresh empty folder for one test, removed with the object.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& Path() const { return m_path; }
  std::string File(const std::string& name) const { return (m_path / name).string(); }

 private:
  std::filesystem::path m_path;
};

std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);

}  // namespace zirdan::testing
