#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "core/file_system_calls.h"

namespace zirdan {

// A temporary older than this is no save's work in progress: a save writes without pause
// and replaces the target within seconds, so it was left behind by a crash.
inline constexpr std::chrono::hours kStaleTemporaryAge{24};

// A fresh name for a temporary beside `target`: "folder/.name.XXXXXX" with six random
// letters or digits. The same shape as earlier versions used, so their leftovers are
// recognised too.
std::string TemporaryPathFor(const std::string& target);

// Whether `name` (a file name without folder) has the shape of a temporary for the
// target file named `targetName`.
bool IsTemporaryNameOf(std::string_view name, std::string_view targetName);

// Removes, from the target's folder, regular files that have the shape of the target's
// temporaries and were last written more than kStaleTemporaryAge ago. Best effort: a file
// that cannot be removed stays, and nothing else is touched.
void RemoveStaleTemporaries(const std::string& target, FileSystemCalls& calls);

}  // namespace zirdan
