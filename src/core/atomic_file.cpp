#include "core/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "core/file_open.h"
#include "core/temporary_names.h"

namespace zirdan {
namespace fs = std::filesystem;

namespace {

// Bytes gathered before they are handed to the system; larger pieces go straight through.
constexpr std::size_t kBufferSize = 128 * 1024;
// Random temporary names tried before giving up when each one is already taken.
constexpr int kNameAttempts = 100;
// A new file may be read by everyone, as far as the user's umask allows.
constexpr unsigned kNewFileMode = 0644;

// A write error whose detail is what was being done (a message key, the subject its
// argument) and whose system text is "<call> failed: <reason>", so that a report says what
// was being done and which system call refused.
OpResult Describe(int error, const char* call, const char* action, const std::string& subject) {
  return OpResult::FailureKey(kWriteErrorKey)
      .With(action, {subject})
      .WithSystemText(std::string(call) + " failed: " + std::strerror(error ? error : EIO));
}

std::string FolderOf(const std::string& target) {
  const fs::path parent = PathFromUtf8(target).parent_path();
  return parent.empty() ? std::string(".") : Utf8FromPath(parent);
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
  if (fs::is_symlink(PathFromUtf8(target), ec)) {
    const fs::path real = fs::canonical(PathFromUtf8(target), ec);
    if (!ec) m_target = Utf8FromPath(real);
  }
  const ExistingFile existing = InspectExistingFile(m_target);
  // A file the user may not write stays protected; renaming over it would get round that.
  if (existing.notWritable)
    return OpResult::FailureKey(kWriteErrorKey)
        .With("StrDetNelzeZapsat", {m_target})
        .WithSystemText(std::strerror(existing.notWritable));

  const unsigned mode = existing.exists ? existing.permissions : kNewFileMode;
  if (OpResult created = CreateUnnamed(mode); !created) return created;
  if (m_fd < 0) {
    if (OpResult created = CreateNamed(mode); !created) return created;
  }
  // The system took the umask off the mode; a replaced file keeps exactly who may read it
  // (a private logbook stays private).
  if (existing.exists) KeepPermissions(m_fd, mode);
  m_buffer.reserve(kBufferSize);
  return OpResult::Success();
}

// A file with no name until Commit gives it one. Leaves m_fd at -1, with success, when the
// system or the file system has no such files.
OpResult AtomicFileWriter::CreateUnnamed(unsigned permissions) {
  const int fd = m_calls->CreateUnnamed(FolderOf(m_target), permissions);
  if (fd < 0) {
    // How a file system without unnamed files (EOPNOTSUPP) and a kernel without them
    // (EISDIR, EINVAL) answer; anything else is a real failure.
    if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) return OpResult::Success();
    return Fail("open", "StrDetNelzeVytvoritVedle", m_target);
  }
  m_fd = fd;
  m_unnamed = true;
  return OpResult::Success();
}

// A hidden named file beside the target, with a random name no other file has.
OpResult AtomicFileWriter::CreateNamed(unsigned permissions) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string path = TemporaryPathFor(m_target);
    const int fd = m_calls->CreateNew(path, permissions);
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
    const std::ptrdiff_t written = m_calls->Write(m_fd, data, size);
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
  if (m_calls->Flush(m_fd) != 0) return Fail("fsync", "StrDetNelzeUlozitNaDisk", m_target);
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
  if (m_calls->Replace(m_tempPath, m_target) != 0)
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
  if (!fs::exists(PathFromUtf8(m_target), ec)) return OpResult::Success();
  const std::string backup = m_target + ".bak";
  if (m_calls->Remove(backup) != 0 && errno != ENOENT)
    return Fail("unlink", "StrDetNelzeZaloha", backup);
  if (m_calls->Link(m_target, backup) == 0) return OpResult::Success();
  if (!LinksUnsupported(errno)) return Fail("link", "StrDetNelzeZaloha", backup);
  // A file system without hard links (FAT on a memory card) gets a copy.
  fs::copy_file(PathFromUtf8(m_target), PathFromUtf8(backup), fs::copy_options::overwrite_existing,
                ec);
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
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string path = TemporaryPathFor(m_target);
    if (m_calls->LinkUnnamed(m_fd, path) == 0) {
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
  if (m_calls->FlushFolder(FolderOf(m_target)) == 0) return OpResult::Success();
  return Fail("fsync", "StrDetNelzeUlozitSlozku", m_target);
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
    m_calls->Remove(m_tempPath);
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
