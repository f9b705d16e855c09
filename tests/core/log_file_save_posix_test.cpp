// A LOG save stopped halfway by the file size limit, a POSIX resource limit that makes
// writes fail as a full disk would.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <set>
#include <string>

#include "core/log_file.h"
#include "support/logbook_samples.h"
#include "support/scratch_files.h"

namespace zirdan {
namespace {

using test::ReadFileBytes;

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
