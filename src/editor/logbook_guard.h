#pragma once

#include <memory>
#include <string>

#include "core/file_lock.h"
#include "core/message_table.h"
#include "editor/disk_state.h"

namespace zirdan {

// Keeps the open logbook from being lost to another writer: the lock beside it, which tells
// a second editor (and the tool) that it is open here, and what the file on disk was when
// this editor loaded or last saved it, which tells whether another program wrote it since.
// The window asks the questions; this decides when they are due.
class LogbookGuard {
 public:
  explicit LogbookGuard(FileLockFactory locks);
  ~LogbookGuard();

  // Before a logbook is opened: takes its lock when it can. HeldByOther means a live
  // editor has it open and the window asks whether to open it anyway (Holder names it);
  // the logbook open here already gives Taken.
  LockAttempt Claim(const std::string& path);
  // The claimed logbook was not opened (declined, or its load failed).
  void DropClaim();
  // The logbook at `path` is open now, read as `state`: the claimed lock replaces the lock
  // of the logbook that was open before.
  void Opened(const std::string& path, const DiskState& state);
  // A new logbook without a file: nothing is locked or watched.
  void Forget();
  // The open logbook was saved at `path`: a lock there is taken (without a question) when
  // the name changed, and the file written is what later checks compare with.
  void Saved(const std::string& path);

  // The file this guard watches, empty when none.
  const std::string& Path() const { return m_path; }
  bool HoldsLock() const { return m_lock != nullptr; }

  // Whether a save to `path` would overwrite what another program wrote after the load or
  // the last save. A file deleted meanwhile is no change: the save simply writes it again.
  bool ChangedOnDisk(const std::string& path) const;

  // What the window tells the diver when the watched file changed on disk.
  enum class Notice { None, OfferReload, TellUnsaved };
  // Each change is told once; the file's own save, a touch or a rewrite of the same bytes
  // and a deleted file are not told.
  Notice DiskEvent(bool unsavedChanges);

 private:
  FileLockFactory m_locks;
  std::unique_ptr<FileLock> m_lock;     // the open logbook's lock, when this editor has it
  std::unique_ptr<FileLock> m_claimed;  // the lock of the logbook about to be opened
  std::string m_claimedPath;
  std::string m_path;
  DiskState m_known;  // the file as loaded or last saved
  DiskState m_told;   // the last change the diver was told about
};

// "Held by program P (process N) on computer H." in the words of StrZamekDrzi, whose %1,
// %2 and %3 stand for the program, the process number and the computer; UTF-8.
std::string LockHolderText(const LockHolder& holder, const TMessageTable& messages);

}  // namespace zirdan
