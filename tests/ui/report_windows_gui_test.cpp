// The statistics and overview windows, their save and print, the text output of the current
// dive and the CSV export, driven from the main window on the offscreen platform and
// compared with what zirdanlog-cli writes for the same logbook and language.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QFontInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <filesystem>

#include "adapters/qt_plain_text_print.h"
#include "core/csv_export.h"
#include "support/cli_runner.h"
#include "support/form_main_harness.h"
#include "support/qt_application.h"
#include "ui/form_statistika.h"
#include "ui/printer_choice.h"
#include "ui/report_window.h"

namespace zirdan {
namespace {

const bool kApplication = test::UseQtApplication<QApplication>();

using test::ChooseFile;
using test::Find;
using test::ModalAnswer;
using test::PdfPageCount;
using test::ReadFileBytes;
using test::RunTool;

// Chooses a file in the save dialog that is open.

// The main window on the program's own translation file, in English (language 1).
class ReportWindowsTest : public test::FormMainGuiTest {
 protected:
  void SetUp() override {
    FormMainGuiTest::SetUp();
    test::WriteFileBytes(m_languageFile, ReadFileBytes(ZIRDAN_SOURCE_DIR "/data/Language.ini"));
    m_store.Set("zaklad", "Jazyk", "1");
  }
  void TearDown() override {
    SetPrinterChoice(nullptr);
    FormMainGuiTest::TearDown();
  }

  // What the tool prints or writes for the logbook in the same language.
  test::ToolRun Tool(std::vector<std::string> args) {
    args.insert(args.end(), {"--language-file", m_languageFile, "--language", "1"});
    return RunTool(args);
  }
  static QStringList ToolLines(const test::ToolRun& run) {
    QStringList lines = QString::fromStdString(run.out).split('\n');
    lines.removeLast();  // after the last line's end
    return lines;
  }
};

struct ReportCase {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  const char* command;  // the tool's subcommand
  const char* memo;
  QString title;
  const char* proposedName;
};

TEST_F(ReportWindowsTest, EachReportWindowShowsSavesAndPrintsTheToolsText) {
  const ReportCase cases[] = {
      {Qt::Key_F12, Qt::NoModifier, "stats", "MemoStatistika", "Statistics", "Statist.TXT"},
      {Qt::Key_F12, Qt::ControlModifier, "overview", "MemoPrehled", "Overview of dives",
       "Summary.TXT"}};
  m_store.Set("Environment", "SWidth", "700");
  m_store.Set("Environment", "PHeight", "600");
  auto window = StartWithLogbook();
  for (const ReportCase& c : cases) {
    SCOPED_TRACE(c.command);
    const std::string saved = m_folder.File(std::string(c.command) + ".txt");
    const std::string pdf = m_folder.File(std::string(c.command) + ".pdf");
    const test::ToolRun tool = Tool({c.command, m_logPath});
    ASSERT_EQ(tool.exitCode, 0) << tool.err;
    int printedPages = 0;
    SetPrinterChoice([&](QPrinter& printer, QWidget*) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(pdf));
      return true;
    });
    QString proposed;
    {
      ModalAnswer answer([&](QDialog& report) {
        auto* memo = Find<QPlainTextEdit>(report, c.memo);
        EXPECT_EQ(report.windowTitle(), c.title);
        EXPECT_EQ(memo->toPlainText().split('\n'), ToolLines(tool));
        EXPECT_TRUE(QFontInfo(memo->font()).fixedPitch());
        EXPECT_EQ(memo->geometry(), report.rect());  // the memo fills the window
        QStringList items;
        for (QAction* item : Find<QMenu>(report, "PopupMenu1")->actions())
          items << (item->isSeparator() ? "-" : item->text());
        EXPECT_EQ(items, (QStringList{"&Save", "&Print", "&Help", "-", "&Close"}));
        {
          ModalAnswer save(ChooseFile(saved, &proposed));
          Find<QAction>(report, "Uloit2")->trigger();
        }
        Find<QAction>(report, "Tisk2")->trigger();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const int perPage = LinesPerPage(printer, memo->font());
        printedPages = static_cast<int>((memo->blockCount() + perPage - 1) / perPage);
        test::SaveScreenshot(report, c.command);
        QTest::keyClick(memo, Qt::Key_Escape);
      });
      // The shortcut needs the main window active again after the window before.
      window->activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
      QTest::keyClick(window.get(), c.key, c.modifiers);
    }
    EXPECT_TRUE(
        proposed.endsWith(QString("Save|") + m_folder.Path().c_str() + "/" + c.proposedName))
        << proposed.toStdString();
    const test::ToolRun written = Tool({c.command, m_logPath, "--output", saved + ".tool"});
    ASSERT_EQ(written.exitCode, 0) << written.err;
    EXPECT_EQ(ReadFileBytes(saved), ReadFileBytes(saved + ".tool"));
    EXPECT_GE(printedPages, 1);
    EXPECT_EQ(PdfPageCount(pdf), printedPages);
    EXPECT_EQ(QString::fromStdString(test::PdfInfoText(pdf, "Title")),
              QString::fromUtf8("dives.LOG – ") + c.title);
    // Kept beside the screenshots, to be looked at.
    std::filesystem::copy_file(pdf, ZIRDAN_BINARY_DIR "/" + std::string(c.command) + ".pdf",
                               std::filesystem::copy_options::overwrite_existing);
  }
  // The windows remember where they were; the sizes come from the settings.
  window->close();
  EXPECT_EQ(m_store.Get("Environment", "SWidth"), "700");
  EXPECT_EQ(m_store.Get("Environment", "PHeight"), "600");
}

// A report of a very large logbook opens with its beginning; whatever the diver saves or
// prints is the whole report all the same.
TEST_F(ReportWindowsTest, ALongReportOpensAtOnceAndKeepsEveryLine) {
  TAppSettings settings;
  TMessageTable messages;
  TFormStatistika window(settings, messages, nullptr);
  std::vector<std::string> lines;
  QStringList expected;
  for (int i = 0; i < 40000; ++i) {
    lines.push_back("line " + std::to_string(i) + " of the statistics, \x9A\xE8");
    expected << QString::fromUtf8("line %1 of the statistics, šč").arg(i);
  }
  {
    ModalAnswer answer([&](QDialog& report) {
      auto* memo = Find<QPlainTextEdit>(report, "MemoStatistika");
      EXPECT_LT(memo->blockCount(), 40000);  // open before all of it is in
      EXPECT_EQ(memo->document()->firstBlock().text(), expected.front());
      report.reject();
    });
    window.ShowReport(lines, QString());
  }
  EXPECT_EQ(window.Lines(), expected);
}

TEST_F(ReportWindowsTest, ADoubleClickOnTheMemoClosesTheWindowAndAnEditIsSavedToo) {
  auto window = StartWithLogbook();
  const std::string saved = m_folder.File("edited.TXT");
  {
    ModalAnswer answer([&](QDialog& report) {
      auto* memo = Find<QPlainTextEdit>(report, "MemoStatistika");
      memo->setPlainText("my own line\nsecond line");
      {
        ModalAnswer save(ChooseFile(saved));
        Find<QAction>(report, "Uloit2")->trigger();
      }
      QTest::mouseDClick(memo->viewport(), Qt::LeftButton);
    });
    QTest::keyClick(window.get(), Qt::Key_F12);
  }
  EXPECT_EQ(ReadFileBytes(saved), "my own line\r\nsecond line\r\n");
}

TEST_F(ReportWindowsTest, TheDiveTextIsWrittenInTheChosenEncodingOrTheFailureNamed) {
  auto window = StartWithLogbook();  // dive 5 is shown
  Trigger(*window, "TiskvAscii1");
  const std::string written = m_folder.File("dive.TXT");
  QString proposed;
  {
    ModalAnswer answer(ChooseFile(written, &proposed));
    Trigger(*window, "Vstupdotextovhosouboru1");
  }
  EXPECT_TRUE(proposed.endsWith("Output to text file|" + QString(m_folder.Path().c_str()) +
                                "/Dive no. 5.TXT"))
      << proposed.toStdString();
  const test::ToolRun tool =
      Tool({"dive", m_logPath, "5", "--encoding", "ascii", "--output", written + ".tool"});
  ASSERT_EQ(tool.exitCode, 0) << tool.err;
  EXPECT_EQ(ReadFileBytes(written), ReadFileBytes(written + ".tool"));

  const std::string nowhere = m_folder.File("missing/dive.TXT");
  {
    ModalAnswer answer(ChooseFile(nowhere));
    Trigger(*window, "Vstupdotextovhosouboru1");
  }
  ASSERT_FALSE(m_shown.empty());
  EXPECT_EQ(m_shown.back().text, QString("Cannot create the file ") + nowhere.c_str());
  EXPECT_EQ(m_shown.back().kind, MessageKind::Error);
}

TEST_F(ReportWindowsTest, TheExportWritesTheToolsSixTablesAndNamesThem) {
  auto window = StartWithLogbook();
  Trigger(*window, "Export1");
  ASSERT_EQ(m_shown.size(), 1u);
  EXPECT_EQ(m_shown[0].kind, MessageKind::Information);
  QStringList expected{"The CSV export is complete. Files written:"};
  for (const std::string& name : CsvFileNamesFor(m_logPath)) expected << name.c_str();
  EXPECT_EQ(m_shown[0].text.split('\n'), expected);

  const std::string copy = m_folder.File("copy.LOG");
  std::filesystem::copy_file(m_logPath, copy);
  ASSERT_EQ(Tool({"export", copy}).exitCode, 0);
  for (std::size_t i = 0; i < kCsvFileCount; ++i)
    EXPECT_EQ(ReadFileBytes(CsvFileNamesFor(m_logPath)[i]), ReadFileBytes(CsvFileNamesFor(copy)[i]))
        << kCsvSuffixes[i];
}

TEST_F(ReportWindowsTest, AFailedExportNamesTheFileLeavesNothingAndKeepsTheLogbookOpen) {
  auto window = StartWithLogbook();
  TypeOver(Find<QLineEdit>(*window, "EditMisto"), "Blue Hole");  // an unsaved edit
  const std::string blocked = CsvFileNamesFor(m_logPath)[5];
  std::filesystem::create_directory(blocked);
  Trigger(*window, "Export1");
  ASSERT_EQ(m_shown.size(), 1u);
  EXPECT_EQ(m_shown[0].kind, MessageKind::Error);
  EXPECT_TRUE(m_shown[0].text.contains(blocked.c_str())) << m_shown[0].text.toStdString();
  // Only whole tables (none is replaced after the failing one) and no temporary file; the
  // open logbook's lock stays.
  for (const std::string& name : test::FileNamesIn(m_folder.Path()))
    EXPECT_TRUE(name == "dives.LOG" || name == ".dives.LOG.lock" || name == "Language.ini" ||
                name.ends_with(".csv"))
        << name;
  for (std::size_t i = 0; i < 5; ++i) {
    const std::string table = ReadFileBytes(CsvFileNamesFor(m_logPath)[i]);
    EXPECT_TRUE(table.ends_with("\r\n")) << kCsvSuffixes[i];
  }
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->Model().Logbook().Zmeneno);
  EXPECT_EQ(window->Model().CurrentDive()->Misto, "Blue Hole");
}

}  // namespace
}  // namespace zirdan
