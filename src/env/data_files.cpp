#include "env/data_files.h"

#include <filesystem>

namespace zirdan {

std::string FindDataFile(const std::string& executableDir, std::string_view name) {
  namespace fs = std::filesystem;
  const fs::path beside = fs::path(executableDir) / name;
  const fs::path installed = fs::path(executableDir) / ".." / kInstalledDataFolder / name;
  std::error_code ec;
  if (!fs::exists(beside, ec) && fs::exists(installed, ec))
    return installed.lexically_normal().string();
  return beside.string();
}

}  // namespace zirdan
