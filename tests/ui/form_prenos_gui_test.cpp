// The download from the editor: F5 opens the transfer window on the chosen port, which takes
// the frame the dive computer sends (here `zirdanlog-cli simulate` on a pseudo-terminal),
// and the new dives appear in the list. Failed, cancelled and timed-out transfers leave the
// logbook alone; the developer switches write and replay dump files.
#include <QDir>
#include <QProgressBar>
#include <QPushButton>
#include <filesystem>
#include <future>

#include "simulator/sample_image.h"
#include "support/cli_runner.h"
#include "support/form_main_harness.h"
#include "support/pseudo_terminal.h"
#include "support/qt_application.h"
#include "transfer/dump_file.h"

namespace zirdan::test {
namespace {

const bool kApplication = UseQtApplication<QApplication>();

constexpr char kTransferTexts[] =
    "[FormPrenos2]\n"
    "Label1=ready\n"
    "Label2=closing\n"
    "Label3=invalid\n"
    "Label4=timed out\n"
    "[FormInfo2]\n"
    "Label10=imperial\n"
    "Label11=metric\n"
    "Label12=beeper on\n"
    "Label13=beeper off\n";

// Answers the window of the given name once it is the active modal window; other modal
// windows (the transfer window under it) are left alone. It polls from a timer, so it also
// answers a window opened deep inside another window's event loop.
class NamedModalAnswer {
 public:
  NamedModalAnswer(QString name, std::function<void(QDialog&)> answer)
      : m_name(std::move(name)), m_answer(std::move(answer)) {
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { Poll(); });
    m_timer.start(5);
  }
  bool Answered() const { return m_answered; }

 private:
  void Poll() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible() || dialog->objectName() != m_name) return;
    m_timer.stop();
    m_answered = true;
    m_answer(*dialog);
    if (dialog->isVisible()) dialog->reject();
  }

  QString m_name;
  std::function<void(QDialog&)> m_answer;
  QTimer m_timer;
  bool m_answered = false;
};

class TransferGuiTest : public FormMainGuiTest {
 protected:
  void SetUp() override {
    FormMainGuiTest::SetUp();
    WriteFileBytes(m_languageFile, std::string(kLanguageIni) + kTransferTexts);
    qunsetenv("ZIRDAN_SERIAL_DEVICE");
    // The developer switches read and write their dump files in the current folder.
    m_previousFolder = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(m_folder.Path().string()));
  }
  void TearDown() override {
    QDir::setCurrent(m_previousFolder);
    FormMainGuiTest::TearDown();
  }

  // The editor started as the program starts it, with the given developer switches.
  std::unique_ptr<TFormMain> StartEditor(const std::string& logbook, bool debug = false,
                                         bool replay = false) {
    StartOptions options;
    options.StartFileName = logbook;
    options.LanguageFile = m_languageFile;
    options.Debug = debug;
    options.Analyza = replay;
    auto window = std::make_unique<TFormMain>(m_store, options);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return window;
  }
  void UseDevice(const std::string& device) { m_store.Set("komunikace", "Zarizeni1", device); }

  // Presses F5 and, while the transfer window is open, runs `during` on it; the test fails
  // when the window is still open afterwards.
  void Download(TFormMain& window, const std::function<void(QDialog&)>& during) {
    ModalAnswer answer([&](QDialog& dialog) {
      EXPECT_EQ(dialog.objectName(), "FormPrenos");
      during(dialog);
      EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, 20000));
    });
    QTest::keyClick(&window, Qt::Key_F5);
  }
  static QTimer& Timeout(QDialog& dialog) { return *Find<QTimer>(dialog, "TimerTimeout"); }
  static bool WaitUntilListening(QDialog& dialog) {
    return QTest::qWaitFor([&] { return Timeout(dialog).isActive(); }, 5000);
  }
  QStringList MessageTexts() const {
    QStringList texts;
    for (const ShownMessage& m : m_shown) texts << m.text;
    return texts;
  }
  std::vector<ponor> DivesOf(const TLogbook& logbook) const {
    std::vector<ponor> dives;
    for (const pam* p = logbook.Prvni(); p; p = p->Dalsi == logbook.Prvni() ? nullptr : p->Dalsi)
      dives.push_back(static_cast<const ponor&>(*p));
    return dives;
  }

  QString m_previousFolder;
};

TEST_F(TransferGuiTest, DownloadOverTheSerialLineAddsTheDivesTheToolDecodes) {
  if (!ToolHasQtPart()) GTEST_SKIP() << "the tool was built without its serial link";
  PseudoTerminal computerSide;
  PseudoTerminal editorSide;
  ASSERT_TRUE(computerSide.Ok() && editorSide.Ok());
  UseDevice(editorSide.Path());
  const std::string sent = m_folder.File("sent.bin");
  ASSERT_EQ(RunTool({"make-dump", "--dives", "12", "--seed", "3", sent}).exitCode, 0);
  // The logbook holds an older download of the same computer, as a diver's would.
  const std::string older = m_folder.File("older.bin");
  ASSERT_EQ(RunTool({"make-dump", "--dives", "4", "--seed", "3", older}).exitCode, 0);
  const std::string logbook = m_folder.File("mine.LOG");
  const std::string expected = m_folder.File("expected.LOG");
  ASSERT_EQ(RunTool({"decode", older, "--merge-into", logbook}).exitCode, 0);
  std::filesystem::copy_file(logbook, expected);

  auto window = StartEditor(logbook, /*debug=*/true);
  ASSERT_EQ(RowCount(*window), 4);
  Relay cable(computerSide.Master(), editorSide.Master());
  std::future<ToolRun> simulate;
  Download(*window, [&](QDialog& dialog) {
    ASSERT_TRUE(WaitUntilListening(dialog));
    EXPECT_EQ(Timeout(dialog).interval(), 120000);
    simulate = std::async(std::launch::async, [&] {
      return RunTool({"simulate", sent, "--device", computerSide.Path()});
    });
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return Find<QProgressBar>(dialog, "PB")->value() == int{kFrameSize}; }, 20000));
  });
  EXPECT_EQ(simulate.get().exitCode, 0);
  EXPECT_EQ(MessageTexts(), QStringList({"ready", "closing"}));

  // /DEBUG kept the frame as it came, stamped with the moment it was complete.
  TDumpFile sentDump, received;
  ASSERT_TRUE(ReadDumpFile(sent, sentDump));
  ASSERT_TRUE(ReadDumpFile(m_folder.File(kDebugDumpName), received));
  EXPECT_EQ(received.Image, sentDump.Image);
  // The tool, given that frame, adds exactly the dives the editor added.
  ASSERT_EQ(RunTool({"decode", m_folder.File(kDebugDumpName), "--merge-into", expected}).exitCode,
            0);
  TLogbook decoded;
  ASSERT_TRUE(LoadLogbook(expected, decoded));
  const TLogbook& shown = window->Model().Logbook();
  EXPECT_GT(shown.PocetPonoru(), 4u);
  EXPECT_EQ(DivesOf(shown), DivesOf(decoded));
  // The list shows them all, with the newest dive selected, and the logbook waits to be saved.
  EXPECT_EQ(RowCount(*window), static_cast<int>(shown.PocetPonoru()));
  EXPECT_EQ(CurrentRow(*window), RowCount(*window) - 1);
  EXPECT_TRUE(shown.Zmeneno);
  EXPECT_TRUE(Status(*window).contains("changed"));
}

TEST_F(TransferGuiTest, TimeOutClosesTheWindowAndLeavesTheLogbookAlone) {
  PseudoTerminal line;
  ASSERT_TRUE(line.Ok());
  UseDevice(line.Path());
  auto window = StartWithLogbook();
  Download(*window, [&](QDialog& dialog) {
    ASSERT_TRUE(WaitUntilListening(dialog));
    Timeout(dialog).start(1);  // the 120 s are up
  });
  EXPECT_EQ(MessageTexts(), QStringList({"ready", "timed out", "closing", "invalid"}));
  EXPECT_EQ(m_shown[1].kind, MessageKind::Error);
  EXPECT_EQ(m_shown[3].kind, MessageKind::Error);
  EXPECT_EQ(window->Model().Logbook().PocetPonoru(), 5u);
  EXPECT_FALSE(window->Model().Logbook().Zmeneno);
  EXPECT_EQ(RowCount(*window), 5);
}

TEST_F(TransferGuiTest, KonecBeforeAnythingArrivedShowsClosingThenInvalid) {
  PseudoTerminal line;
  ASSERT_TRUE(line.Ok());
  UseDevice(line.Path());
  auto window = StartWithLogbook();
  ClickRow(*window, 2);
  Download(*window, [&](QDialog& dialog) {
    ASSERT_TRUE(WaitUntilListening(dialog));
    QTest::mouseClick(Find<QPushButton>(dialog, "Button1"), Qt::LeftButton);
  });
  EXPECT_EQ(MessageTexts(), QStringList({"ready", "closing", "invalid"}));
  EXPECT_FALSE(window->Model().Logbook().Zmeneno);
  EXPECT_EQ(CurrentRow(*window), 2);  // nothing came, so the list stays as it was
  EXPECT_EQ(ReadFileBytes(m_logPath), [&] {
    TLogbook sample = MainWindowSampleLogbook();
    const std::string copy = m_folder.File("copy.LOG");
    EXPECT_TRUE(SaveLogbook(copy, sample));
    return ReadFileBytes(copy);
  }());
}

TEST_F(TransferGuiTest, APortThatCannotBeOpenedIsNamedAndTheWindowWaitsForKonec) {
  const std::string missing = m_folder.File("ttyNONE");
  UseDevice(missing);
  auto window = StartWithLogbook();
  Download(*window, [&](QDialog& dialog) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_shown.empty(); }, 5000));
    QTest::qWait(50);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(Timeout(dialog).isActive());
    QTest::keyClick(&dialog, Qt::Key_Escape);
  });
  ASSERT_EQ(m_shown.size(), 3u);
  EXPECT_EQ(m_shown[0].kind, MessageKind::Error);
  EXPECT_TRUE(m_shown[0].text.contains(QString::fromStdString(missing)))
      << m_shown[0].text.toStdString();
  EXPECT_EQ(m_shown[1].text, "closing");
  EXPECT_EQ(m_shown[2].text, "invalid");
  EXPECT_FALSE(window->Model().Logbook().Zmeneno);
}

TEST_F(TransferGuiTest, ReplayMergesTheDumpAndShowsTheInformationWindow) {
  TDumpFile dump;
  ASSERT_TRUE(BuildSampleDump(3, 7, dump));
  ASSERT_TRUE(WriteDumpFile(m_folder.File(kDebugDumpName), dump));
  m_store.Set("komunikace", "JenNovePonory", "0");
  m_store.Set("komunikace", "ZobrazovatInfo", "1");
  auto window = StartEditor(m_logPath, false, /*replay=*/true);
  ASSERT_TRUE(window->Settings().ZobrazovatInfo);
  NamedModalAnswer info("FormInfo", [](QDialog& dialog) {
    EXPECT_FALSE(Find<QLabel>(dialog, "ltyp")->text().isEmpty());
    const QString units = Find<QLabel>(dialog, "ljednotky")->text();
    EXPECT_TRUE(units == "imperial" || units == "metric") << units.toStdString();
    const QString beeper = Find<QLabel>(dialog, "lpipani")->text();
    EXPECT_TRUE(beeper.startsWith("beeper ")) << beeper.toStdString();
    EXPECT_TRUE(Find<QLabel>(dialog, "lbaterie")->text().contains(" %"));
    PressEnter(dialog);
  });
  Trigger(*window, "NastZirdana1");
  EXPECT_TRUE(info.Answered());
  EXPECT_TRUE(m_shown.empty()) << "a replay shows no transfer messages";
  EXPECT_EQ(RowCount(*window), 8);
  EXPECT_EQ(CurrentRow(*window), 7);
  EXPECT_TRUE(window->Model().Logbook().Zmeneno);
}

TEST_F(TransferGuiTest, ReplayWithoutALogbookOpenStartsANewOne) {
  TDumpFile dump;
  ASSERT_TRUE(BuildSampleDump(3, 7, dump));
  ASSERT_TRUE(WriteDumpFile(m_folder.File(kDebugDumpName), dump));
  auto window = StartEditor("", false, /*replay=*/true);
  Trigger(*window, "NastZirdana1");
  ASSERT_TRUE(window->Model().Logbook().Nacteno);
  EXPECT_EQ(RowCount(*window), 3);
  EXPECT_EQ(CurrentRow(*window), 2);
  EXPECT_TRUE(Find<QAction>(*window, "Uloit1")->isEnabled());
  // Closing asks to save the new dives rather than dropping them.
  m_answers = {kResultNo};
  window->close();
}

TEST_F(TransferGuiTest, AReplayThatCannotReadItsDumpWaitsForKonecAndAddsNothing) {
  auto window = StartEditor(m_logPath, false, /*replay=*/true);
  Download(*window, [&](QDialog& dialog) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_shown.empty(); }, 5000));
    QTest::mouseClick(Find<QPushButton>(dialog, "Button1"), Qt::LeftButton);
  });
  ASSERT_EQ(m_shown.size(), 1u);
  EXPECT_TRUE(m_shown[0].text.contains(kDebugDumpName)) << m_shown[0].text.toStdString();
  EXPECT_EQ(RowCount(*window), 5);
  EXPECT_FALSE(window->Model().Logbook().Zmeneno);
}

}  // namespace
}  // namespace zirdan::test
