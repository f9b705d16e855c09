#include "editor/logbook_guard.h"

#include "env/failure_text.h"

namespace zirdan {

LogbookGuard::LogbookGuard(FileLockFactory locks) : m_locks(std::move(locks)) {}

LogbookGuard::~LogbookGuard() = default;

LockAttempt LogbookGuard::Claim(const std::string& path) {
  DropClaim();
  if (!path.empty() && path == m_path && m_lock) return LockAttempt{LockState::Taken, {}};
  LockAttempt attempt;
  m_claimed = TryLockFile(m_locks, path, attempt);
  m_claimedPath = path;
  return attempt;
}

void LogbookGuard::DropClaim() {
  m_claimed.reset();
  m_claimedPath.clear();
}

void LogbookGuard::Opened(const std::string& path, const DiskState& state) {
  if (m_claimedPath == path && m_claimed) {
    m_lock = std::move(m_claimed);
  } else if (path != m_path) {
    m_lock.reset();  // opened without a lock (declined to wait, or none can be made)
  }
  DropClaim();
  m_path = path;
  m_known = state;
  m_told = DiskState{};
}

void LogbookGuard::Forget() {
  DropClaim();
  m_lock.reset();
  m_path.clear();
  m_known = m_told = DiskState{};
}

void LogbookGuard::Saved(const std::string& path) {
  if (path != m_path) {
    LockAttempt attempt;
    m_lock = TryLockFile(m_locks, path, attempt);
    m_path = path;
  }
  m_known = ReadDiskState(path);
  m_told = DiskState{};
}

bool LogbookGuard::ChangedOnDisk(const std::string& path) const {
  if (path.empty() || path != m_path) return false;
  const DiskState now = ReadDiskState(path);
  return now.Exists && !now.SameContent(m_known);
}

LogbookGuard::Notice LogbookGuard::DiskEvent(bool unsavedChanges) {
  if (m_path.empty()) return Notice::None;
  const DiskState now = ReadDiskState(m_path);
  if (!now.Exists || now.SameContent(m_known)) return Notice::None;
  if (m_told.Exists && now.SameContent(m_told)) return Notice::None;
  m_told = now;
  return unsavedChanges ? Notice::TellUnsaved : Notice::OfferReload;
}

std::string LockHolderText(const LockHolder& holder, const TMessageTable& messages) {
  return MessagePartText({"StrZamekDrzi",
                          {holder.Program.empty() ? "?" : holder.Program,
                           holder.Pid > 0 ? std::to_string(holder.Pid) : "?",
                           holder.Host.empty() ? "?" : holder.Host}},
                         messages);
}

}  // namespace zirdan
