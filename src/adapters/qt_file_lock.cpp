#include "adapters/qt_file_lock.h"

#include <QLockFile>
#include <QString>

namespace zirdan {
namespace {

class QtFileLock : public FileLock {
 public:
  explicit QtFileLock(const std::string& lockPath) : m_lock(QString::fromStdString(lockPath)) {
    // A logbook stays open for hours: only a lock whose process is gone is stale.
    m_lock.setStaleLockTime(0);
  }

  LockAttempt TryLock() override {
    LockAttempt attempt;
    if (m_lock.isLocked() || m_lock.tryLock(0)) {
      attempt.State = LockState::Taken;
      return attempt;
    }
    if (m_lock.error() != QLockFile::LockFailedError) return attempt;  // Unavailable
    attempt.State = LockState::HeldByOther;
    qint64 pid = 0;
    QString host, program;
    if (m_lock.getLockInfo(&pid, &host, &program)) {
      attempt.Holder.Pid = pid;
      attempt.Holder.Host = host.toStdString();
      attempt.Holder.Program = program.toStdString();
    }
    return attempt;
  }

  void Unlock() override { m_lock.unlock(); }

 private:
  QLockFile m_lock;
};

}  // namespace

FileLockFactory QtFileLocks() {
  return [](const std::string& lockPath) -> std::unique_ptr<FileLock> {
    return std::make_unique<QtFileLock>(lockPath);
  };
}

}  // namespace zirdan
