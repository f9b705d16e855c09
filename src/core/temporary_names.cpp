#include "core/temporary_names.h"

#include <filesystem>
#include <random>
#include <string_view>
#include <system_error>

#include "core/file_open.h"

namespace zirdan {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kNameLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kRandomLetters = 6;

bool IsNameLetter(char c) {
  return kNameLetters.find(c) != std::string_view::npos;
}

}  // namespace

std::string TemporaryPathFor(const std::string& target) {
  thread_local std::mt19937 random{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> pick(0, kNameLetters.size() - 1);
  const fs::path path = PathFromUtf8(target);
  // Appended piece by piece: GCC 12 at -O3 sees a false overlap in "." + name (-Wrestrict).
  std::string name = ".";
  name += Utf8FromPath(path.filename());
  name += '.';
  for (std::size_t i = 0; i < kRandomLetters; ++i) name += kNameLetters[pick(random)];
  return Utf8FromPath(path.parent_path() / PathFromUtf8(name));
}

bool IsTemporaryNameOf(std::string_view name, std::string_view targetName) {
  if (targetName.empty() || name.size() != targetName.size() + 2 + kRandomLetters) return false;
  if (name.front() != '.' || name.substr(1, targetName.size()) != targetName ||
      name[1 + targetName.size()] != '.')
    return false;
  for (char c : name.substr(name.size() - kRandomLetters))
    if (!IsNameLetter(c)) return false;
  return true;
}

void RemoveStaleTemporaries(const std::string& target, FileSystemCalls& calls) {
  const fs::path path = PathFromUtf8(target);
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  const std::string targetName = Utf8FromPath(path.filename());
  const auto staleBefore = fs::file_time_type::clock::now() - kStaleTemporaryAge;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (!IsTemporaryNameOf(Utf8FromPath(it->path().filename()), targetName)) continue;
    // Never follow a link or enter a folder: only a file the writer itself could have made.
    std::error_code entryError;
    if (!it->is_regular_file(entryError) || it->is_symlink(entryError)) continue;
    const auto written = fs::last_write_time(it->path(), entryError);
    if (entryError || written >= staleBefore) continue;
    calls.Remove(Utf8FromPath(it->path()));
  }
}

}  // namespace zirdan
