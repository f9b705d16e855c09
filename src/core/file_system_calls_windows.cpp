// The atomic writer's calls on Windows. The new file is flushed with FlushFileBuffers and put
// in place by MoveFileExW with MOVEFILE_WRITE_THROUGH, which returns only when the move is on
// the disk, so the folder needs no flush of its own. Windows has no unnamed files that can
// be named later; the writer makes named temporaries there.
#include <windows.h>
// After windows.h, which these need.
#include <io.h>

#include <cerrno>
#include <string>

#include "core/file_open.h"
#include "core/file_system_calls.h"

namespace zirdan {
namespace {

// The errno value for a Windows error, so the writer and its reports treat both systems alike.
int ErrnoFromWindowsError(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
      return ENOENT;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
      return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return EBUSY;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_NOT_SAME_DEVICE:
      return EXDEV;
    case ERROR_TOO_MANY_LINKS:
      return EMLINK;
    case ERROR_INVALID_FUNCTION:  // how FAT answers a hard link
    case ERROR_NOT_SUPPORTED:
      return EOPNOTSUPP;
    case ERROR_INVALID_HANDLE:
      return EBADF;
    default:
      return EIO;
  }
}

int FailWithLastError() {
  errno = ErrnoFromWindowsError(GetLastError());
  return -1;
}

std::wstring Wide(const std::string& utf8) {
  return PathFromUtf8(utf8).wstring();
}

HANDLE HandleOf(int fd) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

class WindowsCalls final : public FileSystemCalls {
 public:
  int CreateUnnamed(const std::string&, unsigned) override {
    errno = EOPNOTSUPP;
    return -1;
  }
  int CreateNew(const std::string& path, unsigned) override {
    const HANDLE handle = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return FailWithLastError();
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), 0);
    if (fd < 0) {
      CloseHandle(handle);
      errno = EMFILE;
    }
    return fd;
  }
  std::ptrdiff_t Write(int fd, const void* data, std::size_t size) override {
    const DWORD piece = size > MAXDWORD ? MAXDWORD : static_cast<DWORD>(size);
    DWORD written = 0;
    if (!WriteFile(HandleOf(fd), data, piece, &written, nullptr)) return FailWithLastError();
    return written;
  }
  int Flush(int fd) override { return FlushFileBuffers(HandleOf(fd)) ? 0 : FailWithLastError(); }
  int Close(int fd) override { return _close(fd); }
  int Link(const std::string& from, const std::string& to) override {
    return CreateHardLinkW(Wide(to).c_str(), Wide(from).c_str(), nullptr) ? 0 : FailWithLastError();
  }
  int LinkUnnamed(int, const std::string&) override {
    errno = EOPNOTSUPP;
    return -1;
  }
  int Replace(const std::string& from, const std::string& to) override {
    const std::wstring target = Wide(to);
    if (MoveFileExW(Wide(from).c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return 0;
    // Windows refuses a move over a folder as access denied; say what it is.
    const DWORD error = GetLastError();
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      errno = EISDIR;
      return -1;
    }
    errno = ErrnoFromWindowsError(error);
    return -1;
  }
  int Remove(const std::string& path) override {
    return DeleteFileW(Wide(path).c_str()) ? 0 : FailWithLastError();
  }
  int FlushFolder(const std::string&) override { return 0; }
};

}  // namespace

FileSystemCalls& OperatingSystemCalls() {
  static WindowsCalls calls;
  return calls;
}

ExistingFile InspectExistingFile(const std::string& path) {
  ExistingFile file;
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return file;
  file.exists = true;
  // A read-only file stays protected; moving a new file over it would get round that.
  if (attributes & FILE_ATTRIBUTE_READONLY) file.notWritable = EACCES;
  return file;
}

void KeepPermissions(int, unsigned) {}

}  // namespace zirdan
