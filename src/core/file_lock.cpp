#include "core/file_lock.h"

#include <filesystem>

#include "core/file_open.h"

namespace zirdan {

std::string LockPathFor(const std::string& path) {
  const std::filesystem::path file = PathFromUtf8(path);
  return Utf8FromPath(file.parent_path() /
                      PathFromUtf8("." + Utf8FromPath(file.filename()) + ".lock"));
}

std::unique_ptr<FileLock> TryLockFile(const FileLockFactory& locks, const std::string& path,
                                      LockAttempt& attempt) {
  attempt = LockAttempt{};
  if (!locks) return nullptr;
  std::unique_ptr<FileLock> lock = locks(LockPathFor(path));
  if (!lock) return nullptr;
  attempt = lock->TryLock();
  if (attempt.State != LockState::Taken) return nullptr;
  return lock;
}

}  // namespace zirdan
