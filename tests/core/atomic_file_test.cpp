// The atomic writer, with unnamed temporaries (where the folder allows them) and with named
// ones, through the file-system calls of the system it is built for: replacing, backups,
// failures that keep the target, files finished before any is committed, partial writes,
// and the removal of temporaries a crash left. File modes: atomic_file_posix_test.cpp.
#include "core/atomic_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <ostream>
#include <set>
#include <string>

#include "core/temporary_names.h"
#include "support/failing_file_system_calls.h"
#include "support/scratch_files.h"

namespace zirdan {
namespace {
namespace fs = std::filesystem;
using test::FailingFileSystemCalls;
using test::FileNamesIn;
using test::ReadFileBytes;
using test::WriteFileBytes;
using Names = std::set<std::string>;

struct WriterPath {
  const char* name;
  bool unnamed;
};

std::ostream& operator<<(std::ostream& out, const WriterPath& c) {
  return out << c.name;
}

// Each test runs once with unnamed temporaries and once with named ones. The writer's
// calls pass through a FailingFileSystemCalls, which a test may tell to misbehave.
class AtomicFileTest : public ::testing::TestWithParam<WriterPath> {
 protected:
  void SetUp() override {
    if (GetParam().unnamed && !test::UnnamedFilesWorkIn(m_folder.Path()))
      GTEST_SKIP() << "no unnamed files in " << m_folder.Path();
    if (!GetParam().unnamed) m_calls.RefuseUnnamedFiles();
    m_scoped.emplace(m_calls);
  }
  std::string File(const std::string& name) const { return m_folder.File(name); }
  Names NamesInFolder() const { return FileNamesIn(m_folder.Path()); }

  test::ScratchFolder m_folder;
  FailingFileSystemCalls m_calls;
  std::optional<ScopedFileSystemCalls> m_scoped;
};

INSTANTIATE_TEST_SUITE_P(Temporaries, AtomicFileTest,
                         ::testing::Values(WriterPath{"Unnamed", true}, WriterPath{"Named", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Replacing and keeping the previous file ------------------------------------------

TEST_P(AtomicFileTest, ReplacesTheTargetAndKeepsOneBackup) {
  const std::string target = File("a.LOG");
  ASSERT_TRUE(WriteFileAtomically(target, "one"));
  AtomicFileWriter w;
  ASSERT_TRUE(w.Open(target));
  w.Write("two");
  ASSERT_TRUE(w.Commit(true));
  ASSERT_TRUE(w.Open(target));
  w.Write("three");
  ASSERT_TRUE(w.Commit(true));
  EXPECT_EQ(ReadFileBytes(target), "three");
  EXPECT_EQ(ReadFileBytes(target + ".bak"), "two");
  EXPECT_EQ(NamesInFolder(), (Names{"a.LOG", "a.LOG.bak"}));  // no temporary left
}

TEST_P(AtomicFileTest, PiecesOfAllSizesArriveInOrderThroughPartialWrites) {
  m_calls.ShortenWrites();
  std::string expected;
  AtomicFileWriter w;
  ASSERT_TRUE(w.Open(File("a.txt")));
  for (std::size_t size : {1u, 7u, 100000u, 300000u, 3u, 131072u, 131071u}) {
    const std::string piece(size, static_cast<char>('a' + size % 26));
    w.Write(piece);
    expected += piece;
  }
  ASSERT_TRUE(w.Commit());
  EXPECT_EQ(ReadFileBytes(File("a.txt")), expected);
}

// ---- Without a commit nothing changes ----------------------------------------------------

TEST_P(AtomicFileTest, WithoutCommitTheTargetIsUntouched) {
  const std::string target = File("a.txt");
  ASSERT_TRUE(WriteFileAtomically(target, "kept"));
  {
    AtomicFileWriter w;
    ASSERT_TRUE(w.Open(target));
    w.Write("half-writ");
  }
  EXPECT_EQ(ReadFileBytes(target), "kept");
  EXPECT_EQ(NamesInFolder(), Names{"a.txt"});
}

TEST_P(AtomicFileTest, AFinishedFileReplacesTheTargetOnlyAtCommit) {
  const std::string target = File("a.txt");
  ASSERT_TRUE(WriteFileAtomically(target, "kept"));
  {
    AtomicFileWriter w;
    ASSERT_TRUE(w.Open(target));
    w.Write("finished but never committed");
    ASSERT_TRUE(w.Finish());
    EXPECT_EQ(ReadFileBytes(target), "kept");
  }
  EXPECT_EQ(ReadFileBytes(target), "kept");
  EXPECT_EQ(NamesInFolder(), Names{"a.txt"});

  AtomicFileWriter w;
  ASSERT_TRUE(w.Open(target));
  w.Write("new");
  ASSERT_TRUE(w.Finish());
  ASSERT_TRUE(w.Commit());
  EXPECT_EQ(ReadFileBytes(target), "new");
  EXPECT_EQ(NamesInFolder(), Names{"a.txt"});
}

// As the CSV export does: all files complete before the first replaces anything. Unnamed
// temporaries stay invisible until their own commit.
TEST_P(AtomicFileTest, SeveralFilesFinishedBeforeAnyIsCommitted) {
  constexpr int kFiles = 6;
  AtomicFileWriter writers[kFiles];
  for (int i = 0; i < kFiles; ++i) {
    ASSERT_TRUE(writers[i].Open(File(std::to_string(i) + ".csv")));
    writers[i].Write("file " + std::to_string(i));
  }
  for (auto& writer : writers) ASSERT_TRUE(writer.Finish());
  if (GetParam().unnamed) {
    EXPECT_EQ(NamesInFolder(), Names{});
  }
  for (auto& writer : writers) ASSERT_TRUE(writer.Commit());
  Names expected;
  for (int i = 0; i < kFiles; ++i) {
    expected.insert(std::to_string(i) + ".csv");
    EXPECT_EQ(ReadFileBytes(File(std::to_string(i) + ".csv")), "file " + std::to_string(i));
  }
  EXPECT_EQ(NamesInFolder(), expected);
}

TEST_P(AtomicFileTest, AMissingFolderFails) {
  EXPECT_FALSE(WriteFileAtomically(File("no/such/a.txt"), "x").Ok());
}

// ---- File systems without unnamed files or hard links ---------------------------------------

class AtomicFileWithoutUnnamedFiles : public ::testing::TestWithParam<int> {};

// A kernel or file system without O_TMPFILE answers one of these; the writer then uses a
// named temporary. Any other error is a failure.
TEST_P(AtomicFileWithoutUnnamedFiles, FallsBackToANamedTemporary) {
  test::ScratchFolder folder;
  FailingFileSystemCalls calls;
  calls.RefuseUnnamedFiles(GetParam());
  ScopedFileSystemCalls scoped(calls);
  ASSERT_TRUE(WriteFileAtomically(folder.File("a.txt"), "written"));
  EXPECT_EQ(ReadFileBytes(folder.File("a.txt")), "written");
  EXPECT_EQ(FileNamesIn(folder.Path()), Names{"a.txt"});
}

INSTANTIATE_TEST_SUITE_P(Answers, AtomicFileWithoutUnnamedFiles,
                         ::testing::Values(EOPNOTSUPP, EISDIR, EINVAL), [](const auto& info) {
                           return std::string(info.param == EOPNOTSUPP ? "EOPNOTSUPP"
                                              : info.param == EISDIR   ? "EISDIR"
                                                                       : "EINVAL");
                         });

// FAT answers a hard link with EPERM, and an unnamed file with EOPNOTSUPP.
TEST(AtomicFileWithoutHardLinks, KeepsACopyAsTheBackup) {
  test::ScratchFolder folder;
  const std::string target = folder.File("a.LOG");
  WriteFileBytes(target, "old");
  FailingFileSystemCalls calls;
  calls.RefuseUnnamedFiles();
  calls.FailEvery("link", EPERM);
  ScopedFileSystemCalls scoped(calls);
  AtomicFileWriter w;
  ASSERT_TRUE(w.Open(target));
  w.Write("new");
  ASSERT_TRUE(w.Commit(true));
  EXPECT_EQ(ReadFileBytes(target), "new");
  EXPECT_EQ(ReadFileBytes(target + ".bak"), "old");
}

// ---- Temporaries a crash left behind -----------------------------------------------------

TEST(AtomicFileLeftovers, AFinishedSaveRemovesItsOwnTemporariesOlderThanADay) {
  test::ScratchFolder folder;
  const auto twoDaysAgo = fs::file_time_type::clock::now() - std::chrono::hours(48);
  auto leave = [&](const std::string& name, bool old) {
    WriteFileBytes(folder.File(name), "left");
    if (old) fs::last_write_time(folder.File(name), twoDaysAgo);
  };
  leave(".a.LOG.Xy09ab", true);   // removed
  leave(".a.LOG.q1W2e3", true);   // removed
  leave(".a.LOG.fresh1", false);  // another save may still be writing it
  leave(".b.LOG.Xy09ab", true);   // another file's
  leave("a.LOG.Xy09ab", true);    // not hidden
  leave(".a.LOG.Xy09a", true);    // five letters
  leave(".a.LOG.Xy09abc", true);  // seven letters
  leave(".a.LOG.Xy-9ab", true);   // not a letter or digit
  fs::create_directory(folder.File(".a.LOG.folder"));
  std::error_code folderTime;  // Windows sets no folder's time this way; kept when new too
  fs::last_write_time(folder.File(".a.LOG.folder"), twoDaysAgo, folderTime);
  // Windows lets only some users make symbolic links; without one that case is left out.
  std::error_code noLink;
  fs::create_symlink(folder.File("a.LOG.Xy09ab"), folder.File(".a.LOG.link01"), noLink);

  ASSERT_TRUE(WriteFileAtomically(folder.File("a.LOG"), "new"));
  Names kept{"a.LOG",        ".a.LOG.fresh1",  ".b.LOG.Xy09ab", "a.LOG.Xy09ab",
             ".a.LOG.Xy09a", ".a.LOG.Xy09abc", ".a.LOG.Xy-9ab", ".a.LOG.folder"};
  if (!noLink) kept.insert(".a.LOG.link01");
  EXPECT_EQ(FileNamesIn(folder.Path()), kept);
}

TEST(AtomicFileLeftovers, ALeftoverThatCannotBeRemovedDoesNotFailTheSave) {
  test::ScratchFolder folder;
  WriteFileBytes(folder.File(".a.LOG.Xy09ab"), "left");
  fs::last_write_time(folder.File(".a.LOG.Xy09ab"),
                      fs::file_time_type::clock::now() - std::chrono::hours(48));
  FailingFileSystemCalls calls;
  calls.FailEvery("unlink", EACCES);
  ScopedFileSystemCalls scoped(calls);
  ASSERT_TRUE(WriteFileAtomically(folder.File("a.LOG"), "new"));
  EXPECT_EQ(ReadFileBytes(folder.File("a.LOG")), "new");
  EXPECT_EQ(FileNamesIn(folder.Path()), (Names{"a.LOG", ".a.LOG.Xy09ab"}));
}

}  // namespace
}  // namespace zirdan
