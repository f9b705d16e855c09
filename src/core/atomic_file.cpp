#include "core/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

namespace zirdan {
namespace fs = std::filesystem;

namespace {

std::string SystemError() {
  return std::strerror(errno ? errno : EIO);
}

// Makes a finished rename durable by syncing the folder that holds it. Best effort:
// without it a crash may bring back the previous file, which is still whole.
void SyncFolder(const fs::path& folder) {
  int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

}  // namespace

AtomicFileWriter::~AtomicFileWriter() {
  Discard();
}

OpResult AtomicFileWriter::Open(const std::string& target) {
  Discard();
  m_finished = false;
  m_failure = OpResult::Success();
  // Replacing a symbolic link by a file would cut the link; replace what it points to.
  std::error_code ec;
  m_target = target;
  if (fs::is_symlink(target, ec)) {
    const fs::path real = fs::canonical(target, ec);
    if (!ec) m_target = real.string();
  }
  struct stat existing {};
  const bool replacing = ::stat(m_target.c_str(), &existing) == 0;
  // A file the user may not write stays protected; renaming over it would get round that.
  if (replacing && ::access(m_target.c_str(), W_OK) != 0)
    return OpResult::Failure("cannot write " + m_target, SystemError());

  const fs::path path(m_target);
  // Appended piece by piece: GCC 12 at -O3 sees a false overlap in "." + name (-Wrestrict).
  std::string name = ".";
  name += path.filename().string();
  name += ".XXXXXX";
  std::string pattern = (path.parent_path() / name).string();
  errno = 0;
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return OpResult::Failure("cannot create a file beside " + m_target, SystemError());
  m_file = ::fdopen(fd, "wb");
  if (!m_file) {
    ::close(fd);
    ::unlink(pattern.c_str());
    return OpResult::Failure("cannot create a file beside " + m_target, SystemError());
  }
  m_tempPath = pattern;
  // A replaced file keeps who may read it (a private logbook stays private).
  ::fchmod(fd, replacing ? (existing.st_mode & 07777) : 0644);
  return OpResult::Success();
}

void AtomicFileWriter::Write(const void* data, std::size_t size) {
  if (!m_file || !m_failure || size == 0) return;
  errno = 0;
  if (std::fwrite(data, 1, size, m_file) != size) Fail("writing " + m_target + " failed");
}

OpResult AtomicFileWriter::Finish() {
  if (!m_file) return OpResult::Failure("no file is open for writing");
  errno = 0;
  if (m_failure && std::fflush(m_file) != 0) Fail("writing " + m_target + " failed");
  if (m_failure && ::fsync(::fileno(m_file)) != 0) Fail("flushing " + m_target + " to disk failed");
  if (std::fclose(m_file) != 0 && m_failure) Fail("writing " + m_target + " failed");
  m_file = nullptr;
  if (!m_failure) {
    Discard();
    return m_failure;
  }
  m_finished = true;
  return OpResult::Success();
}

OpResult AtomicFileWriter::Commit(bool keepBackup) {
  if (!m_finished) {
    if (OpResult finished = Finish(); !finished) return finished;
  }

  std::error_code ec;
  if (keepBackup && fs::exists(m_target, ec)) {
    // The old file gets a second name first, so at every moment one of the two names
    // holds a complete file.
    const std::string backup = m_target + ".bak";
    fs::remove(backup, ec);
    fs::create_hard_link(m_target, backup, ec);
    if (ec) fs::copy_file(m_target, backup, fs::copy_options::overwrite_existing, ec);
    if (ec) {
      Discard();
      return OpResult::Failure("cannot keep the previous file as " + backup, ec.message());
    }
  }
  if (::rename(m_tempPath.c_str(), m_target.c_str()) != 0) {
    OpResult failure = OpResult::Failure("cannot replace " + m_target, SystemError());
    Discard();
    return failure;
  }
  m_tempPath.clear();
  m_finished = false;
  SyncFolder(fs::path(m_target).parent_path());
  return OpResult::Success();
}

void AtomicFileWriter::Fail(std::string what) {
  m_failure = OpResult::Failure(std::move(what), SystemError());
}

void AtomicFileWriter::Discard() {
  m_finished = false;
  if (m_file) {
    std::fclose(m_file);
    m_file = nullptr;
  }
  if (!m_tempPath.empty()) {
    ::unlink(m_tempPath.c_str());
    m_tempPath.clear();
  }
}

OpResult WriteFileAtomically(const std::string& target, std::string_view bytes) {
  AtomicFileWriter writer;
  if (OpResult opened = writer.Open(target); !opened) return opened;
  writer.Write(bytes);
  return writer.Commit();
}

}  // namespace zirdan
