#include "support/failing_file_system_calls.h"

namespace zirdan::test {

FailingFileSystemCalls::FailingFileSystemCalls() : m_system(OperatingSystemCalls()) {}

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

int FailingFileSystemCalls::CreateUnnamed(const std::string& folder, unsigned permissions) {
  if (m_refuseUnnamed) {
    errno = m_refuseUnnamed;
    return -1;
  }
  return Fails("open") ? -1 : m_system.CreateUnnamed(folder, permissions);
}

int FailingFileSystemCalls::CreateNew(const std::string& path, unsigned permissions) {
  return Fails("open") ? -1 : m_system.CreateNew(path, permissions);
}

std::ptrdiff_t FailingFileSystemCalls::Write(int fd, const void* data, std::size_t size) {
  if (Fails("write")) return -1;
  return m_system.Write(fd, data, m_shortWrites && size > 1 ? size / 2 : size);
}

int FailingFileSystemCalls::Flush(int fd) {
  return Fails("fsync") ? -1 : m_system.Flush(fd);
}

int FailingFileSystemCalls::Close(int fd) {
  // A failing close still releases the descriptor, as on Linux.
  if (Fails("close")) {
    const int error = errno;
    m_system.Close(fd);
    errno = error;
    return -1;
  }
  return m_system.Close(fd);
}

int FailingFileSystemCalls::Link(const std::string& from, const std::string& to) {
  return Fails("link") ? -1 : m_system.Link(from, to);
}

int FailingFileSystemCalls::LinkUnnamed(int fd, const std::string& to) {
  return Fails("link") ? -1 : m_system.LinkUnnamed(fd, to);
}

int FailingFileSystemCalls::Replace(const std::string& from, const std::string& to) {
  return Fails("rename") ? -1 : m_system.Replace(from, to);
}

int FailingFileSystemCalls::Remove(const std::string& path) {
  return Fails("unlink") ? -1 : m_system.Remove(path);
}

int FailingFileSystemCalls::FlushFolder(const std::string& folder) {
  return Fails("fsync") ? -1 : m_system.FlushFolder(folder);
}

}  // namespace zirdan::test
