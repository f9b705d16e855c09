#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace zirdan {

// The program keeps every file name as UTF-8 text. These turn such a name into the system's
// path and back: on Windows, where paths are UTF-16, a folder named "Potápění" works only
// through them; std::filesystem::path(std::string) would read the name in the ANSI code page.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens the file named by `utf8Path` as std::fopen does with `mode` ("rb", "wb", ...): the
// one way every reader and writer opens a file. Null, with errno set, on failure.
FilePtr OpenFile(const std::string& utf8Path, const char* mode);

// Reads the whole file named by `utf8Path` into `bytes`; false when it cannot be opened or
// read.
bool ReadFileBytes(const std::string& utf8Path, std::string& bytes);

}  // namespace zirdan
