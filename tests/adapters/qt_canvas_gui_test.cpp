#include "adapters/qt_canvas.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <functional>

#include "support/qt_application.h"

namespace zirdan {
namespace {

const bool kApplication = test::UseQtApplication<QGuiApplication>();

constexpr QRgb kWhitePixel = 0xFFFFFFFF;

// Draws on a white 200 x 100 image through a canvas with the given mapping.
QImage Render(const CanvasMapping& mapping, const std::function<void(Canvas&)>& draw) {
  QImage image(200, 100, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  {
    QtCanvas canvas(painter, mapping);
    draw(canvas);
  }
  painter.end();
  return image;
}

CanvasMapping Mapping(QSizeF units, bool yUp = false, bool pixelPens = true) {
  return CanvasMapping{QRectF(0, 0, 200, 100), units, yUp, pixelPens};
}

bool IsInk(QRgb pixel) {
  return pixel != kWhitePixel;
}

// The rows (top, bottom) that hold any ink, or (-1, -1).
std::pair<int, int> InkRows(const QImage& image) {
  int top = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!IsInk(image.pixel(x, y))) continue;
      if (top < 0) top = y;
      bottom = y;
    }
  }
  return {top, bottom};
}

int InkInColumn(const QImage& image, int x) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) count += IsInk(image.pixel(x, y)) ? 1 : 0;
  return count;
}

TEST(QtCanvas, PixelUnitsDrawWhereTheyAreGiven) {
  const QImage image = Render(PixelMapping(QSize(200, 100)), [](Canvas& c) {
    c.SetPen(Pen{kRed, 1});
    DrawLine(c, 10, 10, 10, 50);
  });
  EXPECT_EQ(image.pixel(10, 30), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(12, 30), kWhitePixel);
  EXPECT_EQ(image.pixel(10, 70), kWhitePixel);
}

TEST(QtCanvas, ClearFillsTheAreaWhite) {
  QImage image(200, 100, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  {
    QtCanvas canvas(painter, PixelMapping(QSize(100, 100)));
    canvas.Clear();
  }
  painter.end();
  EXPECT_EQ(image.pixel(50, 50), kWhitePixel);
  EXPECT_EQ(image.pixel(150, 50), qRgb(0, 0, 0));  // outside the drawing's area
}

TEST(QtCanvas, StretchedUnitsScaleEachAxisOnItsOwn) {
  // 50 x 100 units over 200 x 100 pixels: x is stretched four times, y not at all.
  const QImage image = Render(Mapping(QSizeF(50, 100)), [](Canvas& c) {
    c.SetPen(Pen{kBlue, 1});
    DrawLine(c, 10, 20, 10, 60);
  });
  EXPECT_EQ(image.pixel(40, 40), qRgb(0, 0, 255));
  EXPECT_EQ(InkInColumn(image, 40), 41);
  EXPECT_EQ(InkInColumn(image, 10), 0);
}

TEST(QtCanvas, UpwardUnitsWithAnOriginAsOnAPrintedPage) {
  // The block's origin lies 50 units below the top edge; inside, y runs down into
  // negative values.
  const QImage image = Render(Mapping(QSizeF(200, 100), true), [](Canvas& c) {
    c.SetOrigin(20, -50);
    c.SetPen(Pen{kBlack, 1});
    DrawLine(c, 0, -10, 100, -10);
  });
  EXPECT_EQ(image.pixel(70, 60), qRgb(0, 0, 0));
  EXPECT_EQ(InkRows(image), std::make_pair(60, 60));
  EXPECT_EQ(image.pixel(10, 60), kWhitePixel);
}

TEST(QtCanvas, PenWidthsInDrawingUnitsGrowWithTheScale) {
  // Two pixels per unit both ways: a 3-unit pen is 6 pixels wide.
  const QImage image = Render(Mapping(QSizeF(100, 50), false, false), [](Canvas& c) {
    c.SetPen(Pen{kBlack, 3});
    DrawLine(c, 10, 10, 90, 10);
  });
  EXPECT_EQ(InkInColumn(image, 100), 6);
}

TEST(QtCanvas, PenWidthsInPixelsKeepTheirSize) {
  const QImage image = Render(Mapping(QSizeF(100, 50)), [](Canvas& c) {
    c.SetPen(Pen{kBlack, 3});
    DrawLine(c, 10, 10, 90, 10);
  });
  EXPECT_EQ(InkInColumn(image, 100), 3);
}

TEST(QtCanvas, RectanglesAreFramedAndFilledOnlyWithASolidBrush) {
  const QImage image = Render(PixelMapping(QSize(200, 100)), [](Canvas& c) {
    c.SetPen(Pen{kBlack, 1});
    c.SetBrush(Brush{kBlue, true});
    c.Rectangle(10, 10, 50, 50);
    c.SetBrush(Brush{});
    c.Rectangle(110, 10, 150, 50);
  });
  EXPECT_EQ(image.pixel(10, 30), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(30, 30), qRgb(0, 0, 255));
  EXPECT_EQ(image.pixel(110, 30), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(130, 30), kWhitePixel);
}

TEST(QtCanvas, TextStandsOnItsPointWithinItsCell) {
  const Font font{"MS Sans Serif", 20, FontSizeUnit::CellHeight, kEastEuropeCharSet};
  const QImage down = Render(PixelMapping(QSize(200, 100)), [&font](Canvas& c) {
    c.SetPen(Pen{kRed, 1});
    c.Text(10, 80, "\x8Eluv\x9D", font);  // "Žluvť": accents above, no descenders
  });
  const auto [top, bottom] = InkRows(down);
  EXPECT_GE(top, 60);
  EXPECT_LE(bottom, 80);
  EXPECT_GE(bottom, 70);  // stands near the cell's lower edge, not above it

  // The same text upward from an origin, as a printed block places it.
  const QImage up = Render(Mapping(QSizeF(200, 100), true), [&font](Canvas& c) {
    c.SetOrigin(0, -100);
    c.SetPen(Pen{kRed, 1});
    c.Text(10, 20, "\x8Eluv\x9D", font);
  });
  EXPECT_EQ(InkRows(up), InkRows(down));
}

TEST(QtCanvas, TextIsInThePensColourAndTinyPointSizesStayLegible) {
  const QImage image = Render(PixelMapping(QSize(200, 100)), [](Canvas& c) {
    c.SetPen(Pen{kBlue, 1});
    c.Text(10, 50, "Deko", Font{"MS Sans Serif", 1, FontSizeUnit::Points, kEastEuropeCharSet});
  });
  const auto [top, bottom] = InkRows(image);
  EXPECT_GE(bottom - top, 5);
  // Smoothed blue on white: never less blue than red or green, clearly blue at the core.
  int strongBlue = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      EXPECT_GE(qBlue(p), std::max(qRed(p), qGreen(p))) << x << ", " << y;
      if (qBlue(p) - std::max(qRed(p), qGreen(p)) > 100) ++strongBlue;
    }
  }
  EXPECT_GT(strongBlue, 10);
}

}  // namespace
}  // namespace zirdan
