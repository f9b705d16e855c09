#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace zirdan {

// Who holds a lock, as its lock file tells: the process, its program and its computer.
struct LockHolder {
  int64_t Pid = 0;
  std::string Program;
  std::string Host;
};

enum class LockState {
  Taken,        // this process holds the lock now
  HeldByOther,  // a live process holds it; Holder says which
  Unavailable,  // no lock can be made there (a read-only folder or medium)
};

struct LockAttempt {
  LockState State = LockState::Unavailable;
  LockHolder Holder;
};

// A lock file that one process at a time holds while it works on a file. A lock left by a
// process that is gone (a crash, a kill) is taken over by TryLock without a word; a lock of
// a live process is never broken. The lock goes when Unlock is called or the object goes.
class FileLock {
 public:
  virtual ~FileLock() = default;
  virtual LockAttempt TryLock() = 0;
  virtual void Unlock() = 0;
};

// Makes the lock whose lock file is at `lockPath`; a null factory makes no locks at all.
using FileLockFactory = std::function<std::unique_ptr<FileLock>(const std::string& lockPath)>;

// The lock file of a file: ".<file name>.lock" in the file's folder.
std::string LockPathFor(const std::string& path);

// Takes the lock of `path` through `locks`. The lock is returned when it was taken; a null
// factory or a folder where no lock can be made give Unavailable and no lock.
std::unique_ptr<FileLock> TryLockFile(const FileLockFactory& locks, const std::string& path,
                                      LockAttempt& attempt);

}  // namespace zirdan
