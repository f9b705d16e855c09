// The main window's logbook and file commands, its close and its settings, driven through
// the window on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <filesystem>

#include "ui/form_graf.h"

#include "support/form_main_harness.h"
#include "support/qt_application.h"

namespace zirdan {
namespace {

const bool kApplication = test::UseQtApplication<QApplication>();

using test::EnterNumber;
using test::Find;
using test::FormMainGuiTest;
using test::ModalAnswer;
using test::PressEscape;
using test::SaveScreenshot;
using test::Text;

// --- Logbook commands -------------------------------------------------------------------

TEST_F(FormMainGuiTest, ANewLogbookHoldsOneEmptyDive) {
  auto window = Start();
  QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(ListEntries(*window), QStringList{"0"});
  EXPECT_EQ(Status(*window), " Novy.log ... 1 dives  -  changed");
  EXPECT_TRUE(Find<QLineEdit>(*window, "EditDatum")->hasFocus());
  EXPECT_TRUE(Find<QLineEdit>(*window, "EditDatum")->isEnabled());
  EXPECT_EQ(Text(*window, "EditLokalita"), "");
}

TEST_F(FormMainGuiTest, ANewDiveIsInsertedAfterTheCurrentOne) {
  auto window = StartWithLogbook();
  ClickRow(*window, 1);
  m_answers = {kResultNo, kResultYes};
  QTest::keyClick(window.get(), Qt::Key_F7);  // answered no: nothing happens
  EXPECT_EQ(RowCount(*window), 5);
  QTest::keyClick(window.get(), Qt::Key_F7);
  ASSERT_EQ(m_shown.size(), 2u);
  EXPECT_EQ(m_shown[1].text, "Insert a dive after dive 2");
  EXPECT_EQ(RowCount(*window), 6);
  EXPECT_EQ(CurrentRow(*window), 2);
  EXPECT_EQ(window->Model().CurrentDive()->Cislo, 3);
  EXPECT_EQ(Text(*window, "EditLokalita"), "");
  ClickRow(*window, 3);
  EXPECT_EQ(Text(*window, "EditLokalita"), "Chorvatsko 3");
}

TEST_F(FormMainGuiTest, DeletingTheFirstDiveAsksForTheNewFirstNumber) {
  auto window = StartWithLogbook();
  ClickRow(*window, 0);
  m_answers = {kResultYes};
  {
    ModalAnswer answer([](QDialog& dialog) {
      // The number window is not translated: the main window's Label1 is not its own.
      EXPECT_EQ(Find<QLabel>(dialog, "Label1")->text(), "Zadejte pořadové číslo prvního ponoru");
      SaveScreenshot(dialog, "form_cislo");
      EnterNumber("10")(dialog);
    });
    QTest::keyClick(window.get(), Qt::Key_F8);
  }
  EXPECT_EQ(m_shown.at(0).text, "Delete dive 1");
  EXPECT_EQ(ListEntries(*window), (QStringList{"10", "11", "12\u2022", "13\u2022"}));
  EXPECT_EQ(Text(*window, "EditLokalita"), "Chorvatsko 2");
  // The list takes the focus once the window is active again (no window manager here
  // gives it back after the number window).
  EXPECT_EQ(window->focusWidget(), &List(*window));
}

TEST_F(FormMainGuiTest, DeletingTheLastDiveShowsTheOneBefore) {
  auto window = StartWithLogbook();
  m_answers = {kResultYes};
  QTest::keyClick(window.get(), Qt::Key_F8);
  EXPECT_EQ(RowCount(*window), 4);
  EXPECT_EQ(Text(*window, "EditLokalita"), "Chorvatsko 4");
}

TEST_F(FormMainGuiTest, TheOnlyDiveIsNeverDeleted) {
  auto window = Start();
  Trigger(*window, "Nov1");
  Trigger(*window, "Zruitponor1");
  ASSERT_EQ(m_shown.size(), 1u);
  EXPECT_EQ(m_shown[0].kind, MessageKind::Warning);
  EXPECT_EQ(m_shown[0].text, "The last dive cannot be deleted");
  EXPECT_EQ(RowCount(*window), 1);
}

TEST_F(FormMainGuiTest, RenumberingFrom100) {
  auto window = StartWithLogbook();
  m_answers = {kResultYes};
  {
    ModalAnswer answer(EnterNumber("100"));
    Trigger(*window, "Peslovat1");
  }
  EXPECT_EQ(ListEntries(*window), (QStringList{"100", "101", "102", "103\u2022", "104\u2022"}));
  EXPECT_EQ(CurrentRow(*window), 0);
  EXPECT_EQ(Text(*window, "EditLokalita"), "Chorvatsko 1");
  EXPECT_TRUE(Status(*window).endsWith("  -  changed"));
}

TEST_F(FormMainGuiTest, EscapeInTheNumberWindowStillRenumbersFromTheOldNumber) {
  auto window = StartWithLogbook();
  m_answers = {kResultYes};
  {
    ModalAnswer answer(PressEscape);
    Trigger(*window, "Peslovat1");
  }
  EXPECT_EQ(ListEntries(*window).first(), "1");
  EXPECT_TRUE(window->Model().Logbook().Zmeneno);
}

// --- Files ------------------------------------------------------------------------------

TEST_F(FormMainGuiTest, SavedEditsAreThereWhenTheLogbookIsOpenedAgain) {
  {
    auto window = StartWithLogbook();
    QLineEdit* partner = Find<QLineEdit>(*window, "EditPartner");
    TypeOver(partner, "Zdenek");
    QTest::keyClick(window.get(), Qt::Key_F2);
    EXPECT_EQ(Status(*window), " " + QString::fromStdString(m_logPath) + " ... 5 dives");
    EXPECT_TRUE(m_shown.empty());
  }
  auto again = StartWithLogbook();
  EXPECT_EQ(Text(*again, "EditPartner"), "Zdenek");
  EXPECT_EQ(Text(*again, "EditLokalita"), "Chorvatsko 5");
}

TEST_F(FormMainGuiTest, SaveAsWritesTheNewFileAndEntersItInTheRecentList) {
  const std::string copy = m_folder.File("copy.LOG");
  auto window = StartWithLogbook();
  QLineEdit* site = Find<QLineEdit>(*window, "EditMisto");
  TypeOver(site, "Blue Hole");
  {
    ModalAnswer answer([&copy](QDialog& dialog) {
      auto* files = qobject_cast<QFileDialog*>(&dialog);
      ASSERT_NE(files, nullptr);
      files->selectFile(QString::fromStdString(copy));
      dialog.accept();  // QFileDialog::accept, through the public slot
    });
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
  }
  TLogbook saved;
  ASSERT_TRUE(LoadLogbook(copy, saved));
  EXPECT_EQ(saved.Posledni()->Misto, "Blue Hole");
  EXPECT_EQ(Find<QAction>(*window, "p1")->text(), QString::fromStdString(copy));
  EXPECT_TRUE(Find<QAction>(*window, "p1")->isVisible());
  EXPECT_FALSE(window->Model().Logbook().Zmeneno);
  // The original file is untouched.
  TLogbook original;
  ASSERT_TRUE(LoadLogbook(m_logPath, original));
  EXPECT_NE(original.Posledni()->Misto, "Blue Hole");
}

TEST_F(FormMainGuiTest, AFailedSaveSaysWhyInTheEditorsLanguageAndKeepsTheChanges) {
  m_languageFile = ZIRDAN_BINARY_DIR "/Language.ini";  // the shipped texts, Czech
  const std::string folder = m_folder.File("gone");
  const std::string path = folder + "/book.LOG";
  std::filesystem::create_directory(folder);
  std::filesystem::copy_file(m_logPath, path);
  m_store.Set("Historie", "Historie0", path);
  auto window = StartWithLogbook();
  Trigger(*window, "p1");
  ASSERT_TRUE(m_shown.empty());
  std::filesystem::remove_all(folder);  // nowhere left to write to
  TypeOver(Find<QLineEdit>(*window, "EditMisto"), "Blue Hole");
  Trigger(*window, "Uloit1");  // save under the name it was opened from
  ASSERT_EQ(m_shown.size(), 1u);
  EXPECT_EQ(m_shown[0].kind, MessageKind::Error);
  EXPECT_EQ(m_shown[0].text.toStdString(), "Chyba při zápisu: vedle " + path +
                                               " nelze vytvořit soubor (open failed: No such file "
                                               "or directory)");
  EXPECT_TRUE(window->Model().Logbook().Zmeneno);
  EXPECT_EQ(Text(*window, "EditMisto"), "Blue Hole");
}

TEST_F(FormMainGuiTest, AFailedOpenSaysWhyInEnglishInTheEnglishEditorAndKeepsTheLogbook) {
  m_languageFile = ZIRDAN_BINARY_DIR "/Language.ini";  // the shipped texts
  m_store.Set("zaklad", "Jazyk", "1");                 // English
  const std::string damaged = m_folder.File("damaged.LOG");
  test::WriteFileBytes(damaged, test::ReadFileBytes(m_logPath).substr(0, 100));
  m_store.Set("Historie", "Historie0", damaged);
  auto window = StartWithLogbook();
  ClickRow(*window, 2);
  Trigger(*window, "p1");
  ASSERT_EQ(m_shown.size(), 1u);
  EXPECT_EQ(m_shown[0].kind, MessageKind::Error);
  // The read error, then where and why.
  EXPECT_TRUE(
      m_shown[0].text.startsWith("Error reading the file: dive 1 of 5: in the dive record "
                                 "at byte 12: the file ends at byte 100"))
      << m_shown[0].text.toStdString();
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->Model().Logbook().Nacteno);
  EXPECT_EQ(RowCount(*window), 5);
  EXPECT_EQ(Text(*window, "EditLokalita"), "Chorvatsko 3");
  EXPECT_EQ(Status(*window), " " + QString::fromStdString(m_logPath) + " ... 5 dives");
}

TEST_F(FormMainGuiTest, ARecentFileOpensWithoutADialog) {
  const std::string other = m_folder.File("other.LOG");
  TLogbook three = test::SampleLogbook(3, 0, 20);
  ASSERT_TRUE(SaveLogbook(other, three));
  m_store.Set("Historie", "Historie0", m_logPath);
  m_store.Set("Historie", "Historie1", other);
  auto window = Start();
  Trigger(*window, "p2");
  EXPECT_EQ(ListEntries(*window), (QStringList{"20", "21", "22"}));
  // The opened file moves to the top of the list.
  EXPECT_EQ(Find<QAction>(*window, "p1")->text(), QString::fromStdString(other));
  EXPECT_EQ(Find<QAction>(*window, "p2")->text(), QString::fromStdString(m_logPath));
}

// --- Close and the settings -------------------------------------------------------------

TEST_F(FormMainGuiTest, ClosingAndAnsweringNoWritesTheSettingsButNotTheLogbook) {
  const std::string bytes = test::ReadFileBytes(m_logPath);
  auto window = StartWithLogbook();
  QLineEdit* depth = Find<QLineEdit>(*window, "EditHloubka");
  Focus(depth);
  QTest::keyClicks(depth, "9");
  m_answers = {kResultNo};
  EXPECT_TRUE(window->close());
  ASSERT_EQ(m_shown.size(), 1u);
  EXPECT_EQ(m_shown[0].text, "Save the changes?");
  EXPECT_EQ(m_shown[0].kind, MessageKind::Question);
  EXPECT_EQ(test::ReadFileBytes(m_logPath), bytes);
  EXPECT_EQ(m_store.Get("zaklad", "Jazyk"), "2");
  EXPECT_EQ(m_store.Get("Environment", "GWidth"), "640");
  EXPECT_TRUE(m_store.Get("Environment", "MTop").has_value());
}

TEST_F(FormMainGuiTest, ClosingAndAnsweringYesSavesUnderTheChosenName) {
  const std::string copy = m_folder.File("kept.LOG");
  auto window = StartWithLogbook();
  QLineEdit* buddy = Find<QLineEdit>(*window, "EditPartner");
  TypeOver(buddy, "Eva");
  m_answers = {kResultYes};
  {
    ModalAnswer answer([&copy](QDialog& dialog) {
      ASSERT_NE(qobject_cast<QFileDialog*>(&dialog), nullptr);
      qobject_cast<QFileDialog*>(&dialog)->selectFile(QString::fromStdString(copy));
      dialog.accept();
    });
    EXPECT_TRUE(window->close());
  }
  TLogbook saved;
  ASSERT_TRUE(LoadLogbook(copy, saved));
  EXPECT_EQ(saved.Posledni()->Partner, "Eva");
  EXPECT_EQ(m_store.Get("Historie", "Historie0"), copy);
}

TEST_F(FormMainGuiTest, ANewLogbookFirstAsksAboutUnsavedChanges) {
  auto window = StartWithLogbook();
  QLineEdit* buddy = Find<QLineEdit>(*window, "EditPartner");
  Focus(buddy);
  QTest::keyClicks(buddy, "x");
  m_answers = {kResultNo};
  Trigger(*window, "Nov1");
  ASSERT_EQ(m_shown.size(), 1u);
  EXPECT_EQ(m_shown[0].text, "Save the changes?");
  EXPECT_EQ(ListEntries(*window), QStringList{"1"});  // the first number of the last load
  EXPECT_EQ(Status(*window), " Novy.log ... 1 dives  -  changed");
}

TEST_F(FormMainGuiTest, SettingsWrittenAtCloseAreReadAtTheNextStart) {
  {
    auto window = Start();
    Trigger(*window, "Pouvatdlkuponoruzgrafu1");
    Trigger(*window, "ZirdanNitrox1");
    Trigger(*window, "COM31");
    Trigger(*window, "TiskvLatin21");
    window->GraphWindow().SetGeometry(WindowGeometry{20, 110, 700, 500});
    EXPECT_TRUE(window->close());
  }
  EXPECT_EQ(m_store.Get("zaklad", "CasZGrafu"), "0");
  EXPECT_EQ(m_store.Get("komunikace", "COM3"), "1");
  auto window = Start();
  EXPECT_FALSE(Find<QAction>(*window, "Pouvatdlkuponoruzgrafu1")->isChecked());
  EXPECT_TRUE(Find<QAction>(*window, "ZirdanNitrox1")->isChecked());
  EXPECT_FALSE(Find<QAction>(*window, "ZirdanOxy1")->isChecked());
  EXPECT_TRUE(Find<QAction>(*window, "COM31")->isChecked());
  EXPECT_TRUE(Find<QAction>(*window, "TiskvLatin21")->isChecked());
  EXPECT_FALSE(Find<QAction>(*window, "TiskvKamenickch1")->isChecked());
  EXPECT_EQ(window->Settings().Port(), 3);
  EXPECT_EQ(window->GraphWindow().Geometry(), (WindowGeometry{20, 110, 700, 500}));
}

TEST_F(FormMainGuiTest, TheModelSwitchesBehaveAsOneGroup) {
  auto window = Start();
  QAction* nitrox = Find<QAction>(*window, "ZirdanNitrox1");
  QAction* oxy = Find<QAction>(*window, "ZirdanOxy1");
  nitrox->trigger();
  oxy->trigger();
  EXPECT_FALSE(nitrox->isChecked());
  EXPECT_TRUE(oxy->isChecked());
  EXPECT_EQ(window->Model().Logbook().VychoziFormatGrafu, kFormatOxygen);
  oxy->trigger();
  EXPECT_FALSE(oxy->isChecked());
  EXPECT_EQ(window->Model().Logbook().VychoziFormatGrafu, kFormatBasic);
}

}  // namespace
}  // namespace zirdan
