#include "core/file_system_calls.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

namespace zirdan {
namespace {

class OperatingSystemCalls final : public FileSystemCalls {
 public:
  int Open(const char* path, int flags, mode_t mode) override { return ::open(path, flags, mode); }
  ssize_t Write(int fd, const void* data, std::size_t size) override {
    return ::write(fd, data, size);
  }
  int Fsync(int fd) override { return ::fsync(fd); }
  int Close(int fd) override { return ::close(fd); }
  int Linkat(int fromFolder, const char* from, int toFolder, const char* to, int flags) override {
    return ::linkat(fromFolder, from, toFolder, to, flags);
  }
  int Rename(const char* from, const char* to) override { return ::rename(from, to); }
  int Unlink(const char* path) override { return ::unlink(path); }
};

OperatingSystemCalls g_operatingSystem;
FileSystemCalls* g_active = &g_operatingSystem;

}  // namespace

FileSystemCalls& ActiveFileSystemCalls() {
  return *g_active;
}

ScopedFileSystemCalls::ScopedFileSystemCalls(FileSystemCalls& calls) : m_previous(g_active) {
  g_active = &calls;
}

ScopedFileSystemCalls::~ScopedFileSystemCalls() {
  g_active = m_previous;
}

}  // namespace zirdan
