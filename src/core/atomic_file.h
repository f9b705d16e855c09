#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace zirdan {

// Replaces a file so that a failed write or a crash never leaves it damaged or missing:
// the new bytes go to a temporary file in the same folder, which is flushed to disk and
// then renamed over the target. The previous file is first kept as `path` + ".bak" (a
// hard link, or a copy where links are not possible), so at every moment the old or the
// new contents exist under one of the two names. Until Commit succeeds the target is
// untouched; an uncommitted temporary file is removed.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(const std::string& path);
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // Creates the temporary file. Fails when the existing target cannot be written
  // (read-only): replacing it would defeat that protection.
  bool Open();
  bool Write(std::string_view bytes);
  // Flushes the temporary file to disk, keeps the previous file as .bak and renames.
  bool Commit();
  // What failed, naming the file, e.g. "cannot create /x/a.LOG.tmp: Permission denied".
  const std::string& Error() const { return m_error; }

  static std::string BackupPath(const std::string& path) { return path + ".bak"; }
  static std::string TemporaryPath(const std::string& path) { return path + ".tmp"; }

 private:
  bool Fail(const std::string& what, const std::string& reason);
  void Discard();

  std::string m_path;  // the file replaced (a symbolic link is followed to its target)
  std::string m_temporary;
  std::FILE* m_file = nullptr;
  bool m_created = false;  // the temporary file is ours to remove
  bool m_committed = false;
  std::string m_error;
};

}  // namespace zirdan
