// A LOG save with each of its system calls made to fail in turn, the first, the second, ...
// until one gets through: whichever call fails, the logbook on disk is byte for byte the old
// one or the complete new one, no temporary is left, the error names the failed call, and
// the .bak holds a previous logbook. Swept with unnamed temporaries and with named ones.
#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <set>
#include <string>

#include "core/file_system_calls.h"
#include "core/log_file.h"
#include "support/failing_file_system_calls.h"
#include "support/logbook_samples.h"
#include "support/scratch_files.h"

namespace zirdan {
namespace {

using test::FailingFileSystemCalls;
using test::FileNamesIn;
using test::ReadFileBytes;
using test::SampleLogbook;
using test::ScratchFolder;
using test::WriteFileBytes;

class SaveFaultSweep : public ::testing::TestWithParam<test::TemporaryKind> {};

TEST_P(SaveFaultSweep, EveryFailingCallLeavesAWholeLogbookAndNoTemporary) {
  const bool unnamed = GetParam().unnamed;
  const std::string olderBytes = test::EncodedBytes(SampleLogbook(1, 5, 40));
  const std::string oldBytes = test::EncodedBytes(SampleLogbook(2, 7, 1));
  TLogbook changed = SampleLogbook(300, kGrafSize);  // about 640 kB: several writes
  const std::string newBytes = test::EncodedBytes(changed);

  constexpr int kGiveUp = 200;  // far more calls than a save makes
  std::set<std::string> failedKinds;
  int n = 1;
  for (; n < kGiveUp; ++n) {
    ScratchFolder folder;
    if (unnamed && !test::UnnamedFilesWorkIn(folder.Path()))
      GTEST_SKIP() << "no unnamed files in " << folder.Path();
    const std::string path = folder.File("a.LOG");
    WriteFileBytes(path, oldBytes);
    WriteFileBytes(path + ".bak", olderBytes);
    changed.Zmeneno = true;

    FailingFileSystemCalls calls;
    if (!unnamed) calls.RefuseUnnamedFiles();
    calls.FailCallNumber(n);
    OpResult result;
    {
      ScopedFileSystemCalls scoped(calls);
      result = SaveLogbook(path, changed);
    }

    SCOPED_TRACE("call " + std::to_string(n) + " (" + calls.FailedCall() + "): " + result.Describe());
    const std::string onDisk = ReadFileBytes(path);
    const std::set<std::string> names = FileNamesIn(folder.Path());
    EXPECT_TRUE(onDisk == oldBytes || onDisk == newBytes);
    EXPECT_TRUE(names == std::set<std::string>({"a.LOG", "a.LOG.bak"}) ||
                names == std::set<std::string>({"a.LOG"}));
    if (names.count("a.LOG.bak")) {
      const std::string bak = ReadFileBytes(path + ".bak");
      EXPECT_TRUE(bak == olderBytes || bak == oldBytes);
    }
    // The old file is kept as .bak before the new one takes its name.
    if (onDisk == newBytes) {
      EXPECT_EQ(ReadFileBytes(path + ".bak"), oldBytes);
    }

    if (calls.FailedCall().empty()) {
      EXPECT_TRUE(result.Ok());
      EXPECT_EQ(onDisk, newBytes);
      EXPECT_FALSE(changed.Zmeneno);
      break;
    }
    failedKinds.insert(calls.FailedCall());
    EXPECT_FALSE(result.Ok());
    EXPECT_NE(result.Describe().find(calls.FailedCall() + " failed: " + std::strerror(EIO)),
              std::string::npos);
    EXPECT_TRUE(changed.Zmeneno);
  }
  ASSERT_LT(n, kGiveUp) << "the save never got through";
  // Every kind of call the writer makes failed at least once.
  EXPECT_EQ(failedKinds,
            std::set<std::string>({"open", "write", "fsync", "close", "link", "rename", "unlink"}));
  RecordProperty("failure_points", n - 1);
}

INSTANTIATE_TEST_SUITE_P(Temporaries, SaveFaultSweep,
                         ::testing::Values(test::kUnnamedTemporary, test::kNamedTemporary),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zirdan
