// The main window driven as a diver drives it, on the offscreen platform: start, browsing,
// field editing, the "..." buttons, translation and the other windows it opens.
#include <gtest/gtest.h>

#include <filesystem>
#include <QDialogButtonBox>

#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "support/form_main_harness.h"
#include "support/qt_application.h"
#include "ui/form_graf.h"

namespace zirdan {
namespace {

const bool kApplication = test::UseQtApplication<QApplication>();

using test::ClickBox;
using test::EnterNumber;
using test::Find;
using test::FormMainGuiTest;
using test::kTitle;
using test::ModalAnswer;
using test::PressEnter;
using test::PressEscape;
using test::SaveScreenshot;
using test::Text;

// --- Start ------------------------------------------------------------------------------

TEST_F(FormMainGuiTest, StartsWithoutALogbookWithItsControlsDisabled) {
  auto window = Start();
  EXPECT_EQ(window->windowTitle(), kTitle);  // Caption=Error leaves the built-in caption
  EXPECT_EQ(window->centralWidget()->size(), QSize(632, 419));
  EXPECT_FALSE(List(*window).isEnabled());
  EXPECT_FALSE(Find<QLineEdit>(*window, "EditHloubka")->isEnabled());
  EXPECT_FALSE(Find<QPushButton>(*window, "Button4")->isEnabled());
  EXPECT_FALSE(Find<QAction>(*window, "Uloit1")->isEnabled());
  EXPECT_FALSE(Find<QMenu>(*window, "pravy1")->menuAction()->isEnabled());
  EXPECT_TRUE(Find<QAction>(*window, "Nov1")->isEnabled());
  EXPECT_TRUE(Find<QMenu>(*window, "Nastaveni1")->menuAction()->isEnabled());
  EXPECT_EQ(Status(*window), "");
  EXPECT_TRUE(m_shown.empty());
  SaveScreenshot(*window, "form_main_empty");
}

TEST_F(FormMainGuiTest, StartsWithTheLogbookNamedOnTheCommandLine) {
  auto window = StartWithLogbook();
  EXPECT_EQ(ListEntries(*window), (QStringList{"1", "2", "3", "4\u2022", "5\u2022"}));
  EXPECT_EQ(CurrentRow(*window), 4);
  EXPECT_EQ(Text(*window, "EditLokalita"), "Chorvatsko 5");
  EXPECT_EQ(Text(*window, "EditHloubka"), "25.00");
  EXPECT_EQ(Find<QLabel>(*window, "LabelPoznamka")->text(), "Ponor číslo 5, vrak v 25 m");
  EXPECT_EQ(Status(*window), " " + QString::fromStdString(m_logPath) + " ... 5 dives");
  EXPECT_TRUE(Find<QLineEdit>(*window, "EditHloubka")->isEnabled());
  EXPECT_TRUE(Find<QAction>(*window, "Uloit1")->isEnabled());
  // The start logbook is not entered in the recent-file list.
  EXPECT_FALSE(Find<QAction>(*window, "p1")->isVisible());
  EXPECT_TRUE(m_shown.empty());
  SaveScreenshot(*window, "form_main");
}

TEST_F(FormMainGuiTest, AFolderWithCzechLettersIsShownAsTheSystemNamesIt) {
  const std::string folder = m_folder.File("Den\u00edk \u017dlu\u0165ou\u010dk\u00fd");
  const std::string path = folder + "/Den\u00edk.LOG";
  std::filesystem::create_directory(folder);
  test::WriteFileBytes(path, test::ReadFileBytes(m_logPath));
  auto window = Start(path);
  ASSERT_TRUE(window->Model().Logbook().Nacteno);
  EXPECT_EQ(Status(*window), " " + QString::fromStdString(path) + " ... 5 dives");
  EXPECT_TRUE(Status(*window).contains(u"/Den\u00edk \u017dlu\u0165ou\u010dk\u00fd/"));
  SaveScreenshot(*window, "form_main_czech_folder");
}

TEST_F(FormMainGuiTest, AStartLogbookThatCannotBeReadLeavesNoLogbookOpen) {
  const std::string damaged = m_folder.File("damaged.LOG");
  test::WriteFileBytes(damaged, test::ReadFileBytes(m_logPath).substr(0, 40));
  auto window = Start(damaged);
  EXPECT_FALSE(window->Model().Logbook().Nacteno);
  EXPECT_EQ(RowCount(*window), 0);
  EXPECT_FALSE(Find<QLineEdit>(*window, "EditDatum")->isEnabled());
  ASSERT_EQ(m_shown.size(), 1u);
  EXPECT_EQ(m_shown[0].kind, MessageKind::Error);
}

// --- Browsing ---------------------------------------------------------------------------

TEST_F(FormMainGuiTest, TheListAndTheCtrlPageKeysBrowseTheDives) {
  auto window = StartWithLogbook();
  ClickRow(*window, 1);
  EXPECT_EQ(Text(*window, "EditLokalita"), "Chorvatsko 2");
  EXPECT_EQ(Text(*window, "EditPartner"), "Petr");

  Focus(&List(*window));
  QTest::keyClick(&List(*window), Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(CurrentRow(*window), 2);
  EXPECT_EQ(Text(*window, "EditLokalita"), "Chorvatsko 3");

  // The keys work whatever field has the focus.
  QLineEdit* partner = Find<QLineEdit>(*window, "EditPartner");
  Focus(partner);
  QTest::keyClick(partner, Qt::Key_PageUp, Qt::ControlModifier);
  QTest::keyClick(partner, Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(CurrentRow(*window), 0);
  QTest::keyClick(partner, Qt::Key_PageUp, Qt::ControlModifier);  // stays on the first
  EXPECT_EQ(CurrentRow(*window), 0);
  EXPECT_EQ(Text(*window, "EditLokalita"), "Chorvatsko 1");
  QTest::keyClick(partner, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(Text(*window, "EditLokalita"), "Chorvatsko 5");
  QTest::keyClick(partner, Qt::Key_PageDown, Qt::ControlModifier);  // stays on the last
  EXPECT_EQ(CurrentRow(*window), 4);
  QTest::keyClick(partner, Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(CurrentRow(*window), 0);
  // Browsing changes nothing.
  EXPECT_FALSE(window->Model().Logbook().Zmeneno);
}

TEST_F(FormMainGuiTest, TheListsOwnKeysSelectADiveAndKeepItsEdits) {
  auto window = StartWithLogbook();
  TypeOver(Find<QLineEdit>(*window, "EditHloubka"), "31.5");
  QListView& list = List(*window);
  Focus(&list);
  QTest::keyClick(&list, Qt::Key_Up);
  EXPECT_EQ(CurrentRow(*window), 3);
  EXPECT_EQ(Text(*window, "EditLokalita"), "Chorvatsko 4");
  // The depth typed in the dive that was left went into it.
  EXPECT_EQ(window->Model().Logbook().Posledni()->Hloubka, 3150);
  QTest::keyClick(&list, Qt::Key_Home);
  EXPECT_EQ(CurrentRow(*window), 0);
  EXPECT_EQ(Text(*window, "EditLokalita"), "Chorvatsko 1");
  QTest::keyClick(&list, Qt::Key_Down);
  EXPECT_EQ(window->Model().CurrentDive()->Cislo, 2);
  EXPECT_EQ(Text(*window, "EditPartner"), "Petr");
}

TEST_F(FormMainGuiTest, ALargeLogbookOpensWithItsLastDiveInView) {
  const std::string path = m_folder.File("large.LOG");
  TLogbook large = test::SampleLogbook(3000, 40);
  ASSERT_TRUE(SaveLogbook(path, large));
  auto window = Start(path);
  QListView& list = List(*window);
  const auto inView = [&list] {
    return list.viewport()->rect().contains(list.visualRect(list.currentIndex()));
  };
  ASSERT_EQ(RowCount(*window), 3000);
  EXPECT_EQ(CurrentRow(*window), 2999);
  EXPECT_EQ(list.currentIndex().data().toString(), "3000\u2022");
  EXPECT_TRUE(inView());
  EXPECT_EQ(Text(*window, "EditLokalita"), "Chorvatsko 3000");
  // The list follows the current dive wherever the keys take it.
  QTest::keyClick(&list, Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(CurrentRow(*window), 0);
  EXPECT_TRUE(inView());
  EXPECT_EQ(Text(*window, "EditLokalita"), "Chorvatsko 1");
}

// --- Field editing ----------------------------------------------------------------------

TEST_F(FormMainGuiTest, TypingADepthMarksTheLogbookChangedAtOnce) {
  auto window = StartWithLogbook();
  QLineEdit* depth = Find<QLineEdit>(*window, "EditHloubka");
  TypeOver(depth, "31.5");
  EXPECT_EQ(Status(*window), " " + QString::fromStdString(m_logPath) + " ... 5 dives  -  changed");
  EXPECT_EQ(window->Model().CurrentDive()->Hloubka, 2500);  // not stored yet
  // The next list move stores it into the dive it was typed in.
  QTest::keyClick(depth, Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(window->Model().Logbook().Posledni()->Hloubka, 3150);
  EXPECT_EQ(Text(*window, "EditLokalita"), "Chorvatsko 4");
}

TEST_F(FormMainGuiTest, LeavingTheCylinderVolumeUpdatesTheConsumption) {
  auto window = StartWithLogbook();
  QLabel* consumption = Find<QLabel>(*window, "Spotreba");
  const QString before = consumption->text();
  EXPECT_TRUE(before.startsWith("Air: ")) << before.toStdString();
  QLineEdit* volume = Find<QLineEdit>(*window, "EditLahev");
  TypeOver(volume, "24");
  EXPECT_EQ(consumption->text(), before);
  QTest::keyClick(volume, Qt::Key_Tab);
  EXPECT_FALSE(volume->hasFocus());
  EXPECT_EQ(volume->text(), "24.00");  // shown in its normal form
  EXPECT_EQ(window->Model().CurrentDive()->Lahev, 2400);
  EXPECT_NE(consumption->text(), before);
  // Twice the volume for the same pressure drop: twice the consumption.
  const auto number = [](const QString& label) {
    return label.section(' ', 1, 1).replace(',', '.').toDouble();
  };
  const double old = number(before);
  const double now = number(consumption->text());
  EXPECT_NEAR(now, 2 * old, 0.02);
}

TEST_F(FormMainGuiTest, TypingANoteUpdatesTheNoteAndItsBar) {
  auto window = StartWithLogbook();
  QLineEdit* note = Find<QLineEdit>(*window, "EditPoznamka");
  TypeOver(note, "Krasny ponor");
  EXPECT_EQ(Find<QLabel>(*window, "LabelPoznamka")->text(), "Krasny ponor");
  EXPECT_EQ(Find<QProgressBar>(*window, "SoupakPoznamka")->value(), 12);
}

TEST_F(FormMainGuiTest, F11OnTheFirstDiveCopiesFromTheLast) {
  auto window = StartWithLogbook();
  ClickRow(*window, 0);
  QLineEdit* locality = Find<QLineEdit>(*window, "EditLokalita");
  Focus(locality);
  QTest::keyClick(locality, Qt::Key_F11);
  // The first dive's previous dive is the last one.
  EXPECT_EQ(locality->text(), "Chorvatsko 5");
  EXPECT_TRUE(Status(*window).endsWith("  -  changed"));
  ClickRow(*window, 2);
  EXPECT_EQ(window->Model().Logbook().Prvni()->Lokalita, "Chorvatsko 5");
}

TEST_F(FormMainGuiTest, F11InAListCopiesThePreviousDivesChoice) {
  auto window = StartWithLogbook();
  ClickRow(*window, 2);
  QComboBox* weather = Find<QComboBox>(*window, "ComboBoxPocasi");
  Focus(weather);
  QTest::keyClick(weather, Qt::Key_F11);
  // Dive 2's weather (code 3) under the translated name, changed without a keystroke.
  EXPECT_EQ(weather->currentText(), "fog");
  EXPECT_TRUE(Status(*window).endsWith("  -  changed"));
  QTest::keyClick(weather, Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(window->Model().Logbook().Dives()[2]->Pocasi, 3);
}

TEST_F(FormMainGuiTest, PassingThroughTheDropDownListsChangesNothing) {
  auto window = StartWithLogbook();
  const ponor before = *window->Model().CurrentDive();
  // The suit names are missing from the translation file, so every suit reads "Error".
  QComboBox* suit = Find<QComboBox>(*window, "ComboBoxOblek");
  QComboBox* weather = Find<QComboBox>(*window, "ComboBoxPocasi");
  for (QComboBox* box : {suit, weather}) {
    Focus(box);
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_FALSE(box->hasFocus());
  }
  EXPECT_EQ(suit->currentText(), "Error");
  EXPECT_EQ(weather->currentText(), "snow");
  QTest::keyClick(weather, Qt::Key_PageUp, Qt::ControlModifier);  // stores the fields
  ASSERT_EQ(window->Model().CurrentDive()->Cislo, 4);
  EXPECT_EQ(static_cast<const ponor&>(*window->Model().Logbook().Posledni()), before);
  EXPECT_FALSE(window->Model().Logbook().Zmeneno);
}

TEST_F(FormMainGuiTest, ChoosingAnotherWeatherIsAnEdit) {
  auto window = StartWithLogbook();
  QComboBox* weather = Find<QComboBox>(*window, "ComboBoxPocasi");
  Focus(weather);
  QTest::keyClick(weather, Qt::Key_Up);  // the item before "snow"
  EXPECT_EQ(weather->currentText(), "storm");
  EXPECT_TRUE(window->Model().Logbook().Zmeneno);
  QTest::keyClick(weather, Qt::Key_Tab);
  EXPECT_EQ(window->Model().CurrentDive()->Pocasi, 5);
  EXPECT_EQ(weather->currentText(), "storm");
}

// --- The "..." buttons ------------------------------------------------------------------

TEST_F(FormMainGuiTest, ThePickListPutsTheChosenLocalityIntoTheDive) {
  auto window = StartWithLogbook();
  QStringList offered;
  {
    ModalAnswer answer([&offered](QDialog& dialog) {
      auto* list = Find<QListWidget>(dialog, "List");
      for (int i = 0; i < list->count(); ++i) offered << list->item(i)->text();
      QTest::keyClick(list, Qt::Key_Down);
      QTest::keyClick(list, Qt::Key_Down);
      SaveScreenshot(dialog, "form_query");
      QTest::keyClick(list, Qt::Key_Return);
    });
    QTest::mouseClick(Find<QPushButton>(*window, "Button4"), Qt::LeftButton);
  }
  EXPECT_EQ(offered, (QStringList{"Chorvatsko 1", "Chorvatsko 2", "Chorvatsko 3", "Chorvatsko 4",
                                  "Chorvatsko 5"}));
  EXPECT_EQ(Text(*window, "EditLokalita"), "Chorvatsko 3");
  EXPECT_EQ(window->Model().CurrentDive()->Lokalita, "Chorvatsko 3");  // written at once
  EXPECT_TRUE(Status(*window).endsWith("  -  changed"));
}

TEST_F(FormMainGuiTest, TheSitePickListOffersTheSitesOfTheTypedLocality) {
  auto window = StartWithLogbook();
  QLineEdit* locality = Find<QLineEdit>(*window, "EditLokalita");
  TypeOver(locality, "Chorvatsko 2");
  QStringList offered;
  {
    ModalAnswer answer([&offered](QDialog& dialog) {
      auto* list = Find<QListWidget>(dialog, "List");
      for (int i = 0; i < list->count(); ++i) offered << list->item(i)->text();
      PressEscape(dialog);
    });
    QTest::mouseClick(Find<QPushButton>(*window, "Button5"), Qt::LeftButton);
  }
  // Dive 2's site, and the shown dive's own, which now stands at that locality too.
  EXPECT_EQ(offered, (QStringList{"Vrak 2", "Vrak 5"}));
  EXPECT_EQ(window->Model().CurrentDive()->Lokalita, "Chorvatsko 2");
}

TEST_F(FormMainGuiTest, CancellingThePickListChangesNothing) {
  auto window = StartWithLogbook();
  const ponor before = *window->Model().CurrentDive();
  {
    ModalAnswer answer(PressEscape);
    QTest::mouseClick(Find<QPushButton>(*window, "Button6"), Qt::LeftButton);
  }
  EXPECT_EQ(static_cast<const ponor&>(*window->Model().CurrentDive()), before);
  EXPECT_FALSE(window->Model().Logbook().Zmeneno);
  EXPECT_EQ(Text(*window, "EditPartner"), "Jana");
}

TEST_F(FormMainGuiTest, TheDiveTypeDialogSetsTheChosenTypes) {
  auto window = StartWithLogbook();
  {
    ModalAnswer answer([](QDialog& dialog) {
      EXPECT_TRUE(Find<QRadioButton>(dialog, "nic")->isChecked());
      ClickBox(Find<QRadioButton>(dialog, "Nitrox"));
      ClickBox(Find<QRadioButton>(dialog, "dekompresni"));
      SaveScreenshot(dialog, "dialog_typ");
      PressEnter(dialog);
    });
    QTest::mouseClick(Find<QPushButton>(*window, "Button1"), Qt::LeftButton);
  }
  const uint16_t types = window->Model().CurrentDive()->TypPonoru;
  EXPECT_TRUE(types & (1u << 8));
  EXPECT_TRUE(types & (1u << 3));
  EXPECT_FALSE(types & (1u << 2));
  EXPECT_TRUE(Text(*window, "EditTypPonoru").contains("decompression"));
  // The whole text is the field's tooltip; the field may end it with "…".
  EXPECT_TRUE(Find<QLineEdit>(*window, "EditTypPonoru")->toolTip().contains("nitrox"));
  EXPECT_TRUE(window->Model().Logbook().Zmeneno);
  // A nitrox dive shows its gas data.
  EXPECT_TRUE(Find<QLabel>(*window, "EAN")->text().startsWith("EAN"));
}

TEST_F(FormMainGuiTest, BothGasBitsOpenTheDiveTypeDialogOnScrAndOkKeepsOnlyThat) {
  ponor both = test::SampleDive(1);
  both.TypPonoru = (1u << 8) | (1u << 9) | (1u << 2);
  auto window = StartWithDive(both);
  {
    ModalAnswer answer([](QDialog& dialog) {
      EXPECT_TRUE(Find<QRadioButton>(dialog, "SCR")->isChecked());
      EXPECT_EQ(Find<QRadioButton>(dialog, "SCR")->text(), "&SCR");
      EXPECT_FALSE(Find<QRadioButton>(dialog, "Nitrox")->isChecked());
      EXPECT_TRUE(Find<QRadioButton>(dialog, "Bezdekompresni")->isChecked());
      EXPECT_FALSE(Find<QRadioButton>(dialog, "Sladka")->isChecked());
      EXPECT_FALSE(Find<QRadioButton>(dialog, "Morska")->isChecked());
      PressEnter(dialog);
    });
    QTest::mouseClick(Find<QPushButton>(*window, "Button1"), Qt::LeftButton);
  }
  EXPECT_EQ(window->Model().CurrentDive()->TypPonoru, (1u << 9) | (1u << 2));
  EXPECT_TRUE(Find<QLineEdit>(*window, "EditTypPonoru")->toolTip().endsWith(", SCR"));
}

TEST_F(FormMainGuiTest, LongTypeAndActivityTextsEndBeforeTheirButtons) {
  ponor busy = test::SampleDive(1);
  busy.TypPonoru = 0x3FC;  // every named dive type
  busy.TypAktivity = 0xFFFF;
  auto window = StartWithDive(busy);
  for (auto [field, button] :
       {std::pair{"EditTypPonoru", "Button1"}, std::pair{"EditTypAktivity", "Button2"}}) {
    SCOPED_TRACE(field);
    const QLineEdit* edit = Find<QLineEdit>(*window, field);
    const QWidget* covering = Find<QPushButton>(*window, button);
    EXPECT_TRUE(edit->text().endsWith(u'\u2026'));
    EXPECT_TRUE(edit->toolTip().startsWith(edit->text().chopped(1)));
    EXPECT_GT(edit->toolTip().size(), edit->text().size());
    const int textEnd = edit->x() + 3 + edit->fontMetrics().horizontalAdvance(edit->text());
    EXPECT_LE(textEnd, covering->x());
  }
}

TEST_F(FormMainGuiTest, TextTypedIntoTheDiveTypeFieldGivesWayToTheNames) {
  auto window = StartWithLogbook();
  QLineEdit* types = Find<QLineEdit>(*window, "EditTypPonoru");
  const QString names = types->text();
  TypeOver(types, "cave");
  EXPECT_TRUE(window->Model().Logbook().Zmeneno);
  QTest::keyClick(types, Qt::Key_Tab);
  EXPECT_EQ(types->text(), names);
  EXPECT_EQ(window->Model().CurrentDive()->TypPonoru, test::SampleDive(5).TypPonoru);
}

TEST_F(FormMainGuiTest, TheActivityDialogSetsTheChosenActivities) {
  auto window = StartWithLogbook();
  const uint16_t before = window->Model().CurrentDive()->TypAktivity;
  {
    ModalAnswer answer([](QDialog& dialog) {
      ClickBox(Find<QCheckBox>(dialog, "vrak"));
      SaveScreenshot(dialog, "dialog_aktivita");
      QTest::mouseClick(Find<QPushButton>(dialog, "OKBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(Find<QPushButton>(*window, "Button2"), Qt::LeftButton);
  }
  EXPECT_EQ(window->Model().CurrentDive()->TypAktivity, before ^ (1u << 8));
  EXPECT_TRUE(Text(*window, "EditTypAktivity").contains("wreck"));
}

TEST_F(FormMainGuiTest, CancellingTheErrorDialogChangesNothing) {
  auto window = StartWithLogbook();
  const uint16_t before = window->Model().CurrentDive()->Chyby;
  {
    ModalAnswer answer([](QDialog& dialog) {
      ClickBox(Find<QCheckBox>(dialog, "sos"));
      SaveScreenshot(dialog, "dialog_chyby");
      PressEscape(dialog);
    });
    QTest::mouseClick(Find<QPushButton>(*window, "Button3"), Qt::LeftButton);
  }
  EXPECT_EQ(window->Model().CurrentDive()->Chyby, before);
  EXPECT_FALSE(window->Model().Logbook().Zmeneno);
}

// --- Translation ------------------------------------------------------------------------

TEST_F(FormMainGuiTest, TheTranslationFileRenamesTheMainWindow) {
  auto window = Start();
  EXPECT_EQ(Find<QLabel>(*window, "Label1")->text(), "Date");
  EXPECT_EQ(Find<QLabel>(*window, "Label11")->text(), "Depth [m]");
  EXPECT_EQ(Find<QLabel>(*window, "Label2")->text(), "Čas");  // not in the file
  EXPECT_EQ(Find<QMenu>(*window, "Soubor1")->title(), "&File");
  EXPECT_EQ(Find<QAction>(*window, "Nov1")->text(), "&New logbook");
  EXPECT_EQ(Text(*window, "EditDatum"), "");  // an edit box has no caption
  EXPECT_EQ(window->windowTitle(), kTitle);
  QComboBox* weather = Find<QComboBox>(*window, "ComboBoxPocasi");
  ASSERT_EQ(weather->count(), 7);
  EXPECT_EQ(weather->itemText(0), "");
  EXPECT_EQ(weather->itemText(6), "snow");
  // Keys the file lacks read "Error".
  EXPECT_EQ(Find<QAction>(*window, "PocPon")->text(), "Error  =  6");
}

// The Cancel button of Qt's standard dialogs, as it reads now.
QString StandardCancelText() {
  QDialogButtonBox box(QDialogButtonBox::Cancel);
  return box.button(QDialogButtonBox::Cancel)->text().remove('&');
}

TEST_F(FormMainGuiTest, AnotherLanguageKeepsTheShownDive) {
  auto window = StartWithLogbook();
  EXPECT_EQ(StandardCancelText(), QString::fromUtf8("Zrušit"));  // Qt's dialogs in Czech too
  {
    ModalAnswer answer([](QDialog& dialog) {
      auto* languages = Find<QComboBox>(dialog, "ComboBox1");
      EXPECT_EQ(languages->currentIndex(), 1);
      EXPECT_EQ(languages->itemText(0), "Testing");
      EXPECT_EQ(Find<QLabel>(dialog, "Label1")->text(), "Jazyk");  // not the main window's
      languages->setCurrentIndex(0);
      SaveScreenshot(dialog, "form_jazyk");
      PressEnter(dialog);
    });
    Trigger(*window, "Jazyk1");
  }
  EXPECT_EQ(window->windowTitle(), "Test logbook");
  EXPECT_EQ(Find<QLabel>(*window, "Label1")->text(), "Date (1)");
  EXPECT_EQ(window->Settings().Jazyk, "1");
  EXPECT_EQ(Text(*window, "EditLokalita"), "Chorvatsko 5");
  EXPECT_TRUE(Status(*window).endsWith(" ... 5 dives (1)"));
  EXPECT_EQ(StandardCancelText(), "Cancel");
}

TEST_F(FormMainGuiTest, AnotherLanguageKeepsATypedValue) {
  auto window = StartWithLogbook();
  QLineEdit* depth = Find<QLineEdit>(*window, "EditHloubka");
  TypeOver(depth, "18");
  {
    ModalAnswer answer(PressEnter);
    Trigger(*window, "Jazyk1");
  }
  EXPECT_EQ(Text(*window, "EditHloubka"), "18.00");
  EXPECT_EQ(window->Model().CurrentDive()->Hloubka, 1800);
}

TEST_F(FormMainGuiTest, TheShippedTranslationInCzech) {
  m_languageFile = ZIRDAN_BINARY_DIR "/Language.ini";
  auto window = StartWithLogbook();
  EXPECT_EQ(Find<QLabel>(*window, "Label2")->text(), "Čas");
  EXPECT_EQ(Find<QComboBox>(*window, "ComboBoxPocasi")->currentText(), "sněžení");
  EXPECT_FALSE(Text(*window, "EditTypPonoru").contains("Error"));
  // A long text is shown from its start, cut before the "..." button.
  QLineEdit* activities = Find<QLineEdit>(*window, "EditTypAktivity");
  EXPECT_GT(activities->fontMetrics().horizontalAdvance(activities->toolTip()),
            activities->width());
  EXPECT_TRUE(activities->text().endsWith(u'\u2026'));
  EXPECT_EQ(activities->cursorPosition(), 0);
  SaveScreenshot(*window, "form_main_czech");
}

// --- The other windows ------------------------------------------------------------------

TEST_F(FormMainGuiTest, TheGraphWindowShowsTheCurrentDive) {
  auto window = StartWithLogbook();
  QTest::keyClick(window.get(), Qt::Key_F9);
  TFormGraf& graph = window->GraphWindow();
  ASSERT_TRUE(graph.isVisible());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&graph));
  SaveScreenshot(graph, "form_main_graf");
  SaveScreenshot(*window, "form_main_with_graph");
  // It follows the current dive.
  const QImage withProfile = graph.grab().toImage();
  QTest::keyClick(&List(*window), Qt::Key_PageUp, Qt::ControlModifier);
  QTest::keyClick(&List(*window), Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_NE(graph.grab().toImage(), withProfile);
  QTest::keyClick(&graph, Qt::Key_Escape);
  EXPECT_FALSE(graph.isVisible());
}

TEST_F(FormMainGuiTest, TheNumberWindowOfTheSettingsMenu) {
  auto window = Start();
  {
    ModalAnswer answer([](QDialog& dialog) {
      SaveScreenshot(dialog, "form_hodnota");
      EnterNumber("51")(dialog);  // the field stops at 50
    });
    Trigger(*window, "PocPon");
  }
  EXPECT_EQ(window->Settings().PocetPonoruProSoucet, 5);
}

TEST_F(FormMainGuiTest, TheFontChoiceOffersOnlyTheSizesTheProgramKeeps) {
  auto window = Start();
  for (const char* item : {"ItemPFont", "ItemNPFont"}) {
    SCOPED_TRACE(item);
    {
      ModalAnswer answer([](QDialog& dialog) {
        auto* size = Find<QSpinBox>(dialog, "FontSize");
        EXPECT_EQ(size->minimum(), 6);
        EXPECT_EQ(size->maximum(), 12);
        size->setValue(12);
        PressEnter(dialog);
      });
      Trigger(*window, item);
    }
  }
  EXPECT_EQ(window->Settings().FontSerifSize, 12);
  EXPECT_EQ(window->Settings().FontCourierSize, 12);
  {
    ModalAnswer answer([](QDialog& dialog) {
      Find<QSpinBox>(dialog, "FontSize")->setValue(7);
      PressEscape(dialog);
    });
    Trigger(*window, "ItemPFont");
  }
  EXPECT_EQ(window->Settings().FontSerifSize, 12);
}

TEST_F(FormMainGuiTest, TheMessageBoxAnswersWithItsDefaultButton) {
  SetAppMessageAnswers(nullptr);
  int answer = 0;
  {
    ModalAnswer enter([](QDialog& dialog) {
      SaveScreenshot(dialog, "form_hlaska_question");
      PressEnter(dialog);
    });
    answer = ShowAppMessage(QString("Save the changes?"), MessageKind::Question);
  }
  EXPECT_EQ(answer, kResultYes);
  {
    ModalAnswer enter([](QDialog& dialog) {
      SaveScreenshot(dialog, "form_hlaska_error");
      PressEnter(dialog);
    });
    answer = ShowAppMessage(QString("Chyba při čtení dat"), MessageKind::Error);
  }
  EXPECT_EQ(answer, kResultOk);
}

}  // namespace
}  // namespace zirdan
