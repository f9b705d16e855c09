// POSIX only: the save runs in a forked child that SIGKILL stops.
// A LOG save killed (SIGKILL) at many moments, from before its first write to after its
// rename: the logbook on disk is always byte for byte the old one or the new one, the .bak
// holds the old one when the new one is in place, and with unnamed temporaries no file is
// left beside the logbook. The kills are spread over the time one whole save takes.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <thread>

#include "core/file_system_calls.h"
#include "core/log_file.h"
#include "core/temporary_names.h"
#include "support/failing_file_system_calls.h"
#include "support/logbook_samples.h"
#include "support/scratch_files.h"

namespace zirdan {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using test::FileNamesIn;
using test::ReadFileBytes;
using test::SampleLogbook;
using test::ScratchFolder;
using test::WriteFileBytes;

constexpr int kKills = 24;

class SaveCrash : public ::testing::TestWithParam<test::TemporaryKind> {
 protected:
  void SetUp() override {
    m_unnamed = GetParam().unnamed;
    if (m_unnamed && !test::UnnamedFilesWorkIn(m_folder.Path()))
      GTEST_SKIP() << "no unnamed files in " << m_folder.Path();
  }

  // Puts the old logbook back and starts a child process that saves the new one over it.
  pid_t StartSave() {
    fs::remove(m_path + ".bak");
    WriteFileBytes(m_path, m_oldBytes);
    const pid_t pid = fork();
    if (pid == 0) {
      test::FailingFileSystemCalls calls;
      if (!m_unnamed) calls.RefuseUnnamedFiles();
      ScopedFileSystemCalls scoped(calls);
      _exit(SaveLogbook(m_path, m_changed).Ok() ? 0 : 1);
    }
    return pid;
  }

  ScratchFolder m_folder;
  bool m_unnamed = false;
  std::string m_path = m_folder.File("a.LOG");
  std::string m_oldBytes = test::EncodedBytes(SampleLogbook(3, 100));
  TLogbook m_changed = SampleLogbook(1000, kGrafSize);  // about 2 MB
  std::string m_newBytes = test::EncodedBytes(m_changed);
};

TEST_P(SaveCrash, AKilledSaveLeavesTheOldOrTheNewLogbook) {
  // Uninterrupted saves, in a child as the killed ones, tell how long a save takes; the
  // shorter of two, as the first may wait for the disk longer.
  Clock::duration saveTime = Clock::duration::max();
  for (int i = 0; i < 2; ++i) {
    const auto start = Clock::now();
    const pid_t pid = StartSave();
    ASSERT_GT(pid, 0);
    int status = 0;
    waitpid(pid, &status, 0);
    saveTime = std::min(saveTime, Clock::now() - start);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_EQ(ReadFileBytes(m_path), m_newBytes);
  }

  int killedMidway = 0;
  for (int i = 0; i < kKills; ++i) {
    // From at once to a little after a whole save would have ended.
    const auto delay = saveTime * (i * 12) / (kKills * 10);
    const pid_t pid = StartSave();
    ASSERT_GT(pid, 0);
    std::this_thread::sleep_for(delay);
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFSIGNALED(status)) ++killedMidway;

    SCOPED_TRACE("kill " + std::to_string(i));
    const std::string onDisk = ReadFileBytes(m_path);
    const bool isNew = onDisk == m_newBytes;
    ASSERT_TRUE(isNew || onDisk == m_oldBytes);
    if (isNew) {
      EXPECT_EQ(ReadFileBytes(m_path + ".bak"), m_oldBytes);
    }
    for (const std::string& name : FileNamesIn(m_folder.Path())) {
      if (name == "a.LOG" || name == "a.LOG.bak") continue;
      EXPECT_TRUE(IsTemporaryNameOf(name, "a.LOG")) << name;
      // An unnamed temporary gets its name only when complete and synced, just before the
      // rename: a kill between the two is the one way to leave it.
      if (m_unnamed) {
        EXPECT_FALSE(isNew) << name;
        EXPECT_EQ(ReadFileBytes(m_folder.File(name)), m_newBytes) << name;
      }
      fs::remove(m_folder.File(name));
    }
  }
  RecordProperty("killed_midway", killedMidway);
}

INSTANTIATE_TEST_SUITE_P(Temporaries, SaveCrash,
                         ::testing::Values(test::kUnnamedTemporary, test::kNamedTemporary),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zirdan
