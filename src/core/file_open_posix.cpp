// POSIX systems take the UTF-8 bytes of a name as they are.
#include "core/file_open.h"

namespace zirdan {

FilePtr OpenFile(const std::string& utf8Path, const char* mode) {
  return FilePtr(std::fopen(utf8Path.c_str(), mode));
}

}  // namespace zirdan
