#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zirdan {

// The system calls through which the atomic writer changes files, gathered behind one
// interface so that a test can make any one of them fail and check that every failure
// leaves the target whole. Paths are UTF-8. A file being written is an int descriptor.
// Each call answers 0 (a descriptor, a count) on success and -1 with errno set on failure,
// as POSIX calls do; the Windows implementation translates its errors to errno values.
//
// The kind of each call, as fault tests name them, is given in brackets.
class FileSystemCalls {
 public:
  virtual ~FileSystemCalls() = default;

  // [open] A file in `folder` that has no name until LinkUnnamed gives it one, so that a
  // process killed while writing leaves nothing behind. Where the system has no such files
  // it fails with EOPNOTSUPP, EISDIR or EINVAL and the writer makes a named one instead.
  virtual int CreateUnnamed(const std::string& folder, unsigned permissions) = 0;
  // [open] A new file at `path`, for writing; fails with EEXIST when the name is taken.
  virtual int CreateNew(const std::string& path, unsigned permissions) = 0;
  // [write] May write fewer bytes than asked.
  virtual std::ptrdiff_t Write(int fd, const void* data, std::size_t size) = 0;
  // [fsync] Flushes the file's bytes to the disk.
  virtual int Flush(int fd) = 0;
  // [close] Releases the descriptor even when it reports an error.
  virtual int Close(int fd) = 0;
  // [link] A second name `to` for the existing file `from`; fails with EPERM, EOPNOTSUPP,
  // EMLINK or EXDEV where the file system has no hard links.
  virtual int Link(const std::string& from, const std::string& to) = 0;
  // [link] Gives the unnamed file open as `fd` the name `to`.
  virtual int LinkUnnamed(int fd, const std::string& to) = 0;
  // [rename] Puts `from` in the place of `to` in one step; `to` is the complete old file or
  // the complete new one at every moment.
  virtual int Replace(const std::string& from, const std::string& to) = 0;
  // [unlink] Removes the name `path`.
  virtual int Remove(const std::string& path) = 0;
  // [fsync] Makes the names in `folder` durable, so a rename is not undone by a power cut.
  virtual int FlushFolder(const std::string& folder) = 0;
};

// The operating system's calls.
FileSystemCalls& OperatingSystemCalls();

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

// What the writer needs to know of the file it is about to replace.
struct ExistingFile {
  bool exists = false;
  int notWritable = 0;       // errno why the user may not write it; 0 when they may
  unsigned permissions = 0;  // its permission bits, for the new file (POSIX systems)
};
ExistingFile InspectExistingFile(const std::string& path);

// Gives the new file open as `fd` exactly `permissions`, which the system narrowed by the
// umask when it was created. Best effort: a file left with the narrower mode gives no one
// more than before. Nothing to do where files carry no permission bits.
void KeepPermissions(int fd, unsigned permissions);

}  // namespace zirdan
