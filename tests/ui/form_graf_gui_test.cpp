#include "ui/form_graf.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <vector>

#include "env/language_load.h"
#include "env/translation_file.h"
#include "support/dive_builders.h"
#include "support/qt_application.h"
#include "adapters/qt_profile_view.h"

namespace zirdan {
namespace {

const bool kApplication = test::UseQtApplication<QApplication>();

// A 40-minute dive to 25 m with every kind of warning somewhere along it.
ponor SampleDive() {
  std::vector<test::SampleSpec> samples;
  auto add = [&samples](int32_t depth, std::vector<int> flags = {}) {
    test::SampleSpec s{depth, {}};
    for (int f : flags) s.marks[static_cast<std::size_t>(f)] = true;
    samples.push_back(s);
  };
  for (int i = 1; i <= 6; ++i)
    add(i * 410, i == 3 || i == 4 ? std::vector<int>{1} : std::vector<int>{});
  for (int i = 0; i < 45; ++i)
    add(2300 + (i % 9) * 25, i >= 30 && i < 33 ? std::vector<int>{0} : std::vector<int>{});
  for (int i = 0; i < 24; ++i)
    add(2200 - i * 50, i >= 14 && i < 17 ? std::vector<int>{5} : std::vector<int>{});
  for (int i = 0; i < 6; ++i) add(1000 - i * 70, i == 2 ? std::vector<int>{2} : std::vector<int>{});
  for (int i = 0; i < 15; ++i) add(600, {4});
  for (int i = 0; i < 18; ++i) add(300, i == 9 ? std::vector<int>{3, 4} : std::vector<int>{4});
  for (int i = 0; i < 5; ++i) add(300 - i * 60);
  add(0);
  ponor dive;
  test::SetProfile(dive, 22, samples);
  dive.Cislo = 42;
  dive.Hloubka = 2500;           // 25 m
  dive.DelkaPonoru = 40;         // minutes
  dive.Lahev = 1500;             // 15 l
  dive.SpotrebaVzduchu = 15000;  // 150 bar
  return dive;
}

TMessageTable CzechMessages() {
  TMessageTable messages;
  LoadMessageTable(TTranslationFile::Load(ZIRDAN_BINARY_DIR "/Language.ini"), 2, messages);
  return messages;
}

int CountPixels(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++count;
    }
  }
  return count;
}

class FormGrafTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_form = std::make_unique<TFormGraf>(m_messages);
    m_form->SetDecimalSeparator(',');
  }
  void ShowWithDive() {
    m_form->SetGeometry(WindowGeometry{0, 100, 640, 480});
    m_form->ShowDive(m_dive, m_view);
    m_form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_form.get()));
  }

  TMessageTable m_messages = CzechMessages();
  ponor m_dive = SampleDive();
  ponorTxt m_view = test::ViewOf(m_dive);
  std::unique_ptr<TFormGraf> m_form;
};

TEST_F(FormGrafTest, NamesAndCaptionAreThoseTheTranslationFinds) {
  EXPECT_EQ(m_form->objectName(), "FormGraf");
  EXPECT_EQ(m_form->windowTitle(), "Graf ponoru");
  EXPECT_EQ(m_form->property("helpContext").toInt(), 280);
  QWidget* paintBox = m_form->findChild<QWidget*>("PaintBox1");
  ASSERT_NE(paintBox, nullptr);
  EXPECT_EQ(paintBox, m_form->PaintBox());
  EXPECT_TRUE(m_form->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(FormGrafTest, ShowsTheDiveOverTheWholeWindowAndSavesAScreenshot) {
  QSignalSpy shown(m_form.get(), &TFormGraf::Shown);
  ShowWithDive();
  EXPECT_EQ(shown.count(), 1);
  EXPECT_EQ(m_form->PaintBox()->geometry(), m_form->rect());

  const QImage image = m_form->grab().toImage();
  ASSERT_TRUE(image.save(ZIRDAN_BINARY_DIR "/form_graf.png"));
  // White paper, blue grid, black and red profile, blue and grey tracks.
  EXPECT_GT(CountPixels(image, qRgb(255, 255, 255)), image.width() * image.height() / 2);
  EXPECT_GT(CountPixels(image, qRgb(0, 0, 255)), 1000);
  EXPECT_GT(CountPixels(image, qRgb(255, 0, 0)), 100);
  EXPECT_GT(CountPixels(image, qRgb(0, 0, 0)), 1000);
  EXPECT_GT(CountPixels(image, qRgb(128, 128, 128)), 50);

  // The graph stretches with the window.
  m_form->resize(950, 730);
  const QImage large = m_form->grab().toImage();
  EXPECT_EQ(large.size(), QSize(950, 730) * large.devicePixelRatio());
  ASSERT_TRUE(large.save(ZIRDAN_BINARY_DIR "/form_graf_large.png"));
}

TEST_F(FormGrafTest, GeometryRoundTrip) {
  ShowWithDive();
  const WindowGeometry stored{30, 120, 800, 600};
  m_form->SetGeometry(stored);
  EXPECT_EQ(m_form->Geometry(), stored);
  m_form->close();
  // Reopened, the window is where it was left.
  m_form->show();
  EXPECT_EQ(m_form->Geometry(), stored);
}

TEST_F(FormGrafTest, ADamagedStoredSizeStillGivesAUsableWindow) {
  ShowWithDive();
  m_form->SetGeometry(WindowGeometry{10, 20, -5, 0});
  EXPECT_GE(m_form->Geometry().Width, 160);
  EXPECT_GE(m_form->Geometry().Height, 120);
}

TEST_F(FormGrafTest, EscapeClosesTheWindow) {
  QSignalSpy closed(m_form.get(), &TFormGraf::Closed);
  ShowWithDive();
  QTest::keyClick(m_form.get(), Qt::Key_Escape);
  EXPECT_FALSE(m_form->isVisible());
  EXPECT_EQ(closed.count(), 1);
}

TEST_F(FormGrafTest, ADoubleClickOnTheGraphClosesTheWindow) {
  QSignalSpy closed(m_form.get(), &TFormGraf::Closed);
  ShowWithDive();
  QTest::mouseDClick(m_form->PaintBox(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
  EXPECT_FALSE(m_form->isVisible());
  EXPECT_EQ(closed.count(), 1);
}

TEST_F(FormGrafTest, OtherKeysLeaveTheWindowOpen) {
  ShowWithDive();
  QTest::keyClick(m_form.get(), Qt::Key_Space);
  QTest::keyClick(m_form.get(), Qt::Key_Return);
  EXPECT_TRUE(m_form->isVisible());
}

TEST_F(FormGrafTest, WithoutALogbookNothingIsDrawn) {
  ShowWithDive();
  m_form->ShowNoDive();
  const QImage image = m_form->grab().toImage();
  EXPECT_EQ(CountPixels(image, qRgb(0, 0, 255)), 0);
  EXPECT_EQ(CountPixels(image, qRgb(255, 0, 0)), 0);
}

TEST(QtProfileView, DrawsTheSmallGraphAndReportsDoubleClicks) {
  const ponor dive = SampleDive();
  QtProfileView view;
  view.resize(240, 90);
  view.ShowProfile(test::ViewOf(dive), dive.Hloubka);
  QSignalSpy doubleClicked(&view, &QtProfileView::DoubleClicked);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  const QImage image = view.grab().toImage();
  ASSERT_TRUE(image.save(ZIRDAN_BINARY_DIR "/small_graph.png"));
  EXPECT_GT(CountPixels(image, qRgb(128, 128, 128)), 200);  // grid
  EXPECT_GT(CountPixels(image, qRgb(0, 0, 0)), 100);        // profile
  EXPECT_GT(CountPixels(image, qRgb(255, 0, 0)), 3);        // after warnings
  EXPECT_EQ(CountPixels(image, qRgb(0, 0, 255)), 0);        // no tracks in the small one
  QTest::mouseDClick(&view, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_EQ(doubleClicked.count(), 1);
}

}  // namespace
}  // namespace zirdan
