// Registering ".LOG" on a freedesktop system: a per-user desktop entry and MIME package
// under XDG_DATA_HOME, the databases refreshed and the program made the default handler.
#include "adapters/qt_file_association.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>

#include "env/file_association.h"
#include "support/qt_application.h"
#include "support/scratch_files.h"

namespace zirdan {
namespace {

const bool kApplication = test::UseQtApplication<QCoreApplication>();

#ifndef Q_OS_WIN

struct ToolCalls {
  QStringList calls;
  int exitCode = 0;
  DesktopToolRunner Runner() {
    return [this](const QString& program, const QStringList& arguments) {
      calls << program + " " + arguments.join(' ');
      return exitCode;
    };
  }
};

class FreedesktopRegistration : public ::testing::Test {
 protected:
  QString DataHome() const { return QString::fromStdString(m_folder.File("data")); }
  std::string Read(const std::string& relative) const {
    return test::ReadFileBytes(m_folder.File("data/" + relative));
  }
  test::ScratchFolder m_folder;
  const QString m_program = "/opt/zirdan/bin/zirdanlog";
};

TEST_F(FreedesktopRegistration, WritesTheEntryAndPackageAndRefreshesTheDatabases) {
  ToolCalls tools;
  ASSERT_TRUE(RegisterLogFileType(m_program, DataHome(), tools.Runner()));
  EXPECT_EQ(Read("applications/cz.brandivo.zirdanlog.desktop"), DesktopEntryText(m_program.toStdString()));
  EXPECT_EQ(Read("mime/packages/zirdanlog.xml"), MimePackageText());
  EXPECT_EQ(tools.calls, QStringList({"update-mime-database " + DataHome() + "/mime",
                                      "update-desktop-database " + DataHome() + "/applications",
                                      "xdg-mime default cz.brandivo.zirdanlog.desktop application/zirdan"}));
}

TEST_F(FreedesktopRegistration, RegisteringTwiceGivesTheSameFilesAndSucceedsAgain) {
  ToolCalls tools;
  ASSERT_TRUE(RegisterLogFileType(m_program, DataHome(), tools.Runner()));
  const std::set<std::string> first = test::FileNamesIn(m_folder.Path() / "data/applications");
  const std::string entry = Read("applications/cz.brandivo.zirdanlog.desktop");
  const std::string package = Read("mime/packages/zirdanlog.xml");
  ASSERT_TRUE(RegisterLogFileType(m_program, DataHome(), tools.Runner()));
  EXPECT_EQ(test::FileNamesIn(m_folder.Path() / "data/applications"), first);
  EXPECT_EQ(test::FileNamesIn(m_folder.Path() / "data/mime/packages"),
            std::set<std::string>{"zirdanlog.xml"});
  EXPECT_EQ(Read("applications/cz.brandivo.zirdanlog.desktop"), entry);
  EXPECT_EQ(Read("mime/packages/zirdanlog.xml"), package);
}

TEST_F(FreedesktopRegistration, AFailureNamesTheMessageAndKeepsWhatWasWritten) {
  // A file where the MIME folder should be: the entry is written, the package cannot be.
  std::filesystem::create_directories(m_folder.Path() / "data");
  test::WriteFileBytes(m_folder.File("data/mime"), "not a folder");
  ToolCalls tools;
  const OpResult done = RegisterLogFileType(m_program, DataHome(), tools.Runner());
  EXPECT_FALSE(done);
  EXPECT_EQ(done.MessageKey(), "StrChRegistLog");
  EXPECT_FALSE(Read("applications/cz.brandivo.zirdanlog.desktop").empty());
  EXPECT_TRUE(tools.calls.isEmpty());

  // A refresh tool that fails is a failure too: the type would not be known.
  std::filesystem::remove(m_folder.Path() / "data/mime");
  tools.exitCode = 3;
  const OpResult refused = RegisterLogFileType(m_program, DataHome(), tools.Runner());
  EXPECT_EQ(refused.MessageKey(), "StrChRegistLog");
  EXPECT_NE(refused.Detail().find("update-mime-database"), std::string::npos) << refused.Detail();
}

TEST(UserDataHome, FollowsXdgDataHomeElseTheHomeFolder) {
  qputenv("XDG_DATA_HOME", "/tmp/somewhere");
  EXPECT_EQ(UserDataHome(), "/tmp/somewhere");
  qputenv("XDG_DATA_HOME", "relative/is/ignored");
  EXPECT_TRUE(UserDataHome().endsWith("/.local/share"));
  qunsetenv("XDG_DATA_HOME");
}

#endif

}  // namespace
}  // namespace zirdan
