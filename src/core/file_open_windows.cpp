// Windows opens a file by its UTF-16 name; the narrow std::fopen would take the name in the
// ANSI code page and fail for any letter outside it.
#include <stdio.h>

#include <string>

#include "core/file_open.h"

namespace zirdan {

FilePtr OpenFile(const std::string& utf8Path, const char* mode) {
  const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
  return FilePtr(_wfopen(PathFromUtf8(utf8Path).c_str(), wideMode.c_str()));
}

}  // namespace zirdan
