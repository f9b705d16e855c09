#include "editor/recovery_copy.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "support/fake_file_locks.h"
#include "support/logbook_samples.h"
#include "support/scratch_files.h"

namespace zirdan {
namespace {

namespace fs = std::filesystem;

class RecoveryCopyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_book = test::SampleLogbook(3, 40);
    m_book.Nacteno = m_book.Zmeneno = true;
  }
  RecoveryCopy Editor() { return RecoveryCopy(m_recovery, m_locks.Factory()); }
  // The copies in the folder.
  std::vector<std::string> CopyFiles() const {
    std::vector<std::string> copies;
    for (const std::string& name : test::FileNamesIn(m_recovery))
      if (fs::path(name).extension() == ".LOG") copies.push_back(m_recovery + "/" + name);
    return copies;
  }
  // Dates every copy `seconds` after (or before) the logbook at `logPath`.
  void AgeCopies(const std::string& logPath, int seconds) {
    for (const std::string& copy : CopyFiles())
      fs::last_write_time(copy, fs::last_write_time(logPath) + std::chrono::seconds(seconds));
  }
  static std::vector<std::string> Paths(const std::vector<PendingCopy>& pending) {
    std::vector<std::string> paths;
    for (const PendingCopy& p : pending) paths.push_back(p.LogbookPath);
    return paths;
  }

  test::ScratchFolder m_folder;
  std::string m_recovery = m_folder.File("recovery");
  std::string m_logPath = m_folder.File("dives.LOG");
  test::FakeFileLocks m_locks;
  TLogbook m_book;
};

TEST_F(RecoveryCopyTest, EveryLogbookHasItsOwnCopyAndEachIsOffered) {
  const std::string other = m_folder.File("other.LOG");
  for (const std::string& path : {m_logPath, other}) {
    TLogbook saved = test::SampleLogbook(2);
    ASSERT_TRUE(SaveLogbook(path, saved));
  }
  {
    RecoveryCopy first = Editor(), second = Editor();
    ASSERT_TRUE(first.Write(m_book, m_logPath, false, {}));
    ASSERT_TRUE(second.Write(m_book, other, false, {}));
    EXPECT_EQ(CopyFiles().size(), 2u) << "two editors never share a copy";
  }  // both editors die
  AgeCopies(m_logPath, 60);
  RecoveryCopy next = Editor();
  EXPECT_EQ(Paths(next.Pending()), (std::vector<std::string>{m_logPath, other}));

  AgeCopies(m_logPath, -60);  // the logbooks were saved after the copies
  EXPECT_TRUE(next.Pending().empty());
  EXPECT_TRUE(CopyFiles().empty()) << "copies older than their logbook are removed";
  EXPECT_TRUE(RecoveryCopy("").Write(m_book, m_logPath, false, {})) << "copies turned off";
}

TEST_F(RecoveryCopyTest, ACopyOfALogbookALiveEditorHoldsIsNotOffered) {
  TLogbook saved = test::SampleLogbook(2);
  ASSERT_TRUE(SaveLogbook(m_logPath, saved));
  RecoveryCopy running = Editor();
  ASSERT_TRUE(running.Write(m_book, m_logPath, false, {}));
  AgeCopies(m_logPath, 60);
  m_locks.HoldElsewhere(m_logPath, {99, "zirdanlog", "boat"});
  EXPECT_TRUE(Editor().Pending().empty());
  EXPECT_EQ(CopyFiles().size(), 1u);
  m_locks.LetGo(m_logPath);  // that editor died
  EXPECT_EQ(Paths(Editor().Pending()), std::vector<std::string>{m_logPath});
}

TEST_F(RecoveryCopyTest, ANewLogbooksCopyIsItsEditorsOwnWhileItRuns) {
  auto running = std::make_unique<RecoveryCopy>(m_recovery, m_locks.Factory());
  ASSERT_TRUE(running->Write(m_book, kNewLogbookName, true, {}));
  RecoveryCopy other = Editor();
  ASSERT_TRUE(other.Write(m_book, kNewLogbookName, true, {}));
  EXPECT_EQ(CopyFiles().size(), 2u);
  EXPECT_TRUE(Editor().Pending().empty()) << "both editors still run";

  running.reset();  // one editor dies
  RecoveryCopy next = Editor();
  const std::vector<PendingCopy> pending = next.Pending();
  ASSERT_EQ(pending.size(), 1u);
  EXPECT_EQ(pending[0].LogbookPath, kNewLogbookName);
  TLogbook recovered;
  ASSERT_TRUE(next.Adopt(pending[0], recovered));
  EXPECT_TRUE(recovered.Zmeneno);
  EXPECT_EQ(test::EncodedBytes(recovered), test::EncodedBytes(m_book));
  EXPECT_TRUE(Editor().Pending().empty()) << "the adopting editor owns it now";
  ASSERT_TRUE(next.Write(m_book, kNewLogbookName, true, {}));
  EXPECT_EQ(CopyFiles().size(), 2u) << "the adopted copy is written over, not doubled";
}

}  // namespace
}  // namespace zirdan
