#include "env/data_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/scratch_files.h"

namespace zirdan {
namespace {

namespace fs = std::filesystem;

// A program folder as a build leaves it (data beside the executable) or as an install
// does (bin/ and share/zirdanlog/ under one prefix).
TEST(DataFiles, BesideTheExecutableFirstThenTheInstallPrefix) {
  test::ScratchFolder root;
  const std::string bin = root.File("prefix/bin") + "/";
  fs::create_directories(bin);
  fs::create_directories(root.File("prefix/share/zirdanlog"));
  EXPECT_EQ(FindDataFile(bin, "Language.ini"), bin + "Language.ini") << "missing everywhere";

  test::WriteFileBytes(root.File("prefix/share/zirdanlog/Language.ini"), "[Language]\n");
  // The same path, whichever separators the system writes.
  EXPECT_EQ(fs::path(FindDataFile(bin, "Language.ini")),
            fs::path(root.File("prefix/share/zirdanlog/Language.ini")));

  test::WriteFileBytes(bin + "Language.ini", "[Language]\n");
  EXPECT_EQ(FindDataFile(bin, "Language.ini"), bin + "Language.ini");
}

}  // namespace
}  // namespace zirdan
