#include "support/failing_file_system_calls.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

namespace zirdan::test {

bool FailingFileSystemCalls::Fails(const char* kind) {
  ++m_count;
  if (m_count == m_failAt) {
    m_failedCall = kind;
    errno = EIO;
    return true;
  }
  if (const auto every = m_failEvery.find(kind); every != m_failEvery.end()) {
    errno = every->second;
    return true;
  }
  return false;
}

int FailingFileSystemCalls::Open(const char* path, int flags, mode_t mode) {
#ifdef O_TMPFILE
  if (m_refuseUnnamed && (flags & O_TMPFILE) == O_TMPFILE) {
    errno = m_refuseUnnamed;
    return -1;
  }
#endif
  return Fails("open") ? -1 : ::open(path, flags, mode);
}

ssize_t FailingFileSystemCalls::Write(int fd, const void* data, std::size_t size) {
  if (Fails("write")) return -1;
  return ::write(fd, data, m_shortWrites && size > 1 ? size / 2 : size);
}

int FailingFileSystemCalls::Fsync(int fd) {
  return Fails("fsync") ? -1 : ::fsync(fd);
}

int FailingFileSystemCalls::Close(int fd) {
  // A failing close still releases the descriptor, as on Linux.
  if (Fails("close")) {
    const int error = errno;
    ::close(fd);
    errno = error;
    return -1;
  }
  return ::close(fd);
}

int FailingFileSystemCalls::Linkat(int fromFolder, const char* from, int toFolder, const char* to,
                                   int flags) {
  return Fails("link") ? -1 : ::linkat(fromFolder, from, toFolder, to, flags);
}

int FailingFileSystemCalls::Rename(const char* from, const char* to) {
  return Fails("rename") ? -1 : ::rename(from, to);
}

int FailingFileSystemCalls::Unlink(const char* path) {
  return Fails("unlink") ? -1 : ::unlink(path);
}

}  // namespace zirdan::test
