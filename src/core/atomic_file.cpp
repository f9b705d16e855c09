#include "core/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace zirdan {
namespace fs = std::filesystem;
namespace {

// Pushes a stream's written bytes from the system's cache onto the disk.
bool SyncToDisk(std::FILE* file) {
#if defined(_WIN32)
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

// Makes a rename inside `folder` durable. Best effort: without it a crash may bring back
// the previous file, which is still a whole logbook.
void SyncFolder(const fs::path& folder) {
#if !defined(_WIN32)
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
#else
  (void)folder;
#endif
}

// The reason of the last failed C library call.
std::string ErrnoText() {
  return std::strerror(errno ? errno : EIO);
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(const std::string& path) : m_path(path) {
  // Replacing a symbolic link by a file would cut the link; replace what it points to.
  std::error_code ec;
  if (fs::is_symlink(path, ec)) {
    const fs::path real = fs::canonical(path, ec);
    if (!ec) m_path = real.string();
  }
  m_temporary = TemporaryPath(m_path);
}

AtomicFileWriter::~AtomicFileWriter() {
  Discard();
}

bool AtomicFileWriter::Fail(const std::string& what, const std::string& reason) {
  m_error = what + ": " + reason;
  Discard();
  return false;
}

void AtomicFileWriter::Discard() {
  if (m_file) std::fclose(m_file);
  m_file = nullptr;
  if (m_created && !m_committed) {
    std::error_code ignored;
    fs::remove(m_temporary, ignored);
    m_created = false;
  }
}

bool AtomicFileWriter::Open() {
  std::error_code ec;
  const bool replacing = fs::exists(m_path, ec);
  if (replacing) {
    // Opening for update changes nothing but tells whether we may write the file.
    errno = 0;
    std::FILE* probe = std::fopen(m_path.c_str(), "r+b");
    if (!probe) return Fail("cannot write " + m_path, ErrnoText());
    std::fclose(probe);
  }
  errno = 0;
  m_file = std::fopen(m_temporary.c_str(), "wb");
  if (!m_file) return Fail("cannot create " + m_temporary, ErrnoText());
  m_created = true;
  std::setvbuf(m_file, nullptr, _IONBF, 0);  // callers write large pieces
  // The new file keeps who may read it (a private logbook stays private).
  if (replacing) fs::permissions(m_temporary, fs::status(m_path, ec).permissions(), ec);
  return true;
}

bool AtomicFileWriter::Write(std::string_view bytes) {
  if (!m_file) return false;
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size())
    return Fail("writing " + m_temporary + " failed", ErrnoText());
  return true;
}

bool AtomicFileWriter::Commit() {
  if (!m_file) return false;
  errno = 0;
  if (std::fflush(m_file) != 0) return Fail("writing " + m_temporary + " failed", ErrnoText());
  errno = 0;
  if (!SyncToDisk(m_file)) return Fail("flushing " + m_temporary + " to disk failed", ErrnoText());
  errno = 0;
  const int closed = std::fclose(m_file);
  m_file = nullptr;
  if (closed != 0) return Fail("writing " + m_temporary + " failed", ErrnoText());

  std::error_code ec;
  if (fs::exists(m_path, ec)) {
    const std::string backup = BackupPath(m_path);
    fs::remove(backup, ec);
    if (ec) return Fail("cannot replace " + backup, ec.message());
    fs::create_hard_link(m_path, backup, ec);
    if (ec) fs::copy_file(m_path, backup, fs::copy_options::overwrite_existing, ec);
    if (ec) return Fail("cannot keep the previous file as " + backup, ec.message());
  }
  fs::rename(m_temporary, m_path, ec);
  if (ec) return Fail("cannot rename " + m_temporary + " to " + m_path, ec.message());
  m_committed = true;
  SyncFolder(fs::path(m_path).parent_path());
  return true;
}

}  // namespace zirdan
