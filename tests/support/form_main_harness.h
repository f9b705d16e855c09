#pragma once

// For the main window's tests (header-only, so the logic-only build never sees Qt): the
// window started as the program starts it, answers to its messages and dialogs, and the
// inputs they use.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "core/log_file.h"
#include "core/win1250.h"
#include "support/dive_builders.h"
#include "support/logbook_samples.h"
#include "support/pdf_pages.h"
#include "support/scratch_files.h"
#include "ui/form_hlaska.h"
#include "ui/form_main.h"

QT_BEGIN_NAMESPACE
// Failure messages show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace zirdan::test {

inline const QString kTitle = QString("Zirdan LOG Editor ") + ZIRDAN_VERSION;

// A small translation file: language 2 (the default) translates a few captions of the
// main window and the messages the commands use; language 1 sets the window caption.
inline constexpr char kLanguageIni[] =
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
    "StrCtyp9=SCR\n"
    "StrCdruh8=wreck\n"
    "StrCpocasi1=clear\n"
    "StrCpocasi2=cloudy\n"
    "StrCpocasi3=fog\n"
    "StrCpocasi4=rain\n"
    "StrCpocasi5=storm\n"
    "StrCpocasi6=snow\n"
    "StrZamekDrzi=Held by %1 (process %2) on %3.\n"
    "[Strings1]\n"
    "StrPonoru=dives (1)\n";

// The dives of the sample logbook: readable texts, the last two with a profile.
inline TLogbook MainWindowSampleLogbook() {
  TLogbook logbook;
  for (uint16_t n = 1; n <= 5; ++n) {
    ponor dive = SampleDive(n);
    dive.Lokalita = Utf8ToWin1250("Chorvatsko " + std::to_string(n));
    dive.Poznamka = Utf8ToWin1250("Ponor číslo " + std::to_string(n) + ", vrak v 25 m");
    dive.Partner = n % 2 ? "Jana" : "Petr";
    if (n >= 4) {
      // A 40-minute dive to 25 m; the stored dive time is not shorter than the profile.
      std::vector<SampleSpec> samples;
      for (int i = 0; i < 120; ++i)
        samples.push_back({i < 10 ? i * 250 : i < 90 ? 2500 - (i % 7) * 40 : (120 - i) * 80, {}});
      SetProfile(dive, kFormatBasic, samples);
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

inline QString Text(QObject& window, const char* lineEdit) {
  return Find<QLineEdit>(window, lineEdit)->text();
}

inline void SaveScreenshot(QWidget& widget, const char* name) {
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
inline void ClickBox(QAbstractButton* box) {
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

inline void PressEnter(QDialog& dialog) {
  QTest::keyClick(&dialog, Qt::Key_Return);
}
inline void PressEscape(QDialog& dialog) {
  QTest::keyClick(&dialog, Qt::Key_Escape);
}

// Types a number into the number window and presses Enter.
inline std::function<void(QDialog&)> EnterNumber(const QString& number) {
  return [number](QDialog& dialog) {
    auto* spin = Find<QSpinBox>(dialog, "SpinEdit1");
    QTest::keyClicks(spin, number);
    QTest::keyClick(spin, Qt::Key_Return);
  };
}

// Answers a save or open dialog with `path`; `proposed` gets its title and first offer.
inline std::function<void(QDialog&)> ChooseFile(const std::string& path, QString* proposed = nullptr) {
  return [path, proposed](QDialog& dialog) {
    auto* files = qobject_cast<QFileDialog*>(&dialog);
    ASSERT_NE(files, nullptr);
    if (proposed) *proposed = files->windowTitle() + "|" + files->selectedFiles().value(0);
    files->selectFile(QString::fromStdString(path));
    dialog.accept();  // QFileDialog::accept, through the public slot
  };
}

struct ShownMessage {
  QString text;
  MessageKind kind;
};

// The main window on a settings store in memory, a small translation file and a sample
// logbook; every message is recorded and questions take the answers given in m_answers.
class FormMainGuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_languageFile = m_folder.File("Language.ini");
    WriteFileBytes(m_languageFile, kLanguageIni);
    m_logPath = m_folder.File("dives.LOG");
    TLogbook sample = MainWindowSampleLogbook();
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
    options.RecoveryFolder = m_recoveryFolder;
    auto window = std::make_unique<TFormMain>(m_store, options);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return window;
  }
  std::unique_ptr<TFormMain> StartWithLogbook() { return Start(m_logPath); }
  // Starts on a logbook of the one dive.
  std::unique_ptr<TFormMain> StartWithDive(const ponor& dive) {
    TLogbook logbook;
    logbook.Append(dive);
    logbook.Nacteno = true;
    const std::string path = m_folder.File("one_dive.LOG");
    EXPECT_TRUE(SaveLogbook(path, logbook));
    return Start(path);
  }

  static QString Status(TFormMain& window) { return Find<QLabel>(window, "Panel1")->text(); }
  static QListView& List(TFormMain& window) { return *Find<QListView>(window, "ListBox1"); }
  static int RowCount(TFormMain& window) { return List(window).model()->rowCount(); }
  static int CurrentRow(TFormMain& window) { return List(window).currentIndex().row(); }
  static QStringList ListEntries(TFormMain& window) {
    QStringList entries;
    const QAbstractItemModel& rows = *List(window).model();
    for (int i = 0; i < rows.rowCount(); ++i) entries << rows.index(i, 0).data().toString();
    return entries;
  }
  static void Trigger(TFormMain& window, const char* action) {
    Find<QAction>(window, action)->trigger();
  }
  static void ClickRow(TFormMain& window, int row) {
    QListView& list = List(window);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualRect(list.model()->index(row, 0)).center());
  }
  static void Focus(QWidget* widget) {
    widget->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([widget] { return widget->hasFocus(); }, 1000));
  }
  // Gives the field the focus and types over its whole text.
  static void TypeOver(QLineEdit* field, const QString& text) {
    Focus(field);
    field->selectAll();
    QTest::keyClicks(field, text);
  }

  ScratchFolder m_folder;
  std::string m_recoveryFolder;  // where the window copies unsaved edits; empty = nowhere
  MemorySettingsStore m_store;
  std::string m_languageFile;
  std::string m_logPath;
  std::vector<ShownMessage> m_shown;  // every message the window showed
  std::vector<int> m_answers;         // answers to the next questions, in order
};

}  // namespace zirdan::test
