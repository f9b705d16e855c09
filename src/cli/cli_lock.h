#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/file_lock.h"

namespace zirdan::cli {

// Takes the editor's lock of a logbook the command is about to write in place, so that a
// logbook open in an editor is not changed under it. Returns the exit code after reporting
// the refusal when a live editor holds the lock; nullopt when the command may go ahead, with
// the lock (if one could be made) in `held` until the command ends.
std::optional<int> LockForWriting(const std::string& path, std::unique_ptr<FileLock>& held);

// The tool's Qt part installs QLockFile locks once, before main runs. Without it (the
// logic-only build) the tool takes no locks.
bool InstallCliFileLocks(FileLockFactory locks);

}  // namespace zirdan::cli
