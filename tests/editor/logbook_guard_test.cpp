#include "editor/logbook_guard.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "core/log_file.h"
#include "support/fake_file_locks.h"
#include "support/logbook_samples.h"
#include "support/scratch_files.h"

namespace zirdan {
namespace {

namespace fs = std::filesystem;

class LogbookGuardTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteLogbook(m_logPath, 3); }
  static void WriteLogbook(const std::string& path, uint32_t dives) {
    TLogbook book = test::SampleLogbook(dives);
    ASSERT_TRUE(SaveLogbook(path, book));
  }
  // Claims and opens the logbook as the editor does.
  void Open(const std::string& path) {
    TLogbook book;
    DiskState state;
    ASSERT_TRUE(LoadLogbookWithState(path, book, state));
    m_guard.Opened(path, state);
  }

  test::ScratchFolder m_folder;
  std::string m_logPath = m_folder.File("dives.LOG");
  test::FakeFileLocks m_locks;
  LogbookGuard m_guard{m_locks.Factory()};
};

TEST_F(LogbookGuardTest, TheOpenLogbookIsLockedUntilAnotherIsOpenedOrItIsForgotten) {
  ASSERT_EQ(m_guard.Claim(m_logPath).State, LockState::Taken);
  Open(m_logPath);
  EXPECT_TRUE(m_locks.HeldHere(m_logPath));
  EXPECT_EQ(m_guard.Claim(m_logPath).State, LockState::Taken) << "reopening the same logbook";

  const std::string other = m_folder.File("other.LOG");
  WriteLogbook(other, 2);
  ASSERT_EQ(m_guard.Claim(other).State, LockState::Taken);
  EXPECT_TRUE(m_locks.HeldHere(m_logPath)) << "the open logbook keeps its lock until the load";
  Open(other);
  EXPECT_FALSE(m_locks.HeldHere(m_logPath));
  EXPECT_TRUE(m_locks.HeldHere(other));

  const std::string renamed = m_folder.File("renamed.LOG");
  WriteLogbook(renamed, 3);  // as "Save as" wrote it
  m_guard.Saved(renamed);
  EXPECT_TRUE(m_locks.HeldHere(renamed));
  EXPECT_FALSE(m_locks.HeldHere(other));
  m_guard.Forget();
  EXPECT_FALSE(m_locks.HeldHere(renamed));
}

// What another program may do to the file after the editor loaded it.
struct DiskChange {
  const char* name;
  std::function<void(const std::string& path)> change;
  bool changed;  // a save must ask first
};

TEST_F(LogbookGuardTest, ASaveAsksOnlyWhenAnotherProgramChangedTheBytes) {
  const DiskChange changes[] = {
      {"nothing", [](const std::string&) {}, false},
      {"other dives", [](const std::string& p) { WriteLogbook(p, 4); }, true},
      {"same size, other bytes",
       [](const std::string& p) {
         std::string bytes = test::ReadFileBytes(p);
         bytes[bytes.size() - 2] ^= 1;
         test::WriteFileBytes(p, bytes);
       },
       true},
      {"same bytes written again",
       [](const std::string& p) {
         const std::string bytes = test::ReadFileBytes(p);
         test::WriteFileBytes(p, bytes);
         fs::last_write_time(p, fs::last_write_time(p) + std::chrono::seconds(5));
       },
       false},
      {"deleted", [](const std::string& p) { fs::remove(p); }, false},
  };
  for (const DiskChange& c : changes) {
    SCOPED_TRACE(c.name);
    WriteLogbook(m_logPath, 3);
    Open(m_logPath);
    c.change(m_logPath);
    EXPECT_EQ(m_guard.ChangedOnDisk(m_logPath), c.changed);
    EXPECT_FALSE(m_guard.ChangedOnDisk(m_folder.File("elsewhere.LOG")));
  }
}

TEST_F(LogbookGuardTest, AChangeOnDiskIsToldOnceAndTheEditorsOwnSaveIsNot) {
  Open(m_logPath);
  EXPECT_EQ(m_guard.DiskEvent(false), LogbookGuard::Notice::None);
  WriteLogbook(m_logPath, 5);
  EXPECT_EQ(m_guard.DiskEvent(false), LogbookGuard::Notice::OfferReload);
  EXPECT_EQ(m_guard.DiskEvent(false), LogbookGuard::Notice::None) << "told once";
  WriteLogbook(m_logPath, 6);
  EXPECT_EQ(m_guard.DiskEvent(true), LogbookGuard::Notice::TellUnsaved);
  EXPECT_EQ(m_guard.DiskEvent(true), LogbookGuard::Notice::None);
  EXPECT_TRUE(m_guard.ChangedOnDisk(m_logPath)) << "the save still asks";

  WriteLogbook(m_logPath, 2);  // the editor's own save
  m_guard.Saved(m_logPath);
  EXPECT_EQ(m_guard.DiskEvent(true), LogbookGuard::Notice::None);
  EXPECT_FALSE(m_guard.ChangedOnDisk(m_logPath));
}

}  // namespace
}  // namespace zirdan
