// The main window driven as a diver drives it: keys, clicks, menu commands and the
// dialogs they open, on the offscreen platform.
#include "ui/form_main.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/log_file.h"
#include "core/win1250.h"
#include "support/dive_builders.h"
#include "support/logbook_samples.h"
#include "support/qt_application.h"
#include "support/scratch_files.h"
#include "transfer/form_graf.h"
#include "ui/form_hlaska.h"

QT_BEGIN_NAMESPACE
// Failure messages show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace zirdan {
namespace {

const bool kApplication = testing::UseQtApplication<QApplication>();

const QString kTitle = QString("Zirdan LOG Editor ") + ZIRDAN_VERSION;

// A small translation file: language 2 (the default) translates a few captions of the
// main window and the messages the commands use; language 1 sets the window caption.
const char kLanguageIni[] =
    "[Language]\n"
    "Testing=\n"
    "Czech=\n"
    "[FormMain1]\n"
    "Caption=Test logbook\n"
    "Label1=Date (1)\n"
    "[FormMain2]\n"
    "Caption=Error\n"
    "Label1=Date\n"
    "Label11=Depth [m]\n"
    "Soubor1=&File\n"
    "Nov1=&New logbook\n"
    "EditDatum=not a caption\n"
    "NoSuchComponent=ignored\n"
    "[FormHlaska2]\n"
    "oOtazka=Question\n"
    "bAno=&Yes\n"
    "bNe=&No\n"
    "bOk=&OK\n"
    "[Strings2]\n"
    "StrPonoru=dives\n"
    "StrZmeneno=changed\n"
    "StrUlozitZmeny=Save the changes?\n"
    "StrVlozit=Insert a dive after dive\n"
    "StrVymazatPonor=Delete dive\n"
    "StrPosledniPonor=The last dive cannot be deleted\n"
    "StrPrecislovat=Renumber the dives?\n"
    "StrSpotreba1=Air:\n"
    "StrSpotreba2=l/min\n"
    "StrSpotreba3=approx.\n"
    "StrObdelnik=Fullness:\n"
    "StrObdelnik2=approx.\n"
    "StrCtyp2=no-stop\n"
    "StrCtyp3=decompression\n"
    "StrCtyp8=nitrox\n"
    "StrCdruh8=wreck\n"
    "StrCpocasi1=clear\n"
    "StrCpocasi2=cloudy\n"
    "StrCpocasi3=fog\n"
    "StrCpocasi4=rain\n"
    "StrCpocasi5=storm\n"
    "StrCpocasi6=snow\n"
    "[Strings1]\n"
    "StrPonoru=dives (1)\n";

// The dives of the sample logbook: readable texts, the last two with a profile.
TLogbook SampleLogbook() {
  TLogbook logbook;
  for (uint16_t n = 1; n <= 5; ++n) {
    ponor dive = test::SampleDive(n);
    dive.Lokalita = Utf8ToWin1250("Chorvatsko " + std::to_string(n));
    dive.Poznamka = Utf8ToWin1250("Ponor číslo " + std::to_string(n) + ", vrak v 25 m");
    dive.Partner = n % 2 ? "Jana" : "Petr";
    if (n >= 4) {
      // A 40-minute dive to 25 m; the stored dive time is not shorter than the profile.
      std::vector<test::SampleSpec> samples;
      for (int i = 0; i < 120; ++i)
        samples.push_back({i < 10 ? i * 250 : i < 90 ? 2500 - (i % 7) * 40 : (120 - i) * 80, {}});
      test::SetProfile(dive, kFormatBasic, samples);
      dive.DelkaPonoru = 41;
      dive.Hloubka = 2500;
    }
    logbook.Append(dive);
  }
  logbook.PrvniCislo = 1;
  logbook.Renumber();
  logbook.Nacteno = true;
  return logbook;
}

template <typename T>
T* Find(QObject& window, const char* name) {
  T* found = window.findChild<T*>(name);
  if (!found) ADD_FAILURE() << "no component " << name;
  return found;
}

QString Text(QObject& window, const char* lineEdit) {
  return Find<QLineEdit>(window, lineEdit)->text();
}

void SaveScreenshot(QWidget& widget, const char* name) {
  ASSERT_TRUE(widget.grab().save(QString(ZIRDAN_BINARY_DIR "/") + name + ".png")) << name;
}

// Answers the next modal dialog: once it is open, `answer` runs on it (pressing its keys
// or buttons). A dialog that the answer leaves open is cancelled, so a test never hangs.
class ModalAnswer {
 public:
  explicit ModalAnswer(std::function<void(QDialog&)> answer) : m_answer(std::move(answer)) {
    m_timer.setInterval(5);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { Poll(); });
    m_timer.start();
  }
  ~ModalAnswer() { EXPECT_TRUE(m_answered) << "no dialog was opened"; }
  bool Answered() const { return m_answered; }

 private:
  void Poll() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    m_timer.stop();
    m_answered = true;
    m_answer(*dialog);
    if (dialog->isVisible()) {
      ADD_FAILURE() << "the answer left " << dialog->objectName().toStdString() << " open";
      dialog->reject();
    }
  }

  std::function<void(QDialog&)> m_answer;
  QTimer m_timer;
  bool m_answered = false;
};

// Clicks a check box or radio button on its box, as a person does: only the box and its
// caption take the click, not the rest of the control's width.
void ClickBox(QAbstractButton* box) {
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

void PressEnter(QDialog& dialog) {
  QTest::keyClick(&dialog, Qt::Key_Return);
}
void PressEscape(QDialog& dialog) {
  QTest::keyClick(&dialog, Qt::Key_Escape);
}

// Types a number into the number window and presses Enter.
std::function<void(QDialog&)> EnterNumber(const QString& number) {
  return [number](QDialog& dialog) {
    auto* spin = Find<QSpinBox>(dialog, "SpinEdit1");
    QTest::keyClicks(spin, number);
    QTest::keyClick(spin, Qt::Key_Return);
  };
}

struct ShownMessage {
  QString text;
  MessageKind kind;
};

class FormMainGuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_languageFile = m_folder.File("Language.ini");
    test::WriteFileBytes(m_languageFile, kLanguageIni);
    m_logPath = m_folder.File("dives.LOG");
    TLogbook sample = SampleLogbook();
    ASSERT_TRUE(SaveLogbook(m_logPath, sample));
    SetAppMessageAnswers([this](const QString& text, MessageKind kind) {
      m_shown.push_back({text, kind});
      if (kind != MessageKind::Question) return kResultOk;
      if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return kResultNo;
      }
      const int answer = m_answers.front();
      m_answers.erase(m_answers.begin());
      return answer;
    });
  }
  void TearDown() override {
    SetAppMessageAnswers(nullptr);
    EXPECT_TRUE(m_answers.empty()) << "questions that were never asked";
  }

  // Creates and shows the main window as the program does at start.
  std::unique_ptr<TFormMain> Start(const std::string& startFile = "") {
    StartOptions options;
    options.StartFileName = startFile;
    options.LanguageFile = m_languageFile;
    auto window = std::make_unique<TFormMain>(m_store, options);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return window;
  }
  std::unique_ptr<TFormMain> StartWithLogbook() { return Start(m_logPath); }

  static QString Status(TFormMain& window) { return Find<QLabel>(window, "Panel1")->text(); }
  static QListWidget& List(TFormMain& window) { return *Find<QListWidget>(window, "ListBox1"); }
  static QStringList ListEntries(TFormMain& window) {
    QStringList entries;
    for (int i = 0; i < List(window).count(); ++i) entries << List(window).item(i)->text();
    return entries;
  }
  static void Trigger(TFormMain& window, const char* action) {
    Find<QAction>(window, action)->trigger();
  }
  static void ClickRow(TFormMain& window, int row) {
    QListWidget& list = List(window);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(row)).center());
  }
  static void Focus(QWidget* widget) {
    widget->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([widget] { return widget->hasFocus(); }, 1000));
  }

  test::ScratchFolder m_folder;
  MemorySettingsStore m_store;
  std::string m_languageFile;
  std::string m_logPath;
  std::vector<ShownMessage> m_shown;  // every message the window showed
  std::vector<int> m_answers;         // answers to the next questions, in order
};

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
  EXPECT_EQ(List(*window).currentRow(), 4);
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

TEST_F(FormMainGuiTest, AStartLogbookThatCannotBeReadLeavesNoLogbookOpen) {
  const std::string damaged = m_folder.File("damaged.LOG");
  test::WriteFileBytes(damaged, test::ReadFileBytes(m_logPath).substr(0, 40));
  auto window = Start(damaged);
  EXPECT_FALSE(window->Model().Logbook().Nacteno);
  EXPECT_EQ(List(*window).count(), 0);
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
  EXPECT_EQ(List(*window).currentRow(), 2);
  EXPECT_EQ(Text(*window, "EditLokalita"), "Chorvatsko 3");

  // The keys work whatever field has the focus.
  QLineEdit* partner = Find<QLineEdit>(*window, "EditPartner");
  Focus(partner);
  QTest::keyClick(partner, Qt::Key_PageUp, Qt::ControlModifier);
  QTest::keyClick(partner, Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(List(*window).currentRow(), 0);
  QTest::keyClick(partner, Qt::Key_PageUp, Qt::ControlModifier);  // stays on the first
  EXPECT_EQ(List(*window).currentRow(), 0);
  EXPECT_EQ(Text(*window, "EditLokalita"), "Chorvatsko 1");
  QTest::keyClick(partner, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(Text(*window, "EditLokalita"), "Chorvatsko 5");
  QTest::keyClick(partner, Qt::Key_PageDown, Qt::ControlModifier);  // stays on the last
  EXPECT_EQ(List(*window).currentRow(), 4);
  QTest::keyClick(partner, Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(List(*window).currentRow(), 0);
  // Browsing changes nothing.
  EXPECT_FALSE(window->Model().Logbook().Zmeneno);
}

// --- Field editing ----------------------------------------------------------------------

TEST_F(FormMainGuiTest, TypingADepthMarksTheLogbookChangedAtOnce) {
  auto window = StartWithLogbook();
  QLineEdit* depth = Find<QLineEdit>(*window, "EditHloubka");
  Focus(depth);
  depth->selectAll();
  QTest::keyClicks(depth, "31.5");
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
  Focus(volume);
  volume->selectAll();
  QTest::keyClicks(volume, "24");
  EXPECT_EQ(consumption->text(), before);
  QTest::keyClick(volume, Qt::Key_Tab);
  EXPECT_FALSE(volume->hasFocus());
  EXPECT_EQ(volume->text(), "24.00");  // shown in its normal form
  EXPECT_EQ(window->Model().CurrentDive()->Lahev, 2400);
  EXPECT_NE(consumption->text(), before);
  // Twice the volume for the same pressure drop: twice the consumption.
  const double old = before.section(' ', 1, 1).toDouble();
  const double now = consumption->text().section(' ', 1, 1).toDouble();
  EXPECT_NEAR(now, 2 * old, 0.02);
}

TEST_F(FormMainGuiTest, TypingANoteUpdatesTheNoteAndItsBar) {
  auto window = StartWithLogbook();
  QLineEdit* note = Find<QLineEdit>(*window, "EditPoznamka");
  Focus(note);
  note->selectAll();
  QTest::keyClicks(note, "Krasny ponor");
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
  QTest::keyClick(window.get(), Qt::Key_PageUp, Qt::ControlModifier);
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
  Focus(locality);
  locality->selectAll();
  QTest::keyClicks(locality, "Chorvatsko 2");
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
  EXPECT_TRUE(Text(*window, "EditTypPonoru").contains("nitrox"));
  EXPECT_TRUE(window->Model().Logbook().Zmeneno);
  // A nitrox dive shows its gas data.
  EXPECT_TRUE(Find<QLabel>(*window, "EAN")->text().startsWith("EAN"));
}

TEST_F(FormMainGuiTest, BothGasBitsOpenTheDiveTypeDialogOnScrAndOkKeepsOnlyThat) {
  ponor both = test::SampleDive(1);
  both.TypPonoru = (1u << 8) | (1u << 9) | (1u << 2);
  TLogbook logbook;
  logbook.Append(both);
  logbook.Nacteno = true;
  const std::string path = m_folder.File("scr.LOG");
  ASSERT_TRUE(SaveLogbook(path, logbook));
  auto window = Start(path);
  {
    ModalAnswer answer([](QDialog& dialog) {
      EXPECT_TRUE(Find<QRadioButton>(dialog, "SCR")->isChecked());
      EXPECT_FALSE(Find<QRadioButton>(dialog, "Nitrox")->isChecked());
      EXPECT_TRUE(Find<QRadioButton>(dialog, "Bezdekompresni")->isChecked());
      EXPECT_FALSE(Find<QRadioButton>(dialog, "Sladka")->isChecked());
      EXPECT_FALSE(Find<QRadioButton>(dialog, "Morska")->isChecked());
      PressEnter(dialog);
    });
    QTest::mouseClick(Find<QPushButton>(*window, "Button1"), Qt::LeftButton);
  }
  EXPECT_EQ(window->Model().CurrentDive()->TypPonoru, (1u << 9) | (1u << 2));
}

TEST_F(FormMainGuiTest, TextTypedIntoTheDiveTypeFieldGivesWayToTheNames) {
  auto window = StartWithLogbook();
  QLineEdit* types = Find<QLineEdit>(*window, "EditTypPonoru");
  const QString names = types->text();
  Focus(types);
  types->selectAll();
  QTest::keyClicks(types, "cave");
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
  EXPECT_EQ(List(*window).count(), 5);
  QTest::keyClick(window.get(), Qt::Key_F7);
  ASSERT_EQ(m_shown.size(), 2u);
  EXPECT_EQ(m_shown[1].text, "Insert a dive after dive 2");
  EXPECT_EQ(List(*window).count(), 6);
  EXPECT_EQ(List(*window).currentRow(), 2);
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
  EXPECT_EQ(List(*window).count(), 4);
  EXPECT_EQ(Text(*window, "EditLokalita"), "Chorvatsko 4");
}

TEST_F(FormMainGuiTest, TheOnlyDiveIsNeverDeleted) {
  auto window = Start();
  Trigger(*window, "Nov1");
  Trigger(*window, "Zruitponor1");
  ASSERT_EQ(m_shown.size(), 1u);
  EXPECT_EQ(m_shown[0].kind, MessageKind::Warning);
  EXPECT_EQ(m_shown[0].text, "The last dive cannot be deleted");
  EXPECT_EQ(List(*window).count(), 1);
}

TEST_F(FormMainGuiTest, RenumberingFrom100) {
  auto window = StartWithLogbook();
  m_answers = {kResultYes};
  {
    ModalAnswer answer(EnterNumber("100"));
    Trigger(*window, "Peslovat1");
  }
  EXPECT_EQ(ListEntries(*window), (QStringList{"100", "101", "102", "103\u2022", "104\u2022"}));
  EXPECT_EQ(List(*window).currentRow(), 0);
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
    Focus(partner);
    partner->selectAll();
    QTest::keyClicks(partner, "Zdenek");
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
  Focus(site);
  site->selectAll();
  QTest::keyClicks(site, "Blue Hole");
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

TEST_F(FormMainGuiTest, AFailedOpenKeepsTheOpenLogbook) {
  const std::string damaged = m_folder.File("damaged.LOG");
  test::WriteFileBytes(damaged, test::ReadFileBytes(m_logPath).substr(0, 100));
  m_store.Set("Historie", "Historie0", damaged);
  auto window = StartWithLogbook();
  ClickRow(*window, 2);
  Trigger(*window, "p1");
  ASSERT_EQ(m_shown.size(), 1u);
  EXPECT_EQ(m_shown[0].kind, MessageKind::Error);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->Model().Logbook().Nacteno);
  EXPECT_EQ(List(*window).count(), 5);
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
  Focus(buddy);
  buddy->selectAll();
  QTest::keyClicks(buddy, "Eva");
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

TEST_F(FormMainGuiTest, AnotherLanguageKeepsTheShownDive) {
  auto window = StartWithLogbook();
  {
    ModalAnswer answer([](QDialog& dialog) {
      auto* languages = Find<QComboBox>(dialog, "ComboBox1");
      EXPECT_EQ(languages->currentIndex(), 1);
      EXPECT_EQ(languages->itemText(0), "Testing");
      EXPECT_NE(Find<QLabel>(dialog, "Label1")->text(), "Date");
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
}

TEST_F(FormMainGuiTest, AnotherLanguageKeepsATypedValue) {
  auto window = StartWithLogbook();
  QLineEdit* depth = Find<QLineEdit>(*window, "EditHloubka");
  Focus(depth);
  depth->selectAll();
  QTest::keyClicks(depth, "18");
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
  // A long text is shown from its start.
  QLineEdit* activities = Find<QLineEdit>(*window, "EditTypAktivity");
  EXPECT_GT(activities->fontMetrics().horizontalAdvance(activities->text()), activities->width());
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
