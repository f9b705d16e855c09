// Import, join and split from the main window, driven through the window on the offscreen
// platform.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QListWidget>
#include <QPushButton>
#include <optional>

#include "support/form_main_harness.h"
#include "support/qt_application.h"

namespace zirdan {
namespace {

const bool kApplication = test::UseQtApplication<QApplication>();

using test::EnterNumber;
using test::Find;
using test::ModalAnswer;
using test::PressEscape;
using test::SaveScreenshot;
using test::Text;

// Dives numbered from 1 whose localities are `prefix` and their number.
TLogbook NamedDives(const std::string& prefix, int count) {
  TLogbook book;
  for (int n = 1; n <= count; ++n) {
    ponor dive = test::SampleDive(static_cast<uint16_t>(n));
    dive.Lokalita = prefix + " " + std::to_string(n);
    book.Append(dive);
  }
  book.PrvniCislo = 1;
  book.Renumber();
  book.Nacteno = true;
  return book;
}

class ImportJoinTest : public test::FormMainGuiTest {
 protected:
  void SetUp() override {
    FormMainGuiTest::SetUp();
    // The messages of these commands, in the language the window loads.
    std::string ini = test::kLanguageIni;
    ini.insert(ini.find("[Strings2]\n") + 11,
               "StrImport=Import after dive\n"
               "StrPripojit1=Join dive\n"
               "StrPripojit2=with the next?\n"
               "StrPripojitChyba1=Nothing to join\n"
               "StrZadejteMinGrf=Minutes between\n"
               "StrMinGrf=Minutes\n"
               "StrRozdelitPonor1=Split dive\n"
               "StrRozdelitPonor2=Really?\n"
               "StrRozdelitPonor3=Split at minute\n"
               "StrChRozdelitPonor=The profile ends earlier\n");
    test::WriteFileBytes(m_languageFile, ini);
    m_bookPath = m_folder.File("twelve.LOG");
    m_otherPath = m_folder.File("other.LOG");
    TLogbook twelve = NamedDives("Own", 12);
    ASSERT_TRUE(SaveLogbook(m_bookPath, twelve));
    TLogbook other = NamedDives("Other", 6);
    ASSERT_TRUE(SaveLogbook(m_otherPath, other));
  }

  // Answers the open dialog with the other logbook, then the selection window with `pick`.
  void ImportWith(TFormMain& window, std::function<void(QDialog&)> pick) {
    std::optional<ModalAnswer> selection;
    {
      ModalAnswer file([&](QDialog& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        ASSERT_NE(files, nullptr);
        files->selectFile(QString::fromStdString(m_otherPath));
        selection.emplace(pick);
        dialog.accept();
      });
      QTest::keyClick(&window, Qt::Key_F4);
    }
  }

  std::string m_bookPath;
  std::string m_otherPath;
};

// Clicks an entry of the selection list, with Ctrl to add it to the choice.
void ClickEntry(QListWidget& list, int row, Qt::KeyboardModifiers modifiers) {
  QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers,
                    list.visualItemRect(list.item(row)).center());
}

TEST_F(ImportJoinTest, ImportedDivesGoAfterTheShownDiveInListOrder) {
  auto window = Start(m_bookPath);
  ClickRow(*window, 9);
  m_answers = {kResultYes};
  ImportWith(*window, [](QDialog& dialog) {
    auto* list = Find<QListWidget>(dialog, "List");
    ASSERT_EQ(list->count(), 6);
    EXPECT_EQ(list->item(0)->text().left(7), "    1  ");
    // The newest dive is offered first.
    EXPECT_EQ(list->currentRow(), 5);
    EXPECT_TRUE(list->item(5)->isSelected());
    EXPECT_EQ(dialog.focusWidget(), list);
    SaveScreenshot(dialog, "form_vyber");
    // Picked last to first: the dives still go in in list order.
    ClickEntry(*list, 4, Qt::NoModifier);
    ClickEntry(*list, 1, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_Return);
  });
  EXPECT_EQ(m_shown.at(0).text, "Import after dive 10");
  ASSERT_EQ(RowCount(*window), 14);
  EXPECT_EQ(CurrentRow(*window), 10);
  EXPECT_EQ(window->Model().CurrentDive()->Cislo, 11);
  EXPECT_EQ(Text(*window, "EditLokalita"), "Other 2");
  EXPECT_EQ(window->focusWidget(), Find<QLineEdit>(*window, "EditDatum"));
  EXPECT_TRUE(window->Model().Logbook().Zmeneno);
  EXPECT_TRUE(Status(*window).endsWith("14 dives  -  changed")) << Status(*window).toStdString();
  const std::vector<pam*> dives = window->Model().Logbook().Dives();
  EXPECT_EQ(dives[11]->Lokalita, "Other 5");
  EXPECT_EQ(dives[12]->Lokalita, "Own 11");
  EXPECT_EQ(dives[13]->Cislo, 14);
  EXPECT_EQ(dives[13]->Lokalita, "Own 12");
}

TEST_F(ImportJoinTest, EscapeOrNoImportsNothing) {
  auto window = Start(m_bookPath);
  m_answers = {kResultNo, kResultYes};
  QTest::keyClick(window.get(), Qt::Key_F4);  // answered no: no dialog
  ImportWith(*window, PressEscape);
  EXPECT_EQ(RowCount(*window), 12);
  EXPECT_EQ(CurrentRow(*window), 11);
  EXPECT_FALSE(window->Model().Logbook().Zmeneno);
}

TEST_F(ImportJoinTest, AnUnreadableFileIsReportedAndChangesNothing) {
  auto window = Start(m_bookPath);
  test::WriteFileBytes(m_otherPath, "not a logbook");
  m_answers = {kResultYes};
  {
    ModalAnswer file([&](QDialog& dialog) {
      qobject_cast<QFileDialog*>(&dialog)->selectFile(QString::fromStdString(m_otherPath));
      dialog.accept();
    });
    QTest::keyClick(window.get(), Qt::Key_F4);
  }
  ASSERT_EQ(m_shown.size(), 2u);
  EXPECT_EQ(m_shown[1].kind, MessageKind::Error);
  EXPECT_EQ(RowCount(*window), 12);
  EXPECT_FALSE(window->Model().Logbook().Zmeneno);
}

// The sample logbook's dives 4 and 5 carry 40-minute basic profiles of 22 + 280 bytes.
TEST_F(ImportJoinTest, JoinAsksForTheGapAndAppendsTheNextProfile) {
  auto window = StartWithLogbook();
  ClickRow(*window, 3);
  m_answers = {kResultYes};
  {
    ModalAnswer answer([](QDialog& dialog) {
      EXPECT_EQ(Find<QLabel>(dialog, "Label1")->text(), "Minutes between");
      // Dive 5's surface interval (65) cannot be a gap: the setting is proposed.
      EXPECT_EQ(Find<QSpinBox>(dialog, "SpinEdit1")->value(), 5);
      EnterNumber("3")(dialog);
    });
    Trigger(*window, "Spojitgraf1");
  }
  EXPECT_EQ(m_shown.at(0).text, "Join dive 4 with the next?");
  const pam& joined = *window->Model().CurrentDive();
  EXPECT_EQ(joined.Cislo, 4);
  EXPECT_EQ(joined.GrafPocet, 302 + 3 * 7 + 280);
  EXPECT_EQ(RowCount(*window), 5);  // the next dive stays
  EXPECT_EQ(window->Settings().PocetMinutMeziGrafy, 3);
  EXPECT_EQ(Find<QAction>(*window, "mingrf")->text(), "Minutes  =  3");
  EXPECT_TRUE(window->Model().Logbook().Zmeneno);
  EXPECT_TRUE(Status(*window).endsWith("changed"));
}

TEST_F(ImportJoinTest, JoinIsRefusedBeforeThePromptAndEscapeCancelsIt) {
  auto window = StartWithLogbook();  // the last dive is shown
  m_answers = {kResultYes, kResultYes};
  Trigger(*window, "Spojitgraf1");
  ASSERT_EQ(m_shown.size(), 2u);
  EXPECT_EQ(m_shown[1].text, "Nothing to join");
  EXPECT_EQ(m_shown[1].kind, MessageKind::Error);
  ClickRow(*window, 3);
  {
    ModalAnswer answer(PressEscape);
    Trigger(*window, "Spojitgraf1");
  }
  EXPECT_EQ(window->Model().CurrentDive()->GrafPocet, 302);
  EXPECT_FALSE(window->Model().Logbook().Zmeneno);
}

TEST_F(ImportJoinTest, SplitSelectsTheSecondPart) {
  auto window = StartWithLogbook();
  ClickRow(*window, 3);
  m_answers = {kResultYes};
  {
    ModalAnswer answer([](QDialog& dialog) {
      EXPECT_EQ(Find<QLabel>(dialog, "Label1")->text(), "Split at minute");
      EXPECT_EQ(Find<QSpinBox>(dialog, "SpinEdit1")->maximum(), 40);
      EnterNumber("15")(dialog);
    });
    Trigger(*window, "Rozdlitponor1");
  }
  EXPECT_EQ(m_shown.at(0).text, "Split dive 4? Really?");
  ASSERT_EQ(RowCount(*window), 6);
  EXPECT_EQ(CurrentRow(*window), 4);
  const std::vector<pam*> dives = window->Model().Logbook().Dives();
  EXPECT_EQ(dives[3]->DelkaPonoru, 15);
  EXPECT_EQ(dives[4]->DelkaPonoru, 41 - 15 - 5);
  EXPECT_EQ(dives[4]->PovrchovyInterval, 5);
  EXPECT_EQ(dives[5]->Lokalita, "Chorvatsko 5");
  EXPECT_EQ(Text(*window, "EditDelkaPonoru"), "00:21");
  EXPECT_TRUE(window->Model().Logbook().Zmeneno);
}

TEST_F(ImportJoinTest, ARefusedSplitKeepsTheLogbookAndTheProgram) {
  auto window = StartWithLogbook();
  ClickRow(*window, 3);
  m_answers = {kResultYes};
  {
    ModalAnswer answer(EnterNumber("40"));  // past what the profile covers
    Trigger(*window, "Rozdlitponor1");
  }
  ASSERT_EQ(m_shown.size(), 2u);
  EXPECT_EQ(m_shown[1].text, "The profile ends earlier");
  EXPECT_EQ(m_shown[1].kind, MessageKind::Error);
  EXPECT_EQ(RowCount(*window), 5);
  EXPECT_EQ(window->Model().CurrentDive()->DelkaPonoru, 41);
  EXPECT_FALSE(window->Model().Logbook().Zmeneno);
  EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace zirdan
