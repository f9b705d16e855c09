#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/file_lock.h"
#include "core/log_file.h"
#include "core/logbook.h"
#include "core/op_result.h"

namespace zirdan {

// A copy of unsaved edits that an editor left behind.
struct PendingCopy {
  std::string Stem;         // the copy's name in the folder, without its ending
  std::string LogbookPath;  // the logbook it belongs to; kNewLogbookName for a new one
};

// The copies of unsaved edits, kept in a folder of the user's data so that a crash of the
// editor or of the machine does not lose them. Each logbook has a copy of its own, named
// after a hash of the logbook's absolute path, so editors on different logbooks never
// share one; a logbook never saved has one with a random name, locked while its editor
// runs. A copy is two files, each written atomically: the logbook as a save would write
// it (STEM.LOG) and the path of the logbook it belongs to (STEM.path). The logbook file
// itself is never touched.
class RecoveryCopy {
 public:
  // `folder` is created when needed; an empty folder turns the copies off. `locks` finds
  // out which copies a live editor still owns.
  explicit RecoveryCopy(std::string folder, FileLockFactory locks = {});
  ~RecoveryCopy();

  bool Enabled() const { return !m_folder.empty(); }

  // Writes the logbook as the copy of the unsaved edits of the logbook at `logbookPath`
  // (`neverSaved`: a new logbook with no file yet). A copy this editor wrote for another
  // name before is removed.
  OpResult Write(const TLogbook& logbook, const std::string& logbookPath, bool neverSaved,
                 const SaveOptions& options);
  // Removes this editor's copy (the edits were saved or given up).
  void Remove();

  // The copies newer than their logbook (or whose logbook is not there), by logbook path,
  // leaving out those of a logbook that a live editor holds. Copies older than their
  // logbook, which nobody holds, are removed.
  std::vector<PendingCopy> Pending() const;
  // Reads a pending copy into `logbook`, marked changed, as a load would; the copy becomes
  // this editor's own, written over by the next Write.
  OpResult Adopt(const PendingCopy& copy, TLogbook& logbook);
  // Removes a pending copy the diver gave up.
  void Discard(const PendingCopy& copy) const;

  // The file holding the logbook bytes of a copy.
  std::string LogPath(const std::string& stem) const;

 private:
  std::string PathFile(const std::string& stem) const;
  std::string StemFor(const std::string& logbookPath, bool neverSaved);
  // Whether a live editor owns the copy: the lock of its logbook, or of the copy itself
  // for a logbook without a file.
  bool OwnedByLiveEditor(const PendingCopy& copy) const;

  std::string m_folder;
  FileLockFactory m_locks;
  std::string m_stem;     // the copy this editor writes; empty when it has none
  std::string m_newStem;  // the copy of this editor's logbook that has no file yet
  std::unique_ptr<FileLock> m_newLock;
};

}  // namespace zirdan
