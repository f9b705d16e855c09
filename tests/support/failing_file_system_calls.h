#pragma once

#include <cerrno>
#include <map>
#include <ostream>
#include <set>
#include <string>

#include "core/file_system_calls.h"

namespace zirdan::test {

// The operating system's file calls (whichever system the build is for), counted, with
// faults on request: the n-th call fails with EIO (as a database's I/O-error tests do),
// every call of one kind fails, unnamed temporary files are refused as a file system
// without them would, or writes take only part of what they are given.
class FailingFileSystemCalls : public FileSystemCalls {
 public:
  FailingFileSystemCalls();

  // Call number `n` (counted from 1 over all kinds) fails with EIO; 0 = none.
  void FailCallNumber(int n) { m_failAt = n; }
  // Every call of `kind` ("open", "write", "fsync", "close", "link", "rename", "unlink")
  // fails with `error`.
  void FailEvery(const std::string& kind, int error) { m_failEvery[kind] = error; }
  // Opening an unnamed file answers `error` (0 = allowed); such answers are not counted.
  void RefuseUnnamedFiles(int error = EOPNOTSUPP) { m_refuseUnnamed = error; }
  // Each write takes at most half of its bytes (at least one).
  void ShortenWrites() { m_shortWrites = true; }

  // The kind of the call that failed by its number; empty when the save never reached it.
  const std::string& FailedCall() const { return m_failedCall; }
  int CallCount() const { return m_count; }

  int CreateUnnamed(const std::string& folder, unsigned permissions) override;
  int CreateNew(const std::string& path, unsigned permissions) override;
  std::ptrdiff_t Write(int fd, const void* data, std::size_t size) override;
  int Flush(int fd) override;
  int Close(int fd) override;
  int Link(const std::string& from, const std::string& to) override;
  int LinkUnnamed(int fd, const std::string& to) override;
  int Replace(const std::string& from, const std::string& to) override;
  int Remove(const std::string& path) override;
  int FlushFolder(const std::string& folder) override;

 private:
  // Counts a call of `kind`; true (with errno set) when it is to fail.
  bool Fails(const char* kind);

  FileSystemCalls& m_system;
  int m_failAt = 0;
  std::map<std::string, int> m_failEvery;
  int m_refuseUnnamed = 0;
  bool m_shortWrites = false;
  int m_count = 0;
  std::string m_failedCall;
};

// The two ways a save makes its temporary, for tests run over both.
struct TemporaryKind {
  const char* name;
  bool unnamed;  // unnamed temporaries where the folder allows them, else named ones
};
inline std::ostream& operator<<(std::ostream& out, const TemporaryKind& kind) {
  return out << kind.name;
}
inline constexpr TemporaryKind kUnnamedTemporary{"Unnamed", true};
inline constexpr TemporaryKind kNamedTemporary{"Named", false};

}  // namespace zirdan::test
