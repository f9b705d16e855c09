// Search and search next, driven through the main window.
#include <gtest/gtest.h>

#include <QRadioButton>

#include "support/form_main_harness.h"
#include "support/qt_application.h"

namespace zirdan {
namespace {

const bool kApplication = test::UseQtApplication<QApplication>();

using test::ClickBox;
using test::Find;
using test::ModalAnswer;
using test::PressEnter;
using test::PressEscape;
using test::Text;

class SearchTest : public test::FormMainGuiTest {
 protected:
  void SetUp() override {
    FormMainGuiTest::SetUp();
    std::string ini = test::kLanguageIni;
    ini.insert(ini.find("[Strings2]\n") + 11, "StrNenasel=No further dive contains\n");
    test::WriteFileBytes(m_languageFile, ini);
    TLogbook book;
    for (const char* buddy : {"NOVÁKOVÁ", "Petr", "Nováková", "Novakova"}) {
      ponor dive = test::SampleDive(1);
      dive.Partner = Utf8ToWin1250(buddy);
      book.Append(dive);
    }
    book.PrvniCislo = 1;
    book.Renumber();
    book.Nacteno = true;
    ASSERT_TRUE(SaveLogbook(m_logPath, book));
  }

  // Ctrl+F, answered by typing `text` (when given), choosing the field and start, and Enter.
  void Search(TFormMain& window, const QString& text, const char* field, const char* from) {
    ModalAnswer answer([&](QDialog& dialog) {
      EXPECT_EQ(dialog.focusWidget(), Find<QLineEdit>(dialog, "EditHledat"));
      // Typed as one piece: the key simulation knows no accented letters.
      Find<QLineEdit>(dialog, "EditHledat")->insert(text);
      ClickBox(Find<QRadioButton>(dialog, field));
      ClickBox(Find<QRadioButton>(dialog, from));
      PressEnter(dialog);
    });
    Press(window, Qt::Key_F, Qt::ControlModifier);
  }

  // A key on the main window. It is made active first: without a window manager nothing gives it
  // back after a dialog, and its shortcuts only work while it is active.
  static void Press(TFormMain& window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor(
        [&window] {
          return QGuiApplication::focusWindow() == window.windowHandle() &&
                 QApplication::activeWindow() == &window;
        },
        5000));
    QTest::keyClick(&window, key, modifiers);
  }
  static void SearchNext(TFormMain& window) { Press(window, Qt::Key_F3); }
};

TEST_F(SearchTest, FindsByLetterCaseButNotWithoutDiacritics) {
  auto window = StartWithLogbook();  // the last dive, Novakova, is shown
  Search(*window, "ová", "Partner", "Zacatek");
  EXPECT_TRUE(m_shown.empty());
  EXPECT_EQ(CurrentRow(*window), 0);  // the first dive is examined too
  EXPECT_EQ(Text(*window, "EditPartner"), "NOVÁKOVÁ");
  SearchNext(*window);
  EXPECT_EQ(CurrentRow(*window), 2);
  EXPECT_EQ(Text(*window, "EditPartner"), "Nováková");
  // "Novakova" does not match: the current dive stays.
  SearchNext(*window);
  ASSERT_EQ(m_shown.size(), 1u);
  EXPECT_EQ(m_shown[0].text, "No further dive contains \"ová\" ");
  EXPECT_EQ(m_shown[0].kind, MessageKind::Information);
  EXPECT_EQ(CurrentRow(*window), 2);
}

TEST_F(SearchTest, SearchNextOnTheLastDiveReportsAtOnce) {
  auto window = StartWithLogbook();
  SearchNext(*window);  // nothing typed yet: nothing happens
  EXPECT_TRUE(m_shown.empty());
  ClickRow(*window, 1);
  Search(*window, "n", "Partner", "Dalsi");  // continues after dive 2
  EXPECT_EQ(CurrentRow(*window), 2);
  ClickRow(*window, 3);
  SearchNext(*window);
  ASSERT_EQ(m_shown.size(), 1u);
  EXPECT_EQ(m_shown[0].text, "No further dive contains \"n\" ");
  EXPECT_EQ(CurrentRow(*window), 3);
}

TEST_F(SearchTest, TheWindowKeepsItsChoicesAndEscapeOrEmptyTextDoNothing) {
  auto window = StartWithLogbook();
  Search(*window, "petr", "Partner", "Zacatek");
  EXPECT_EQ(CurrentRow(*window), 1);
  ClickRow(*window, 3);
  {
    ModalAnswer answer([](QDialog& dialog) {
      EXPECT_EQ(Find<QLineEdit>(dialog, "EditHledat")->text(), "petr");
      EXPECT_TRUE(Find<QRadioButton>(dialog, "Partner")->isChecked());
      EXPECT_TRUE(Find<QRadioButton>(dialog, "Zacatek")->isChecked());
      test::SaveScreenshot(dialog, "form_hledat");
      PressEscape(dialog);
    });
    Trigger(*window, "Hledat1");
  }
  EXPECT_EQ(CurrentRow(*window), 3);
  {
    ModalAnswer answer([](QDialog& dialog) {
      Find<QLineEdit>(dialog, "EditHledat")->clear();
      PressEnter(dialog);
    });
    Trigger(*window, "Hledat1");
  }
  EXPECT_EQ(CurrentRow(*window), 3);
  EXPECT_TRUE(m_shown.empty());
}

}  // namespace
}  // namespace zirdan
