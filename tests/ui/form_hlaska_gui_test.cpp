// The message box grows with its text up to the screen, so a diver reads every line of
// it; a text larger than the screen scrolls. Its buttons and keys stay as they are.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "support/form_main_harness.h"
#include "support/qt_application.h"
#include "ui/form_hlaska.h"

namespace zirdan {
namespace {

const bool kApplication = test::UseQtApplication<QApplication>();

using test::Find;
using test::ModalAnswer;
using test::PressEnter;

// What the box showed: whether the whole text lay in the visible area, and the window.
struct Shown {
  bool wholeTextVisible = false;
  bool wordsFit = false;  // no word runs past the text's edge
  bool scrolls = false;
  QRect window;
  bool okVisible = false;
  bool yesVisible = false;
};

Shown ShowAndLook(const QString& text, MessageKind kind, int expectedResult,
                  const char* screenshot) {
  Shown shown;
  int result = 0;
  {
    ModalAnswer answer([&](QDialog& box) {
      const QLabel* label = Find<QLabel>(box, "LabelCo");
      const QScrollArea* area = Find<QScrollArea>(box, "LabelCoArea");
      EXPECT_EQ(label->text(), text);
      const QSize viewport = area->viewport()->size();
      shown.wholeTextVisible = viewport.width() >= label->width() &&
                               viewport.height() >= label->height() &&
                               label->height() >= label->heightForWidth(label->width());
      const QFontMetrics metrics(label->font());
      shown.wordsFit = true;
      for (const QString& word : text.split(QRegularExpression("\\s+")))
        shown.wordsFit &= metrics.horizontalAdvance(word) <= label->contentsRect().width();
      shown.scrolls = area->verticalScrollBar()->maximum() > 0;
      shown.window = box.frameGeometry();
      shown.okVisible = Find<QPushButton>(box, "ButtonOk")->isVisible();
      shown.yesVisible = Find<QPushButton>(box, "ButtonAno")->isVisible();
      test::SaveScreenshot(box, screenshot);
      PressEnter(box);
    });
    result = AppMessageBox().Show(text, kind);
  }
  EXPECT_EQ(result, expectedResult);
  return shown;
}

QString LongPath(int i) {
  return QString::fromUtf8(
             "/home/potapec/Deník Žluťoučký/Expedice 2026/Rudé moře/"
             "logbook_of_the_club_trip_%1.dive.csv")
      .arg(i);
}

TEST(MessageBox, ATextOfSixLongPathsIsShownWhole) {
  QString text = "The tables were written:";
  for (int i = 1; i <= 6; ++i) text += "\n" + LongPath(i);
  const Shown shown =
      ShowAndLook(text, MessageKind::Information, kResultOk, "form_hlaska_six_paths");
  EXPECT_TRUE(shown.wholeTextVisible);
  EXPECT_TRUE(shown.wordsFit);
  EXPECT_FALSE(shown.scrolls);
  EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(shown.window));
  EXPECT_TRUE(shown.okVisible);
  EXPECT_FALSE(shown.yesVisible);
}

TEST(MessageBox, AShortQuestionKeepsTheDesignedSizeAndItsButtons) {
  const Shown shown =
      ShowAndLook("Save the changes?", MessageKind::Question, kResultYes, "form_hlaska_short");
  EXPECT_TRUE(shown.wholeTextVisible);
  EXPECT_TRUE(shown.yesVisible);
  EXPECT_FALSE(shown.okVisible);
  EXPECT_EQ(Find<QWidget>(AppMessageBox(), "LabelCoArea")->size(), QSize(288, 89));
}

TEST(MessageBox, ATextTallerThanTheScreenScrollsInsideTheScreen) {
  QString text;
  for (int i = 1; i <= 200; ++i) text += LongPath(i) + "\n";
  const Shown shown = ShowAndLook(text, MessageKind::Error, kResultOk, "form_hlaska_scrolling");
  EXPECT_TRUE(shown.scrolls);
  EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(shown.window));
}

}  // namespace
}  // namespace zirdan
