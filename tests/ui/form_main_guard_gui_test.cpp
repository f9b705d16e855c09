// The main window never loses an edit silently: a question closed with its window button
// cancels, a logbook open in another editor is locked, a file another program changed is
// not overwritten unasked, and every editor's unsaved edits survive its crash.
#include <QCoreApplication>
#include <QProcess>
#include <QPushButton>
#include <QSysInfo>
#include <filesystem>
#include <thread>

#include "adapters/qt_file_lock.h"
#include "editor/logbook_guard.h"
#include "support/cli_runner.h"
#include "support/form_main_harness.h"
#include "support/qt_application.h"

namespace zirdan::test {
namespace {

namespace fs = std::filesystem;

const bool kApplication = UseQtApplication<QApplication>();

constexpr char kHelperMode[] = "ZIRDAN_TEST_HELPER";      // "hold" or "edit"
constexpr char kHelperLogbook[] = "ZIRDAN_TEST_LOGBOOK";  // the logbook it works on
constexpr char kHelperRecovery[] = "ZIRDAN_TEST_RECOVERY";

// Another editor: this test program run again as the one case below, holding the lock of a
// logbook ("hold") or editing it in a main window with a copy of the edit written ("edit"),
// until it is killed.
class OtherEditor {
 public:
  OtherEditor(const char* mode, const std::string& logbook, const std::string& recovery = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kHelperMode, mode);
    environment.insert(kHelperLogbook, QString::fromStdString(logbook));
    environment.insert(kHelperRecovery, QString::fromStdString(recovery));
    m_process.setProcessEnvironment(environment);
    m_process.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=OtherEditorProcess.RunsUntilKilled"});
    QByteArray output;
    while (!output.contains("ready") && m_process.waitForReadyRead(30000))
      output += m_process.readAllStandardOutput();
    EXPECT_TRUE(output.contains("ready"))
        << output.toStdString() << m_process.readAllStandardError().toStdString();
  }
  ~OtherEditor() { Kill(); }
  qint64 Pid() const { return m_process.processId(); }
  // SIGKILL: nothing of the editor's own runs, its lock file stays behind.
  void Kill() {
    if (m_process.state() == QProcess::NotRunning) return;
    m_process.kill();
    m_process.waitForFinished();
  }

 private:
  QProcess m_process;
};

TEST(OtherEditorProcess, RunsUntilKilled) {
  const QByteArray mode = qgetenv(kHelperMode);
  if (mode.isEmpty()) GTEST_SKIP() << "run only as another editor by the tests below";
  const std::string logbook = qEnvironmentVariable(kHelperLogbook).toStdString();
  LogbookGuard guard(QtFileLocks());
  MemorySettingsStore store;
  std::unique_ptr<TFormMain> window;
  if (mode == "hold") {
    ASSERT_EQ(guard.Claim(logbook).State, LockState::Taken);
  } else {
    SetAppMessageAnswers([](const QString&, MessageKind) { return kResultCancel; });
    StartOptions options;
    options.StartFileName = logbook;
    options.RecoveryFolder = qEnvironmentVariable(kHelperRecovery).toStdString();
    window = std::make_unique<TFormMain>(store, options);
    window->show();
    ASSERT_TRUE(window->Model().Logbook().Nacteno);
    QLineEdit* note = Find<QLineEdit>(*window, "EditPoznamka");
    note->selectAll();
    QTest::keyClicks(note, "Typed in " + QString(mode));
    window->WriteRecoveryCopy();
  }
  std::printf("ready\n");
  std::fflush(stdout);
  for (;;) QTest::qWait(1000);
}

class FormMainGuardTest : public FormMainGuiTest {
 protected:
  void SetUp() override {
    FormMainGuiTest::SetUp();
    m_recoveryFolder = m_folder.File("recovery");
  }
  void TearDown() override {
    for (auto& window : m_windows) {
      m_answers = {kResultNo};  // do not save the changes
      window->close();
      m_answers.clear();
    }
    FormMainGuiTest::TearDown();
  }
  TFormMain& Keep(std::unique_ptr<TFormMain> window) {
    m_windows.push_back(std::move(window));
    return *m_windows.back();
  }
  std::string LockFile() const { return m_folder.File(".dives.LOG.lock"); }
  std::string LockOwner() const {  // the process id the lock file names
    const std::string text = ReadFileBytes(LockFile());
    return text.substr(0, text.find('\n'));
  }
  static std::string Here() { return std::to_string(QCoreApplication::applicationPid()); }
  // Another program writes the logbook with one dive more.
  std::string WriteAsAnotherProgram() {
    TLogbook other = MainWindowSampleLogbook();
    other.Append(SampleDive(6));
    EXPECT_TRUE(SaveLogbook(m_logPath, other));
    return ReadFileBytes(m_logPath);
  }
  std::vector<std::unique_ptr<TFormMain>> m_windows;  // closed without saving at the end
};

TEST_F(FormMainGuardTest, AQuestionClosedWithItsWindowButtonCancelsTheCommand) {
  TFormMain& window = Keep(StartWithLogbook());
  const std::string saved = ReadFileBytes(m_logPath);
  TypeOver(Find<QLineEdit>(window, "EditMisto"), "Blue Hole");
  for (const char* command : {"Konec1", "Nov1", "Otevt1"}) {
    SCOPED_TRACE(command);
    m_answers = {kResultCancel};  // "save the changes?" closed with ×
    Trigger(window, command);
    EXPECT_TRUE(window.isVisible()) << "the program stays open";
    EXPECT_EQ(window.Model().FileName(), m_logPath);
    EXPECT_EQ(window.Model().Logbook().PocetPonoru(), 5u);
    EXPECT_EQ(Text(window, "EditMisto"), "Blue Hole") << "the edit is still there";
    EXPECT_TRUE(window.Model().Logbook().Zmeneno);
    EXPECT_EQ(ReadFileBytes(m_logPath), saved) << "nothing saved";
  }
}

TEST_F(FormMainGuardTest, TheMessageBoxClosedOrEscapedAnswersAsTheQuestionAllows) {
  SetAppMessageAnswers(nullptr);  // the real box
  {
    ModalAnswer close([](QDialog& box) { box.close(); });
    EXPECT_EQ(AppMessageBox().Show("Save?", MessageKind::Question), kResultCancel);
  }
  {
    ModalAnswer escape([](QDialog& box) { PressEscape(box); });
    EXPECT_EQ(AppMessageBox().Show("Overwrite?", MessageKind::Question, EscapeKey::Cancels),
              kResultCancel);
  }
}

TEST_F(FormMainGuardTest, TheRecoveryCopyHoldsWhatTheDiverJustTyped) {
  TFormMain& window = Keep(StartWithLogbook());
  const ponor shownBefore = *window.Model().CurrentDive();
  TypeOver(Find<QLineEdit>(window, "EditLahev"), "15");
  QTest::keyClick(Find<QLineEdit>(window, "EditLahev"), Qt::Key_Tab);  // committed with Tab
  TypeOver(Find<QLineEdit>(window, "EditPoznamka"), "Octopus in the wreck");
  window.WriteRecoveryCopy();

  std::vector<std::string> copies;
  for (const std::string& name : FileNamesIn(m_recoveryFolder))
    if (fs::path(name).extension() == ".LOG") copies.push_back(m_recoveryFolder + "/" + name);
  ASSERT_EQ(copies.size(), 1u);
  TLogbook copy;
  ASSERT_TRUE(LoadLogbook(copies[0], copy));
  EXPECT_EQ(copy.Posledni()->Poznamka, "Octopus in the wreck");
  EXPECT_EQ(copy.Posledni()->Lahev, 1500);
  EXPECT_EQ(window.Model().CurrentDive()->Poznamka, shownBefore.Poznamka)
      << "the open logbook is as it was";
  EXPECT_TRUE(window.Model().FieldsEdited());
}

TEST_F(FormMainGuardTest, ASecondEditorAsksAndAKilledOnesLockIsTakenOverUnasked) {
  OtherEditor first("hold", m_logPath);
  m_answers = {kResultNo};
  EXPECT_FALSE(Keep(StartWithLogbook()).Model().Logbook().Nacteno) << "no opens nothing";
  const std::string question = m_shown.at(0).text.toStdString();
  for (const std::string& named :
       {m_logPath, std::to_string(first.Pid()), QSysInfo::machineHostName().toStdString()})
    EXPECT_NE(question.find(named), std::string::npos) << question;

  const qint64 killed = first.Pid();
  first.Kill();
  EXPECT_EQ(LockOwner(), std::to_string(killed)) << "left behind";
  TFormMain& window = Keep(StartWithLogbook());  // any question would fail the test
  EXPECT_TRUE(window.Model().Logbook().Nacteno);
  EXPECT_EQ(LockOwner(), Here());
  window.close();  // no changes: the lock goes with the window
  EXPECT_FALSE(fs::exists(LockFile()));
}

TEST_F(FormMainGuardTest, ASaveOverAnotherProgramsChangesAsksFirst) {
  for (int answer : {kResultCancel, kResultYes}) {
    SCOPED_TRACE(answer);
    TFormMain& window = Keep(StartWithLogbook());
    TypeOver(Find<QLineEdit>(window, "EditMisto"), "Blue Hole");
    const std::string theirs = WriteAsAnotherProgram();
    m_answers = {answer};
    Trigger(window, "Uloit1");
    ASSERT_TRUE(m_answers.empty()) << "the save asked";
    TLogbook onDisk;
    ASSERT_TRUE(LoadLogbook(m_logPath, onDisk));
    if (answer == kResultYes) {
      EXPECT_EQ(onDisk.PocetPonoru(), 5u);
      EXPECT_EQ(onDisk.Posledni()->Misto, "Blue Hole");
      EXPECT_FALSE(window.Model().Logbook().Zmeneno);
    } else {
      EXPECT_EQ(ReadFileBytes(m_logPath), theirs) << "the other program's bytes stay";
      EXPECT_TRUE(window.Model().Logbook().Zmeneno);
    }
    if (window.Model().Logbook().Zmeneno) m_answers = {kResultNo};  // do not save the changes
    window.close();
    m_windows.clear();
    TLogbook fresh = MainWindowSampleLogbook();
    ASSERT_TRUE(SaveLogbook(m_logPath, fresh));
  }
}

TEST_F(FormMainGuardTest, TheToolRefusesALogbookAnEditorHolds) {
  TFormMain& window = Keep(StartWithLogbook());
  const std::string saved = ReadFileBytes(m_logPath);
  const std::vector<std::vector<std::string>> writes = {{"resave", m_logPath, m_logPath},
                                                        {"join", m_logPath, "4"},
                                                        {"split", m_logPath, "5", "--at", "10"}};
  for (const auto& args : writes) {
    SCOPED_TRACE(args[0]);
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("open in"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(Here()), std::string::npos) << run.err;
    EXPECT_EQ(ReadFileBytes(m_logPath), saved);
  }
  window.close();
  m_windows.clear();
  EXPECT_EQ(RunTool({"resave", m_logPath, m_logPath}).exitCode, 0);
  EXPECT_FALSE(fs::exists(LockFile())) << "the tool lets its lock go";
}

TEST_F(FormMainGuardTest, TwoKilledEditorsBothHaveTheirEditsOffered) {
  const std::string other = m_folder.File("other.LOG");
  TLogbook sample = MainWindowSampleLogbook();
  ASSERT_TRUE(SaveLogbook(other, sample));
  {
    OtherEditor first("edit", m_logPath, m_recoveryFolder);
    OtherEditor second("edit", other, m_recoveryFolder);
  }  // both killed
  for (const std::string& name : FileNamesIn(m_recoveryFolder))
    if (fs::path(name).extension() == ".LOG")
      fs::last_write_time(m_recoveryFolder + "/" + name,
                          fs::last_write_time(m_logPath) + std::chrono::seconds(60));

  m_answers = {kResultCancel, kResultYes};  // the first kept for later, the second opened
  TFormMain& window = Keep(Start());
  ASSERT_EQ(m_shown.size(), 2u);
  EXPECT_TRUE(m_shown[0].text.contains(QString::fromStdString(m_logPath)));
  EXPECT_TRUE(m_shown[1].text.contains(QString::fromStdString(other)));
  EXPECT_EQ(window.Model().FileName(), other);
  EXPECT_EQ(window.Model().Logbook().Posledni()->Poznamka, "Typed in edit");
  EXPECT_TRUE(window.Model().Logbook().Zmeneno);
}

TEST_F(FormMainGuardTest, ALogbookInAReadOnlyFolderOpensWithoutALock) {
  const fs::path folder = m_folder.Path() / "cdrom";
  fs::create_directory(folder);
  const std::string logbook = (folder / "dives.LOG").string();
  TLogbook sample = MainWindowSampleLogbook();
  ASSERT_TRUE(SaveLogbook(logbook, sample));
  // Only the folder of the logbook is read-only; the way to it is open to the child.
  fs::permissions(m_folder.Path(),
                  fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
  fs::permissions(logbook, fs::perms::owner_read | fs::perms::others_read);
  const std::string outcome = RunInChild(
      [&]() -> std::string {
        LogbookGuard guard(QtFileLocks());
        if (guard.Claim(logbook).State != LockState::Unavailable) return "a lock was made";
        TLogbook loaded;
        DiskState state;
        if (!LoadLogbookWithState(logbook, loaded, state)) return "not opened";
        guard.Opened(logbook, state);
        if (guard.HoldsLock() || fs::exists(folder / ".dives.LOG.lock")) return "locked";
        return "";
      },
      true);
  if (outcome.rfind("SKIP", 0) == 0) GTEST_SKIP() << outcome;
  EXPECT_EQ(outcome, "");
}

}  // namespace
}  // namespace zirdan::test
