#pragma once

#include <string>
#include <string_view>

namespace zirdan {

// The folder, below an install prefix, that holds the programs' data files.
inline constexpr std::string_view kInstalledDataFolder = "share/zirdanlog";

// Where a data file of the programs (Language.ini, the help pages) lies: beside the
// executable, as in a build folder or a copied program folder, else in the install
// prefix's share folder next to the executable's bin folder. `executableDir` ends with a
// separator. When neither exists the path beside the executable is returned, so that a
// message about the missing file names the place a user would look first.
std::string FindDataFile(const std::string& executableDir, std::string_view name);

}  // namespace zirdan
