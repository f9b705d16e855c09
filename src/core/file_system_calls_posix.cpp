// The atomic writer's calls on Linux and other POSIX systems.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/file_system_calls.h"

namespace zirdan {
namespace {

// The name through which an unnamed file open as `fd` can be linked into a folder.
std::string ProcFdPath(int fd) {
  return "/proc/self/fd/" + std::to_string(fd);
}

class PosixCalls final : public FileSystemCalls {
 public:
  int CreateUnnamed(const std::string& folder, unsigned permissions) override {
#ifdef O_TMPFILE
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, permissions);
    if (fd < 0) return -1;
    // The file is named through /proc; without /proc it could never get a name.
    if (::access(ProcFdPath(fd).c_str(), F_OK) == 0) return fd;
    ::close(fd);
#else
    (void)folder;
    (void)permissions;
#endif
    errno = EOPNOTSUPP;
    return -1;
  }
  int CreateNew(const std::string& path, unsigned permissions) override {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, permissions);
  }
  std::ptrdiff_t Write(int fd, const void* data, std::size_t size) override {
    return ::write(fd, data, size);
  }
  int Flush(int fd) override {
    return ::fsync(fd);
  }
  int Close(int fd) override {
    return ::close(fd);
  }
  int Link(const std::string& from, const std::string& to) override {
    return ::link(from.c_str(), to.c_str());
  }
  int LinkUnnamed(int fd, const std::string& to) override {
    return ::linkat(AT_FDCWD, ProcFdPath(fd).c_str(), AT_FDCWD, to.c_str(), AT_SYMLINK_FOLLOW);
  }
  int Replace(const std::string& from, const std::string& to) override {
    return ::rename(from.c_str(), to.c_str());
  }
  int Remove(const std::string& path) override {
    return ::unlink(path.c_str());
  }
  int FlushFolder(const std::string& folder) override {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // A folder the user may write but not read cannot be opened; nothing more can be done.
    if (fd < 0) return errno == EACCES || errno == EPERM ? 0 : -1;
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);  // a folder opened for reading has nothing to lose on close
    // Some file systems cannot sync a folder (EINVAL); their renames are as durable as it gets.
    if (synced || error == EINVAL) return 0;
    errno = error;
    return -1;
  }
};

}  // namespace

FileSystemCalls& OperatingSystemCalls() {
  static PosixCalls calls;
  return calls;
}

ExistingFile InspectExistingFile(const std::string& path) {
  ExistingFile file;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return file;
  file.exists = true;
  file.permissions = st.st_mode & 07777;
  if (::access(path.c_str(), W_OK) != 0) file.notWritable = errno;
  return file;
}

void KeepPermissions(int fd, unsigned permissions) {
  (void)::fchmod(fd, permissions);
}

}  // namespace zirdan
