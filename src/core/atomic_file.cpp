#include "core/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "core/temporary_names.h"

namespace zirdan {
namespace fs = std::filesystem;

namespace {

// Bytes gathered before they are handed to the system; larger pieces go straight through.
constexpr std::size_t kBufferSize = 128 * 1024;
// Random temporary names tried before giving up when each one is already taken.
constexpr int kNameAttempts = 100;
// A new file may be read by everyone, as far as the user's umask allows.
constexpr mode_t kNewFileMode = 0644;

// A write error whose detail is what was being done (a message key, the subject its
// argument) and whose system text is "<call> failed: <reason>", so that a report says what
// was being done and which system call refused.
OpResult Describe(int error, const char* call, const char* action, const std::string& subject) {
  return OpResult::FailureKey(kWriteErrorKey)
      .With(action, {subject})
      .WithSystemText(std::string(call) + " failed: " + std::strerror(error ? error : EIO));
}

std::string FolderOf(const std::string& target) {
  const fs::path parent = fs::path(target).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

// The name through which an unnamed file open as `fd` can be linked into a folder.
std::string ProcFdPath(int fd) {
  return "/proc/self/fd/" + std::to_string(fd);
}

// Errors with which a file system says it has no hard links, rather than that it failed.
bool LinksUnsupported(int error) {
  return error == EPERM || error == EOPNOTSUPP || error == ENOTSUP || error == EMLINK ||
         error == EXDEV;
}

}  // namespace

AtomicFileWriter::~AtomicFileWriter() {
  Discard();
}

OpResult AtomicFileWriter::Open(const std::string& target) {
  Discard();
  m_calls = &ActiveFileSystemCalls();
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
  if (replacing && ::access(m_target.c_str(), W_OK) != 0) {
    const int error = errno;
    return OpResult::FailureKey(kWriteErrorKey)
        .With("StrDetNelzeZapsat", {m_target})
        .WithSystemText(std::strerror(error));
  }

  const mode_t mode = replacing ? (existing.st_mode & 07777) : kNewFileMode;
  if (OpResult created = CreateUnnamed(mode); !created) return created;
  if (m_fd < 0) {
    if (OpResult created = CreateNamed(mode); !created) return created;
  }
  // The system took the umask off the mode; a replaced file keeps exactly who may read it
  // (a private logbook stays private). Should this fail, the file keeps the narrower mode
  // it was created with, which gives no one more than before.
  if (replacing) (void)::fchmod(m_fd, mode);
  m_buffer.reserve(kBufferSize);
  return OpResult::Success();
}

// An O_TMPFILE file: it has no name until Commit gives it one. Leaves m_fd at -1, with
// success, when the kernel, the file system or a missing /proc rule it out.
OpResult AtomicFileWriter::CreateUnnamed(mode_t mode) {
#ifdef O_TMPFILE
  const std::string folder = FolderOf(m_target);
  const int fd = m_calls->Open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
  if (fd < 0) {
    // How a file system without unnamed files (EOPNOTSUPP) and a kernel without them
    // (EISDIR, EINVAL) answer; anything else is a real failure.
    if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) return OpResult::Success();
    return Fail("open", "StrDetNelzeVytvoritVedle", m_target);
  }
  // The file is named through /proc at Commit; without /proc it could never get a name.
  if (::access(ProcFdPath(fd).c_str(), F_OK) != 0) {
    m_calls->Close(fd);
    return OpResult::Success();
  }
  m_fd = fd;
  m_unnamed = true;
#else
  (void)mode;
#endif
  return OpResult::Success();
}

// A hidden named file beside the target, with a random name no other file has.
OpResult AtomicFileWriter::CreateNamed(mode_t mode) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string path = TemporaryPathFor(m_target);
    const int fd = m_calls->Open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0) {
      m_fd = fd;
      m_tempPath = std::move(path);
      return OpResult::Success();
    }
    if (errno != EEXIST) break;
  }
  return Fail("open", "StrDetNelzeVytvoritVedle", m_target);
}

void AtomicFileWriter::Write(const void* data, std::size_t size) {
  if (m_fd < 0 || m_finished || !m_failure || size == 0) return;
  const char* bytes = static_cast<const char*>(data);
  if (m_buffer.size() + size > kBufferSize) WriteOutBuffer();
  if (size >= kBufferSize)
    WriteOut(bytes, size);
  else
    m_buffer.append(bytes, size);
}

void AtomicFileWriter::WriteOutBuffer() {
  WriteOut(m_buffer.data(), m_buffer.size());
  m_buffer.clear();
}

// Hands bytes to the system, continuing after partial writes and interruptions.
void AtomicFileWriter::WriteOut(const char* data, std::size_t size) {
  while (size > 0 && m_failure) {
    const ssize_t written = m_calls->Write(m_fd, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      // A write of nothing into a regular file means there is no room.
      m_failure = Describe(written == 0 ? ENOSPC : errno, "write", "StrDetNelzeZapsat", m_target);
      return;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
}

OpResult AtomicFileWriter::Finish() {
  if (m_finished) return OpResult::Success();
  if (m_fd < 0) return OpResult::FailureKey("StrChybaInternal");
  WriteOutBuffer();
  if (!m_failure) {
    const OpResult failure = m_failure;
    Discard();
    return failure;
  }
  if (m_calls->Fsync(m_fd) != 0) return Fail("fsync", "StrDetNelzeUlozitNaDisk", m_target);
  // A named temporary is closed now; an unnamed one stays open, or it would vanish.
  if (!m_unnamed) {
    const int fd = std::exchange(m_fd, -1);  // closed even when close reports an error
    if (m_calls->Close(fd) != 0) return Fail("close", "StrDetNelzeZapsat", m_target);
  }
  m_finished = true;
  return OpResult::Success();
}

OpResult AtomicFileWriter::Commit(bool keepBackup) {
  if (!m_finished) {
    if (OpResult finished = Finish(); !finished) return finished;
  }
  if (keepBackup) {
    if (OpResult kept = KeepPreviousAsBackup(); !kept) return kept;
  }
  // Named only now, after the backup: a crash can leave a name for the moment up to the
  // rename, and no longer.
  if (m_unnamed) {
    if (OpResult named = GiveTheTemporaryAName(); !named) return named;
  }
  if (m_calls->Rename(m_tempPath.c_str(), m_target.c_str()) != 0)
    return Fail("rename", "StrDetNelzeNahradit", m_target);
  m_tempPath.clear();
  m_finished = false;
  if (OpResult synced = SyncFolder(); !synced) return synced;
  RemoveStaleTemporaries(m_target, *m_calls);
  return OpResult::Success();
}

// The old file gets a second name before the new one takes its place, so at every moment
// one of the two names holds a complete file.
OpResult AtomicFileWriter::KeepPreviousAsBackup() {
  std::error_code ec;
  if (!fs::exists(m_target, ec)) return OpResult::Success();
  const std::string backup = m_target + ".bak";
  if (m_calls->Unlink(backup.c_str()) != 0 && errno != ENOENT)
    return Fail("unlink", "StrDetNelzeZaloha", backup);
  if (m_calls->Linkat(AT_FDCWD, m_target.c_str(), AT_FDCWD, backup.c_str(), 0) == 0)
    return OpResult::Success();
  if (!LinksUnsupported(errno)) return Fail("link", "StrDetNelzeZaloha", backup);
  // A file system without hard links (FAT on a memory card) gets a copy.
  fs::copy_file(m_target, backup, fs::copy_options::overwrite_existing, ec);
  if (ec) {
    Discard();
    return OpResult::FailureKey(kWriteErrorKey)
        .With("StrDetNelzeZaloha", {backup})
        .WithSystemText(ec.message());
  }
  return OpResult::Success();
}

// Links the complete, synced unnamed file under a temporary name, ready for the rename.
OpResult AtomicFileWriter::GiveTheTemporaryAName() {
  const std::string source = ProcFdPath(m_fd);
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string path = TemporaryPathFor(m_target);
    if (m_calls->Linkat(AT_FDCWD, source.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      m_tempPath = std::move(path);
      m_unnamed = false;
      const int fd = std::exchange(m_fd, -1);
      if (m_calls->Close(fd) != 0) return Fail("close", "StrDetNelzeZapsat", m_target);
      return OpResult::Success();
    }
    if (errno != EEXIST) break;
  }
  return Fail("link", "StrDetNelzePojmenovat", m_target);
}

// Makes the rename durable by syncing the folder that holds it: without this a power cut
// may bring back the previous file (still whole) while the save was reported done.
OpResult AtomicFileWriter::SyncFolder() {
  static constexpr const char* kAction = "StrDetNelzeUlozitSlozku";
  const std::string folder = FolderOf(m_target);
  const int fd = m_calls->Open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
  if (fd < 0) {
    // A folder the user may write but not read cannot be opened; nothing more can be done.
    if (errno == EACCES || errno == EPERM) return OpResult::Success();
    return Fail("open", kAction, m_target);
  }
  const bool synced = m_calls->Fsync(fd) == 0;
  const int error = errno;
  ::close(fd);  // a folder opened for reading has nothing to lose on close
  // Some file systems cannot sync a folder (EINVAL); their renames are as durable as it gets.
  if (synced || error == EINVAL) return OpResult::Success();
  errno = error;
  return Fail("fsync", kAction, m_target);
}

// Describes the failed call from errno, removes the temporary and returns the failure.
OpResult AtomicFileWriter::Fail(const char* call, const char* action, const std::string& subject) {
  const int error = errno;  // before anything else can change it
  OpResult failure = Describe(error, call, action, subject);
  Discard();
  return failure;
}

void AtomicFileWriter::Discard() {
  m_finished = false;
  m_buffer.clear();
  if (m_fd >= 0) m_calls->Close(std::exchange(m_fd, -1));  // an unnamed file vanishes with it
  m_unnamed = false;
  if (!m_tempPath.empty()) {
    m_calls->Unlink(m_tempPath.c_str());
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
