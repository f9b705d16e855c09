#pragma once

#include <optional>
#include <string>

#include "core/log_file.h"
#include "core/logbook.h"
#include "core/op_result.h"

namespace zirdan {

// A copy of the open logbook's unsaved edits, kept in a folder of the user's data so that a
// crash of the editor or of the machine does not lose them. The copy is two files: the
// logbook as a save would write it ("unsaved.LOG") and the path of the logbook it belongs
// to ("unsaved.path"), each written atomically. The logbook file itself is never touched.
class RecoveryCopy {
 public:
  // `folder` is created when needed; an empty folder turns the copy off.
  explicit RecoveryCopy(std::string folder);

  bool Enabled() const { return !m_folder.empty(); }

  // Writes the logbook as the copy of unsaved edits of the logbook at `logbookPath`.
  OpResult Write(const TLogbook& logbook, const std::string& logbookPath,
                 const SaveOptions& options) const;
  // Removes the copy (the edits were saved or given up).
  void Remove() const;

  // The path of the logbook whose edits a copy holds, when the copy is newer than that
  // logbook's file (or the logbook was never saved); nullopt when there is nothing to offer.
  std::optional<std::string> Offer() const;
  // Reads the copy into `logbook`, marked changed, as a load would.
  OpResult Load(TLogbook& logbook) const;

 private:
  std::string LogPath() const;
  std::string PathFile() const;

  std::string m_folder;
};

}  // namespace zirdan
