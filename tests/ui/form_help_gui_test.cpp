// Help for a diver: F1 on a control, the help menu and the report windows' help items open
// the right page in the chosen language, and the help window can be read over a dialog.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

#include "support/form_main_harness.h"
#include "support/qt_application.h"
#include "ui/form_help.h"
#include "ui/form_statistika.h"

namespace zirdan {
namespace {

const bool kApplication = test::UseQtApplication<QApplication>();

using test::Find;

class HelpTest : public test::FormMainGuiTest {
 protected:
  static TFormHelp& Help(TFormMain& window) { return *Find<TFormHelp>(window, "FormHelp"); }
  static QString Page(TFormMain& window) {
    const QString path = Help(window).CurrentPage();
    return path.section('/', -3);  // "help/<language>/<page>"
  }
  static void PressF1(QWidget* control) {
    Focus(control);
    QTest::keyClick(control, Qt::Key_F1);
  }
};

TEST_F(HelpTest, F1OnAControlOpensItsPageInTheChosenLanguage) {
  auto window = StartWithLogbook();
  EXPECT_FALSE(Help(*window).isVisible());

  PressF1(Find<QLineEdit>(*window, "EditPoznamka"));
  ASSERT_TRUE(Help(*window).isVisible());
  EXPECT_EQ(Page(*window), "help/cs/note.html");
  EXPECT_EQ(Help(*window).PageTitle(), QString("Poznámka"));
  EXPECT_FALSE(Help(*window).isModal()) << "help beside the main window stays out of its way";

  window->activateWindow();
  PressF1(&List(*window));
  EXPECT_EQ(Page(*window), "help/cs/dive_list.html");
  // The editable part of a drop-down list has no name: its list's context counts.
  window->activateWindow();
  PressF1(Find<QComboBox>(*window, "ComboBoxPocasi")->lineEdit());
  EXPECT_EQ(Page(*window), "help/cs/dive_fields.html");

  window->Settings().Jazyk = "1";
  window->activateWindow();
  PressF1(Find<QPushButton>(*window, "Button3"));
  EXPECT_EQ(Page(*window), "help/en/errors.html");
  EXPECT_EQ(Help(*window).PageTitle(), QString("Dive errors"));
  test::SaveScreenshot(Help(*window), "help_window_errors");
}

TEST_F(HelpTest, HelpMenuOpensTheContentsAndPagesLinkToEachOther) {
  auto window = StartWithLogbook();
  window->Settings().Jazyk = "1";
  Trigger(*window, "Npovda2");
  ASSERT_TRUE(Help(*window).isVisible());
  EXPECT_EQ(Page(*window), "help/en/index.html");

  auto* browser = Find<QTextBrowser>(Help(*window), "TextBrowser");
  // Click the contents' link to the download page.
  QTextCursor link = browser->document()->find("Download from Zirdan");
  ASSERT_FALSE(link.isNull());
  link.setPosition(link.selectionStart() + 3);
  browser->setTextCursor(link);
  browser->ensureCursorVisible();
  QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(link).center());
  EXPECT_EQ(Page(*window), "help/en/download.html");
  EXPECT_TRUE(browser->toPlainText().contains("interface cable"));

  QTest::mouseClick(Find<QPushButton>(Help(*window), "ButtonZpet"), Qt::LeftButton);
  EXPECT_EQ(Page(*window), "help/en/index.html");
  QTest::mouseClick(Find<QPushButton>(Help(*window), "ButtonVpred"), Qt::LeftButton);
  EXPECT_EQ(Page(*window), "help/en/download.html");
  QTest::mouseClick(Find<QPushButton>(Help(*window), "ButtonObsah"), Qt::LeftButton);
  EXPECT_EQ(Page(*window), "help/en/index.html");
  test::SaveScreenshot(Help(*window), "help_window_contents");
  QTest::mouseClick(Find<QPushButton>(Help(*window), "ButtonZavrit"), Qt::LeftButton);
  EXPECT_FALSE(Help(*window).isVisible());
}

// A first-time diver's way in: the help menu's item, captioned from the shipped translation
// file, opens the getting-started page in the chosen language.
TEST_F(HelpTest, GettingStartedItemOpensItsPageInTheChosenLanguage) {
  m_languageFile = ZIRDAN_SOURCE_DIR "/data/Language.ini";
  struct Row {
    const char* language;
    QString caption;
    QString page;
    QString title;
    QString screenshot;
  };
  for (const Row& row : {Row{"1", "&Getting started", "help/en/getting_started.html",
                             "Getting started", "help_getting_started_en"},
                         Row{"2", "&Začínáme", "help/cs/getting_started.html", "Začínáme",
                             "help_getting_started_cs"}}) {
    m_store.Set("zaklad", "Jazyk", row.language);
    auto window = Start();
    auto* item = Find<QAction>(*window, "Zanme1");
    EXPECT_EQ(item->text(), row.caption);
    EXPECT_TRUE(Find<QMenu>(*window, "Npovda1")->actions().contains(item));
    item->trigger();
    ASSERT_TRUE(Help(*window).isVisible());
    EXPECT_EQ(Page(*window), row.page);
    EXPECT_EQ(Help(*window).PageTitle(), row.title);
    const QString text = Find<QTextBrowser>(Help(*window), "TextBrowser")->toPlainText();
    for (const char* step : {"dialout", "F5", "F2", "Ctrl+N"})
      EXPECT_TRUE(text.contains(step)) << row.page.toStdString() << " lacks " << step;
    Help(*window).resize(760, 640);
    test::SaveScreenshot(Help(*window), row.screenshot.toUtf8().constData());
  }
}

TEST_F(HelpTest, F1InADialogOpensItsPageOverTheDialogAndTheStatisticsHelpItemItsOwn) {
  auto window = StartWithLogbook();
  bool helpWasModal = false;
  QString pageOverDialog;
  {
    test::ModalAnswer answer([&](QDialog& dialog) {
      // The dialog's own focus widget: under load the application's focus may not have
      // moved into the dialog yet.
      QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_F1);
      pageOverDialog = Page(*window);
      helpWasModal = Help(*window).isVisible() && Help(*window).isModal();
      Help(*window).close();
      test::PressEscape(dialog);
    });
    QTest::mouseClick(Find<QPushButton>(*window, "Button2"), Qt::LeftButton);
  }
  EXPECT_EQ(pageOverDialog, "help/cs/activity.html");
  EXPECT_TRUE(helpWasModal) << "help under a modal dialog could not be read";

  // Help while a menu is open describes the highlighted item and closes the menu.
  auto* edit = Find<QMenu>(*window, "pravy1");
  edit->popup(window->mapToGlobal(QPoint(0, 0)));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(edit));
  edit->setActiveAction(Find<QAction>(*window, "Rozdlitponor1"));
  QTest::keyClick(edit, Qt::Key_F1);
  EXPECT_EQ(Page(*window), "help/cs/split.html");
  EXPECT_FALSE(edit->isVisible());

  auto& statistics = *Find<TFormStatistika>(*window, "FormStatistika");
  Find<QAction>(statistics, "Npovda2")->trigger();
  EXPECT_EQ(Page(*window), "help/cs/statistics.html");
}

}  // namespace
}  // namespace zirdan
