#include "core/file_open.h"

namespace zirdan {

// char8_t text is UTF-8 on every system, whatever the locale or code page.
std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return std::string(utf8.begin(), utf8.end());
}

bool ReadFileBytes(const std::string& utf8Path, std::string& bytes) {
  bytes.clear();
  const FilePtr file = OpenFile(utf8Path, "rb");
  if (!file) return false;
  char buffer[1 << 16];
  while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get()))
    bytes.append(buffer, got);
  return !std::ferror(file.get());
}

}  // namespace zirdan
