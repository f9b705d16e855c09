// The main window keeps a copy of unsaved edits and offers it after a crash.
#include <QApplication>
#include <filesystem>

#include "support/form_main_harness.h"
#include "support/qt_application.h"

namespace zirdan::test {
namespace {

const bool kApplication = UseQtApplication<QApplication>();

class FormMainRecoveryTest : public FormMainGuiTest {
 protected:
  void SetUp() override {
    FormMainGuiTest::SetUp();
    m_recoveryFolder = m_folder.File("recovery");
  }
  // A run that edits the logbook and dies before saving, leaving its copy behind.
  void CrashWithAnEdit() {
    auto window = StartWithLogbook();
    TypeOver(Find<QLineEdit>(*window, "EditMisto"), "Blue Hole");
    m_answers = {kResultYes};  // insert a dive: the command stores the edit as well
    Trigger(*window, "Novponor1");
    window->WriteRecoveryCopy();
    // The window is dropped without its close: as far as the files know, a crash. The
    // copy is dated after the logbook, as a minute of editing would have it.
    const auto copied = std::filesystem::last_write_time(m_logPath) + std::chrono::seconds(60);
    ASSERT_EQ(Copies().size(), 1u);
    std::filesystem::last_write_time(Copies()[0], copied);
    window.reset();
    m_logBytes = ReadFileBytes(m_logPath);
  }
  // The copies of unsaved edits in the folder.
  std::vector<std::string> Copies() const {
    std::vector<std::string> copies;
    for (const std::string& name : FileNamesIn(m_recoveryFolder))
      if (std::filesystem::path(name).extension() == ".LOG")
        copies.push_back(m_recoveryFolder + "/" + name);
    return copies;
  }

  std::string m_logBytes;
};

TEST_F(FormMainRecoveryTest, AcceptedEditsOpenAsTheChangedLogbook) {
  CrashWithAnEdit();
  m_answers = {kResultYes};
  auto window = StartWithLogbook();
  EXPECT_TRUE(window->Model().Logbook().Zmeneno);
  EXPECT_EQ(window->Model().Logbook().PocetPonoru(), 6u);
  EXPECT_EQ(window->Model().FileName(), m_logPath);
  EXPECT_EQ(ReadFileBytes(m_logPath), m_logBytes) << "the logbook waits for the diver's save";
  Trigger(*window, "Uloit1");
  EXPECT_TRUE(Copies().empty());
  EXPECT_NE(ReadFileBytes(m_logPath), m_logBytes);
}

TEST_F(FormMainRecoveryTest, DeclinedEditsAreDeletedAndTheLogbookOpensAsSaved) {
  CrashWithAnEdit();
  m_answers = {kResultNo};
  auto window = StartWithLogbook();
  EXPECT_FALSE(window->Model().Logbook().Zmeneno);
  EXPECT_EQ(window->Model().Logbook().PocetPonoru(), 5u);
  EXPECT_TRUE(Copies().empty());
}

TEST_F(FormMainRecoveryTest, ACopyLeftByAnEarlierVersionIsStillOffered) {
  CrashWithAnEdit();
  const std::string copy = Copies()[0];
  const auto copied = std::filesystem::last_write_time(copy);
  std::filesystem::rename(copy, m_recoveryFolder + "/unsaved.LOG");
  std::filesystem::rename(copy.substr(0, copy.size() - 4) + ".path",
                          m_recoveryFolder + "/unsaved.path");
  std::filesystem::last_write_time(m_recoveryFolder + "/unsaved.LOG", copied);
  m_answers = {kResultYes};
  auto window = StartWithLogbook();
  EXPECT_EQ(window->Model().Logbook().PocetPonoru(), 6u);
  window->WriteRecoveryCopy();
  EXPECT_EQ(Copies().size(), 1u) << "written on under the logbook's own name";
  m_answers = {kResultNo};
  window->close();
}

TEST_F(FormMainRecoveryTest, NothingIsOfferedAfterACleanExit) {
  {
    auto window = StartWithLogbook();
    m_answers = {kResultYes};
    Trigger(*window, "Novponor1");
    window->WriteRecoveryCopy();
    ASSERT_EQ(Copies().size(), 1u);
    m_answers = {kResultNo};  // do not save the changes
    window->close();
  }
  EXPECT_TRUE(Copies().empty());
  auto window = StartWithLogbook();  // no question is asked
  EXPECT_EQ(window->Model().Logbook().PocetPonoru(), 5u);
}

}  // namespace
}  // namespace zirdan::test
