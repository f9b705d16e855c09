#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

#include "core/op_result.h"

namespace zirdan {

// Writes a file so that the target is never half-written: the bytes go to a temporary
// file in the target's folder, which is flushed to disk and renamed over the target only
// when Commit succeeds. Without a Commit (an error, an early return) the temporary is
// removed and the target is left as it was.
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
  // Flushes, syncs and closes the temporary file without renaming it yet, so a caller that
  // writes several files can check them all before replacing any. Commit does this itself
  // when it was not done.
  OpResult Finish();
  // Flushes, syncs and renames over the target. With `keepBackup`, a file already at the
  // target is kept as target + ".bak" (replacing an older one).
  OpResult Commit(bool keepBackup = false);

 private:
  // Remembers the first failure: `what` could not be done, for the system's reason in errno.
  void Fail(std::string what);
  void Discard();

  std::string m_target;
  std::string m_tempPath;
  std::FILE* m_file = nullptr;
  bool m_finished = false;  // the temporary is complete and closed, waiting for the rename
  OpResult m_failure;       // the first write that failed; success while none has
};

// Writes the whole content atomically.
OpResult WriteFileAtomically(const std::string& target, std::string_view bytes);

}  // namespace zirdan
