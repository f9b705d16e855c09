// What the program registers for ".LOG": the Windows file classes, the desktop entry and
// the MIME package, and the copies of the last two that the install ships.
#include "env/file_association.h"

#include <gtest/gtest.h>

#include "support/scratch_files.h"

namespace zirdan {
namespace {

TEST(FileClassValues, RegisterTheLogbookClassWithItsIconAndCommands) {
  const std::vector<FileClassValue> values = FileClassValues(R"(C:\Zirdan\zirdanlog.exe)");
  const std::vector<FileClassValue> expected = {
      {".LOG", "", "ZirdanLOGEditor.Dokument"},
      {".LOG", "Content Type", "application/zirdan"},
      {"ZirdanLOGEditor.Dokument", "", "Diver logbook from application Zirdan LOG Editor"},
      {R"(ZirdanLOGEditor.Dokument\DefaultIcon)", "", R"(C:\Zirdan\zirdanlog.exe,1)"},
      {R"(ZirdanLOGEditor.Dokument\shell\open)", "", "Open"},
      {R"(ZirdanLOGEditor.Dokument\shell\open\command)", "", R"(C:\Zirdan\zirdanlog.exe "%1")"},
      {R"(ZirdanLOGEditor.Dokument\shell\printto\command)", "", R"(C:\Zirdan\zirdanlog.exe "%1")"},
  };
  EXPECT_EQ(values, expected);
}

TEST(DesktopEntry, OpensLogbooksOfTheLogbookTypeWithTheProgram) {
  const std::string entry = DesktopEntryText("/opt/zirdan/bin/zirdanlog");
  EXPECT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0u);
  EXPECT_NE(entry.find("\nExec=/opt/zirdan/bin/zirdanlog %f\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\nMimeType=application/zirdan;\n"), std::string::npos);
  EXPECT_NE(entry.find("\nIcon=zirdanlog\n"), std::string::npos);
  EXPECT_NE(entry.find("\nType=Application\n"), std::string::npos);
}

TEST(DesktopEntry, QuotesAProgramPathWithReservedCharacters) {
  EXPECT_NE(DesktopEntryText("/home/jan/My Programs/zirdanlog")
                .find("\nExec=\"/home/jan/My Programs/zirdanlog\" %f\n"),
            std::string::npos);
  // "$" is escaped with a backslash, itself doubled by the entry's string escapes; "%" is
  // doubled so that it is not a field code.
  EXPECT_NE(DesktopEntryText("/a$b/100%/z").find("\nExec=\"/a\\\\$b/100%%/z\" %f\n"),
            std::string::npos)
      << DesktopEntryText("/a$b/100%/z");
}

TEST(MimePackage, NamesTheTypeItsGlobDescriptionAndIcon) {
  const std::string package = MimePackageText();
  EXPECT_NE(package.find("<mime-type type=\"application/zirdan\">"), std::string::npos);
  EXPECT_NE(package.find("<glob pattern=\"*.LOG\""), std::string::npos);
  EXPECT_NE(package.find("<comment>Diver logbook from application Zirdan LOG Editor</comment>"),
            std::string::npos);
  EXPECT_NE(package.find("<icon name=\"application-zirdan\"/>"), std::string::npos);
}

// The installed files are the ones the registration writes, with the program found on
// the PATH: if one changes, the other must follow.
TEST(InstalledDesktopFiles, AgreeWithWhatTheRegistrationWrites) {
  const std::string data = ZIRDAN_SOURCE_DIR "/data/";
  EXPECT_EQ(test::ReadFileBytes(data + std::string(kDesktopEntryName)),
            DesktopEntryText("zirdanlog"));
  // Software centres find the editor's AppStream metadata by the desktop entry's name.
  const std::string metainfo =
      test::ReadFileBytes(data + std::string(kApplicationId) + ".metainfo.xml");
  EXPECT_NE(metainfo.find("<id>" + std::string(kApplicationId) + "</id>"), std::string::npos);
  EXPECT_NE(metainfo.find("<launchable type=\"desktop-id\">" + std::string(kDesktopEntryName) +
                          "</launchable>"),
            std::string::npos);
  EXPECT_EQ(test::ReadFileBytes(ZIRDAN_SOURCE_DIR "/data/zirdanlog.xml"), MimePackageText());
}

}  // namespace
}  // namespace zirdan
