#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/logbook.h"
#include "core/op_result.h"

namespace zirdan {

// What a file on disk was at one moment: enough to tell later whether another program has
// written it since.
struct DiskState {
  bool Exists = false;
  uint64_t Size = 0;
  uint64_t Hash = 0;  // ContentHash of the bytes

  // Same bytes on disk: the size and the hash decide, never the time, which a file system
  // may keep too coarsely (two seconds on FAT) to tell a quick rewrite of the same size. A
  // program that rewrites the same bytes is no change.
  bool SameContent(const DiskState& other) const;
};

// A 64-bit FNV-1a hash: stable across runs and systems (it also names recovery copies).
uint64_t ContentHash(std::string_view bytes);

// The file's state now; a file that is not there (or cannot be read) does not exist.
DiskState ReadDiskState(const std::string& path);

// Loads a logbook as LoadLogbook does and gives the state of exactly the bytes it read.
OpResult LoadLogbookWithState(const std::string& path, TLogbook& logbook, DiskState& state);

}  // namespace zirdan
