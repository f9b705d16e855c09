#include "support/scratch_files.h"

#include <atomic>
#include <cstdio>
#include <system_error>
#include <utility>

#include "core/file_open.h"

namespace zirdan::test {
namespace fs = std::filesystem;

namespace {
std::atomic<int> g_folderCount{0};
}  // namespace

ScratchFolder::ScratchFolder() {
  m_path = fs::temp_directory_path() /
           ("zirdan-test-" + std::to_string(ProcessId()) + "-" + std::to_string(g_folderCount++));
  fs::remove_all(m_path);
  fs::create_directories(m_path);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  // Tests make parts read-only; give the rights back so everything can go.
  fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
  for (const auto& entry : fs::recursive_directory_iterator(m_path, ec))
    fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(m_path, ec);
}

std::string ScratchFolder::File(const std::string& name) const {
  return Utf8FromPath(m_path / PathFromUtf8(name));
}

std::string ReadFileBytes(const std::string& path) {
  // Copied buffer by buffer: character by character takes long for files of megabytes.
  std::string bytes;
  const FilePtr in = OpenFile(path, "rb");
  if (!in) return bytes;
  char buffer[64 * 1024];
  while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, in.get()))
    bytes.append(buffer, got);
  return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  const FilePtr out = OpenFile(path, "wb");
  if (out) std::fwrite(bytes.data(), 1, bytes.size(), out.get());
}

std::set<std::string> FileNamesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.insert(Utf8FromPath(entry.path().filename()));
  return names;
}

}  // namespace zirdan::test
