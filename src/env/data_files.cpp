#include "env/data_files.h"

#include <filesystem>

#include "core/file_open.h"

namespace zirdan {

std::string FindDataFile(const std::string& executableDir, std::string_view name) {
  namespace fs = std::filesystem;
  const fs::path beside = PathFromUtf8(executableDir) / PathFromUtf8(name);
  const fs::path installed =
      PathFromUtf8(executableDir) / ".." / kInstalledDataFolder / PathFromUtf8(name);
  std::error_code ec;
  if (!fs::exists(beside, ec) && fs::exists(installed, ec))
    return Utf8FromPath(installed.lexically_normal());
  return Utf8FromPath(beside);
}

}  // namespace zirdan
