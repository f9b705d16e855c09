// Windows sharing rules: a logbook that another program holds open without letting others
// delete or rename it cannot be replaced. The save must fail cleanly and keep the logbook.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/file_open.h"
#include "core/log_file.h"
#include "support/logbook_samples.h"
#include "support/scratch_files.h"

namespace zirdan {
namespace {

TEST(AtomicFileSharing, ALogbookHeldOpenForReadingIsKeptAndTheSaveFails) {
  test::ScratchFolder folder;
  const std::string path = folder.File("a.LOG");
  const std::string oldBytes = test::EncodedBytes(test::SampleLogbook(2, 7));
  test::WriteFileBytes(path, oldBytes);
  // As a viewer or a backup program opens a file: reading, and sharing reading and writing
  // but not deleting.
  const HANDLE reader =
      CreateFileW(PathFromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);

  TLogbook changed = test::SampleLogbook(3, 9);
  changed.Zmeneno = true;
  const OpResult result = SaveLogbook(path, changed);
  CloseHandle(reader);

  EXPECT_FALSE(result.Ok());
  EXPECT_NE(result.Describe().find("rename failed"), std::string::npos) << result.Describe();
  EXPECT_TRUE(changed.Zmeneno);
  EXPECT_EQ(test::ReadFileBytes(path), oldBytes);
  // No temporary is left; the .bak, made before the replace was refused, is the same logbook.
  for (const std::string& name : test::FileNamesIn(folder.Path())) {
    if (name == "a.LOG") continue;
    EXPECT_EQ(name, "a.LOG.bak");
    EXPECT_EQ(test::ReadFileBytes(folder.File(name)), oldBytes);
  }
  // Once the other program lets go, the same save goes through.
  ASSERT_TRUE(SaveLogbook(path, changed));
  EXPECT_EQ(test::ReadFileBytes(path), test::EncodedBytes(changed));
}

}  // namespace
}  // namespace zirdan
