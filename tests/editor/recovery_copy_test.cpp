#include "editor/recovery_copy.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

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
  // Dates the logbook file `seconds` after (or before) the copy.
  void AgeLogbookAgainstCopy(int seconds) {
    const fs::file_time_type copied = fs::last_write_time(m_folder.File("recovery/unsaved.LOG"));
    fs::last_write_time(m_logPath, copied + std::chrono::seconds(seconds));
  }

  test::ScratchFolder m_folder;
  std::string m_logPath = m_folder.File("dives.LOG");
  RecoveryCopy m_copy{m_folder.File("recovery")};
  TLogbook m_book;
};

TEST_F(RecoveryCopyTest, ACopyOfANeverSavedLogbookIsOfferedAndReadsBackChanged) {
  ASSERT_TRUE(m_copy.Write(m_book, m_logPath, {}));
  EXPECT_FALSE(fs::exists(m_logPath)) << "the logbook itself is never written";
  EXPECT_EQ(m_copy.Offer(), m_logPath);
  TLogbook recovered;
  ASSERT_TRUE(m_copy.Load(recovered));
  EXPECT_TRUE(recovered.Zmeneno);
  EXPECT_EQ(test::EncodedBytes(recovered), test::EncodedBytes(m_book));
}

TEST_F(RecoveryCopyTest, OnlyACopyNewerThanItsLogbookIsOffered) {
  TLogbook saved = test::SampleLogbook(2);
  ASSERT_TRUE(SaveLogbook(m_logPath, saved));
  const std::string savedBytes = test::ReadFileBytes(m_logPath);
  ASSERT_TRUE(m_copy.Write(m_book, m_logPath, {}));
  EXPECT_EQ(test::ReadFileBytes(m_logPath), savedBytes);

  AgeLogbookAgainstCopy(-60);
  EXPECT_EQ(m_copy.Offer(), m_logPath);
  AgeLogbookAgainstCopy(+60);  // saved after the copy was made
  EXPECT_EQ(m_copy.Offer(), std::nullopt);
}

TEST_F(RecoveryCopyTest, ARemovedOrMissingCopyOffersNothing) {
  EXPECT_EQ(m_copy.Offer(), std::nullopt);
  ASSERT_TRUE(m_copy.Write(m_book, m_logPath, {}));
  m_copy.Remove();
  EXPECT_EQ(m_copy.Offer(), std::nullopt);
  EXPECT_TRUE(fs::is_empty(m_folder.File("recovery")));

  const RecoveryCopy off{""};
  EXPECT_TRUE(off.Write(m_book, m_logPath, {}));
  EXPECT_EQ(off.Offer(), std::nullopt);
}

}  // namespace
}  // namespace zirdan
