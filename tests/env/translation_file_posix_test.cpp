// The translation file beside a named pipe, which only POSIX systems make with mkfifo.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "env/translation_file.h"
#include "support/scratch_files.h"

namespace zirdan {
namespace {

TEST(TranslationFileLoad, APipeIsAnEmptyTranslation) {
  test::ScratchFolder folder;
  // A pipe nobody writes to would block a plain read for ever.
  const std::string pipe = folder.File("pipe.ini");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(TTranslationFile::Load(pipe).Read("S", "k"), "Error");
}

}  // namespace
}  // namespace zirdan
