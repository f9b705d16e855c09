#include "core/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace zirdan {
namespace fs = std::filesystem;

namespace {

std::string SystemError() {
  return std::strerror(errno);
}

// Makes a finished rename durable by syncing the folder that holds it.
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
  m_target = target;
  m_failed = false;
  m_finished = false;
  m_error.clear();
  const fs::path folder = fs::path(target).parent_path();
  // Appended piece by piece: GCC 12 at -O3 sees a false overlap in "." + name (-Wrestrict).
  std::string name = ".";
  name += fs::path(target).filename().string();
  name += ".XXXXXX";
  std::string pattern = (folder / name).string();
  int fd = ::mkstemp(pattern.data());
  if (fd < 0) return OpResult::Failure("cannot create a file in the folder: " + SystemError());
  m_file = ::fdopen(fd, "wb");
  if (!m_file) {
    ::close(fd);
    ::unlink(pattern.c_str());
    return OpResult::Failure("cannot create a file in the folder: " + SystemError());
  }
  // A replaced file keeps its permissions; a new one is readable by everyone.
  struct stat existing {};
  ::fchmod(fd, ::stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644);
  m_tempPath = pattern;
  return OpResult::Success();
}

void AtomicFileWriter::Write(const void* data, std::size_t size) {
  if (!m_file || m_failed || size == 0) return;
  if (std::fwrite(data, 1, size, m_file) != size) {
    m_failed = true;
    m_error = "cannot write: " + SystemError();
  }
}

OpResult AtomicFileWriter::Finish() {
  if (!m_file) return OpResult::Failure("no file is open for writing");
  if (!m_failed && std::fflush(m_file) != 0) {
    m_failed = true;
    m_error = "cannot write: " + SystemError();
  }
  if (!m_failed && ::fsync(::fileno(m_file)) != 0) {
    m_failed = true;
    m_error = "cannot flush to disk: " + SystemError();
  }
  if (std::fclose(m_file) != 0 && !m_failed) {
    m_failed = true;
    m_error = "cannot close: " + SystemError();
  }
  m_file = nullptr;
  if (m_failed) {
    Discard();
    return OpResult::Failure(m_error);
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
    // holds a complete logbook.
    const std::string backup = m_target + ".bak";
    fs::remove(backup, ec);
    fs::create_hard_link(m_target, backup, ec);
    if (ec) fs::copy_file(m_target, backup, fs::copy_options::overwrite_existing, ec);
    if (ec) {
      Discard();
      return OpResult::Failure("cannot keep the previous file as " + backup + ": " + ec.message());
    }
  }
  if (::rename(m_tempPath.c_str(), m_target.c_str()) != 0) {
    const std::string error = "cannot replace the file: " + SystemError();
    Discard();
    return OpResult::Failure(error);
  }
  m_tempPath.clear();
  m_finished = false;
  SyncFolder(fs::path(m_target).parent_path());
  return OpResult::Success();
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
