// LOG saves and what POSIX systems have and Windows lacks: permission bits a save keeps,
// symbolic links any user may make, and the file size limit, a resource limit that makes
// writes fail as a full disk would.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <set>
#include <string>

#include "core/log_file.h"
#include "support/logbook_samples.h"
#include "support/scratch_files.h"

namespace zirdan {
namespace {

namespace fs = std::filesystem;
using test::ReadFileBytes;

TEST(LogFileSave, KeepsWhoMayReadTheFile) {
  test::ScratchFolder folder;
  const std::string path = folder.File("a.LOG");
  test::WriteFileBytes(path, test::EncodedBytes(test::SampleLogbook(2, 7, 1)));
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  TLogbook changed = test::SampleLogbook(3, 9, 1);
  changed.Zmeneno = true;
  ASSERT_TRUE(SaveLogbook(path, changed));
  EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST(LogFileSave, ThroughALinkReplacesTheFileItPointsTo) {
  test::ScratchFolder folder;
  const std::string path = folder.File("a.LOG");
  const std::string oldBytes = test::EncodedBytes(test::SampleLogbook(2, 7, 1));
  test::WriteFileBytes(path, oldBytes);
  const std::string link = folder.File("link.LOG");
  fs::create_symlink(path, link);
  TLogbook changed = test::SampleLogbook(3, 9, 1);
  changed.Zmeneno = true;
  ASSERT_TRUE(SaveLogbook(link, changed));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadFileBytes(path), test::EncodedBytes(changed));
  EXPECT_EQ(ReadFileBytes(path + ".bak"), oldBytes);
}

TEST(LogFileSave, AWriteFailingHalfwayKeepsTheOldFile) {
  test::ScratchFolder folder;
  const std::string path = folder.File("a.LOG");
  const std::string oldBytes = test::EncodedBytes(test::SampleLogbook(2, 7, 1));
  test::WriteFileBytes(path, oldBytes);
  TLogbook changed = test::SampleLogbook(400, kGrafSize);  // about 850 kB
  changed.Zmeneno = true;
  // Past 300 kB every write fails.
  const std::string outcome = test::RunInChild(
      [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{300 * 1024, RLIM_INFINITY};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return std::string("SKIP: no file size limit");
        const OpResult r = SaveLogbook(path, changed);
        if (r.Ok()) return std::string("the save succeeded");
        if (r.Describe().find("File too large") == std::string::npos) return r.Describe();
        return changed.Zmeneno ? std::string() : std::string("Zmeneno was cleared");
      },
      false);
  if (outcome.rfind("SKIP", 0) == 0) GTEST_SKIP() << outcome;
  EXPECT_EQ(outcome, "");
  EXPECT_EQ(ReadFileBytes(path), oldBytes);
  EXPECT_EQ(test::FileNamesIn(folder.Path()), std::set<std::string>{"a.LOG"});
}

}  // namespace
}  // namespace zirdan
