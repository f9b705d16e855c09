#pragma once

#include <string>
#include <string_view>

namespace zirdan {

// The product's name with its version, "Zirdan LOG Editor 1.0.0": the creator of the PDF
// files the programs write.
inline std::string ProductAndVersion() {
  return std::string("Zirdan LOG Editor ") + ZIRDAN_VERSION;
}

// What `program --version` prints, in the GNU form "zirdanlog (Zirdan LOG Editor) 1.0.0".
inline std::string VersionLine(std::string_view program) {
  return std::string(program) + " (Zirdan LOG Editor) " + ZIRDAN_VERSION + "\n";
}

}  // namespace zirdan
