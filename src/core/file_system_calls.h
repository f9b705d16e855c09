#pragma once

#include <sys/types.h>

#include <cstddef>

namespace zirdan {

// The system calls through which the atomic writer changes files, gathered behind one
// interface so that a test can make any one of them fail and check that every failure
// leaves the target whole. Each behaves as the POSIX call of the same name: -1 and errno
// on failure.
class FileSystemCalls {
 public:
  virtual ~FileSystemCalls() = default;

  virtual int Open(const char* path, int flags, mode_t mode) = 0;
  virtual ssize_t Write(int fd, const void* data, std::size_t size) = 0;
  virtual int Fsync(int fd) = 0;
  virtual int Close(int fd) = 0;
  virtual int Linkat(int fromFolder, const char* from, int toFolder, const char* to, int flags) = 0;
  virtual int Rename(const char* from, const char* to) = 0;
  virtual int Unlink(const char* path) = 0;
};

// The calls a writer uses from its Open on: the operating system's, unless a test has put
// others in their place.
FileSystemCalls& ActiveFileSystemCalls();

// Puts `calls` in place of the operating system's for the guard's lifetime. For tests; no
// save may run on another thread meanwhile.
class ScopedFileSystemCalls {
 public:
  explicit ScopedFileSystemCalls(FileSystemCalls& calls);
  ~ScopedFileSystemCalls();
  ScopedFileSystemCalls(const ScopedFileSystemCalls&) = delete;
  ScopedFileSystemCalls& operator=(const ScopedFileSystemCalls&) = delete;

 private:
  FileSystemCalls* m_previous;
};

}  // namespace zirdan
