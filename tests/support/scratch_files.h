#pragma once

#include <filesystem>
#include <functional>
#include <set>
#include <string>

namespace zirdan::test {

// A fresh folder under the system's temporary folder, removed with everything in it
// (read-only parts included) when the object goes.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Path() const { return m_path; }
  // The path of `name` inside the folder, as text.
  std::string File(const std::string& name) const;

 private:
  std::filesystem::path m_path;
};

// The whole content of a file; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

// The names of the entries of `folder`, without the folder.
std::set<std::string> FileNamesIn(const std::filesystem::path& folder);

// This process's id, which keeps the scratch folders of tests run side by side apart.
long ProcessId();

// Whether the atomic writer can write its temporaries unnamed (O_TMPFILE) in `folder`.
bool UnnamedFilesWorkIn(const std::filesystem::path& folder);

// Runs `check` in a child process and returns what it returned: empty when it passed,
// else what went wrong. With `unprivileged` the child first gives up root rights (if it
// has them), so that file permissions apply to it. Answers "SKIP: ..." when it cannot, as
// on Windows, which has no fork.
std::string RunInChild(const std::function<std::string()>& check, bool unprivileged);

}  // namespace zirdan::test
