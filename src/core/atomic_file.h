#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/file_messages.h"
#include "core/file_system_calls.h"
#include "core/op_result.h"

namespace zirdan {

// Writes a file so that the target is never half-written: the bytes go to a temporary
// file in the target's folder, which is flushed to disk and renamed over the target only
// when Commit succeeds. Without a Commit (an error, an early return) the temporary is
// removed and the target is left as it was.
//
// Where the system allows it (Linux, a file system with O_TMPFILE, /proc mounted) the
// temporary has no name until Commit: a process killed while writing leaves nothing behind.
// Elsewhere it is a hidden named file ".name.XXXXXX"; a successful save removes such files
// of its target that a crash left and that are more than a day old.
class AtomicFileWriter {
 public:
  AtomicFileWriter() = default;
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // Creates the temporary file for `target`.
  OpResult Open(const std::string& target);
  // Buffered write; a failure is remembered and reported by Finish or Commit.
  void Write(const void* data, std::size_t size);
  void Write(std::string_view bytes) { Write(bytes.data(), bytes.size()); }
  // Writes out and syncs the temporary file without renaming it yet, so a caller that
  // writes several files can check them all before replacing any. Commit does this itself
  // when it was not done.
  OpResult Finish();
  // Syncs and renames over the target, then syncs the folder. With `keepBackup`, a file
  // already at the target is kept as target + ".bak" (replacing an older one).
  OpResult Commit(bool keepBackup = false);

 private:
  OpResult CreateUnnamed(unsigned permissions);
  OpResult CreateNamed(unsigned permissions);
  void WriteOut(const char* data, std::size_t size);
  void WriteOutBuffer();
  OpResult KeepPreviousAsBackup();
  OpResult GiveTheTemporaryAName();
  OpResult SyncFolder();
  OpResult Fail(const char* call, const char* action, const std::string& subject);
  void Discard();

  FileSystemCalls* m_calls = nullptr;
  std::string m_target;
  int m_fd = -1;
  bool m_unnamed = false;   // an O_TMPFILE file, which vanishes if closed before it is named
  std::string m_tempPath;   // the temporary's name while it has one
  std::string m_buffer;     // bytes not yet handed to the system
  bool m_finished = false;  // the temporary is complete and synced, waiting for the rename
  OpResult m_failure;       // the first write that failed; success while none has
};

// Writes the whole content atomically.
OpResult WriteFileAtomically(const std::string& target, std::string_view bytes);

}  // namespace zirdan
