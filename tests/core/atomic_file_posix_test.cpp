// The atomic writer and POSIX permissions: file modes under the umask, and a folder the
// user may not write. Windows files carry no such modes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/atomic_file.h"
#include "support/scratch_files.h"

namespace zirdan {
namespace {
namespace fs = std::filesystem;

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st.st_mode & 07777;
}

// Sets the umask for its lifetime.
class ScopedUmask {
 public:
  explicit ScopedUmask(mode_t mask) : m_previous(::umask(mask)) {}
  ~ScopedUmask() { ::umask(m_previous); }

 private:
  mode_t m_previous;
};

// A new file may be read as far as the umask allows; a replaced one keeps its own mode.
TEST(AtomicFilePermissions, FileModes) {
  test::ScratchFolder folder;
  ScopedUmask mask(077);
  ASSERT_TRUE(WriteFileAtomically(folder.File("new.txt"), "x"));
  EXPECT_EQ(ModeOf(folder.File("new.txt")), 0600u);
  fs::permissions(folder.File("new.txt"), static_cast<fs::perms>(0664));
  ASSERT_TRUE(WriteFileAtomically(folder.File("new.txt"), "y"));
  EXPECT_EQ(ModeOf(folder.File("new.txt")), 0664u);
}

TEST(AtomicFilePermissions, AFolderThatCannotBeWrittenFailsAndKeepsTheFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
  test::ScratchFolder folder;
  const std::string target = folder.File("a.txt");
  ASSERT_TRUE(WriteFileAtomically(target, "kept"));
  fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
  OpResult r = WriteFileAtomically(target, "new");
  EXPECT_FALSE(r.Ok());
  EXPECT_FALSE(r.Describe().empty());
  EXPECT_EQ(test::ReadFileBytes(target), "kept");
}

}  // namespace
}  // namespace zirdan
