#include "cli/cli_lock.h"

#include <string>

#include "cli/cli_common.h"

namespace zirdan::cli {
namespace {

FileLockFactory& Locks() {
  static FileLockFactory locks;
  return locks;
}

}  // namespace

bool InstallCliFileLocks(FileLockFactory locks) {
  Locks() = std::move(locks);
  return true;
}

std::optional<int> LockForWriting(const std::string& path, std::unique_ptr<FileLock>& held) {
  LockAttempt attempt;
  held = TryLockFile(Locks(), path, attempt);
  if (attempt.State != LockState::HeldByOther) return std::nullopt;
  const LockHolder& holder = attempt.Holder;
  std::string who = holder.Program.empty() ? "another program" : holder.Program;
  if (holder.Pid > 0) who += " (process " + std::to_string(holder.Pid) + ")";
  if (!holder.Host.empty()) who += " on " + holder.Host;
  return FileError(
      path, "the logbook is open in " + who + "; close it there first (nothing was changed)");
}

}  // namespace zirdan::cli
