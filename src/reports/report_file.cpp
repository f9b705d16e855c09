#include "reports/report_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

namespace zirdan {
namespace {

std::string ErrnoText(const char* what) {
  return std::string(what) + " (" + std::strerror(errno) + ")";
}

// A name in the target's folder that no file holds yet.
std::string TemporaryPathBeside(const std::string& path) {
  std::random_device seed;
  std::mt19937 random(seed());
  for (;;) {
    std::string candidate = path + ".tmp" + std::to_string(random() % 1000000);
    std::error_code ec;
    if (!std::filesystem::exists(candidate, ec)) return candidate;
  }
}

}  // namespace

OpResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string temporary = TemporaryPathBeside(path);
  // "x": never reuse a file that appeared meanwhile.
  std::FILE* file = std::fopen(temporary.c_str(), "wbx");
  if (!file) return OpResult::Failure(ErrnoText("the file cannot be created"));
  bool ok =
      std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
  std::string error = ok ? "" : ErrnoText("the file cannot be written");
  if (std::fclose(file) != 0 && ok) {
    ok = false;
    error = ErrnoText("the file cannot be written");
  }
  if (!ok) {
    std::remove(temporary.c_str());
    return OpResult::Failure(error);
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    const std::string error = ErrnoText("the file cannot be replaced");
    std::remove(temporary.c_str());
    return OpResult::Failure(error);
  }
  return OpResult::Success();
}

OpResult SaveReportText(const std::string& path, const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return WriteFileAtomically(path, bytes);
}

OpResult WriteDiveTextFile(const std::string& path, const std::vector<DiveTextLine>& lines,
                           Encoding encoding) {
  return WriteFileAtomically(path, DiveTextFileBytes(lines, encoding));
}

}  // namespace zirdan
