#include "core/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace zirdan {
namespace {
namespace fs = std::filesystem;

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("zirdan_atomic_" + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override {
    fs::permissions(m_dir, fs::perms::owner_all);
    fs::remove_all(m_dir);
  }
  size_t FileCount() const {
    return static_cast<size_t>(std::distance(fs::directory_iterator(m_dir), {}));
  }
  fs::path m_dir;
};

TEST_F(AtomicFileTest, ReplacesTheTargetAndKeepsOneBackup) {
  const std::string target = (m_dir / "a.LOG").string();
  ASSERT_TRUE(WriteFileAtomically(target, "one"));
  AtomicFileWriter w;
  ASSERT_TRUE(w.Open(target));
  w.Write("two");
  ASSERT_TRUE(w.Commit(true));
  ASSERT_TRUE(w.Open(target));
  w.Write("three");
  ASSERT_TRUE(w.Commit(true));
  EXPECT_EQ(ReadAll(target), "three");
  EXPECT_EQ(ReadAll(target + ".bak"), "two");
  EXPECT_EQ(FileCount(), 2u);  // no temporary left
}

TEST_F(AtomicFileTest, WithoutCommitTheTargetIsUntouched) {
  const std::string target = (m_dir / "a.txt").string();
  ASSERT_TRUE(WriteFileAtomically(target, "kept"));
  {
    AtomicFileWriter w;
    ASSERT_TRUE(w.Open(target));
    w.Write("half-writ");
  }
  EXPECT_EQ(ReadAll(target), "kept");
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(AtomicFileTest, AFinishedFileReplacesTheTargetOnlyAtCommit) {
  const std::string target = (m_dir / "a.txt").string();
  ASSERT_TRUE(WriteFileAtomically(target, "kept"));
  {
    AtomicFileWriter w;
    ASSERT_TRUE(w.Open(target));
    w.Write("finished but never committed");
    ASSERT_TRUE(w.Finish());
    EXPECT_EQ(ReadAll(target), "kept");
  }
  EXPECT_EQ(ReadAll(target), "kept");
  EXPECT_EQ(FileCount(), 1u);

  AtomicFileWriter w;
  ASSERT_TRUE(w.Open(target));
  w.Write("new");
  ASSERT_TRUE(w.Finish());
  ASSERT_TRUE(w.Commit());
  EXPECT_EQ(ReadAll(target), "new");
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(AtomicFileTest, AFolderThatCannotBeWrittenFailsAndKeepsTheFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
  const std::string target = (m_dir / "a.txt").string();
  ASSERT_TRUE(WriteFileAtomically(target, "kept"));
  fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec);
  OpResult r = WriteFileAtomically(target, "new");
  EXPECT_FALSE(r.Ok());
  EXPECT_NE(r.Text().find(target), std::string::npos) << r.Text();
  EXPECT_FALSE(r.Detail().empty());
  EXPECT_EQ(ReadAll(target), "kept");
}

TEST_F(AtomicFileTest, AMissingFolderFails) {
  EXPECT_FALSE(WriteFileAtomically((m_dir / "no" / "such" / "a.txt").string(), "x").Ok());
}

}  // namespace
}  // namespace zirdan
