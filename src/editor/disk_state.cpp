#include "editor/disk_state.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/file_open.h"
#include "core/log_file.h"

namespace zirdan {
namespace fs = std::filesystem;
namespace {

// The size of the file; false when it is not a readable regular file.
bool StatFile(const std::string& path, DiskState& state) {
  std::error_code ec;
  const auto size = fs::file_size(PathFromUtf8(path), ec);
  if (ec) return false;
  state.Size = size;
  return true;
}

}  // namespace

bool DiskState::SameContent(const DiskState& other) const {
  if (Exists != other.Exists) return false;
  if (!Exists) return true;
  return Size == other.Size && Hash == other.Hash;
}

uint64_t ContentHash(std::string_view bytes) {
  uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : bytes) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  return hash;
}

DiskState ReadDiskState(const std::string& path) {
  DiskState state;
  std::string bytes;
  if (!StatFile(path, state) || !ReadFileBytes(path, bytes)) return DiskState{};
  state.Exists = true;
  state.Hash = ContentHash(bytes);
  return state;
}

OpResult LoadLogbookWithState(const std::string& path, TLogbook& logbook, DiskState& state) {
  state = DiskState{};
  std::string bytes;
  if (!StatFile(path, state) || !ReadFileBytes(path, bytes))
    return LoadLogbook(path, logbook);  // the reader names the file and the reason
  state.Exists = true;
  state.Hash = ContentHash(bytes);
  LogFileReader reader;
  reader.OpenMemory(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  return ReadLogbook(reader, logbook);
}

}  // namespace zirdan
