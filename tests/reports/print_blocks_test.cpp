// The printed text and graph blocks, drawn on a canvas that records every call.

#include "reports/print_blocks.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/number_text.h"
#include "core/profile.h"
#include "reports/report_fixtures.h"
#include "support/recording_canvas.h"

namespace zirdan {
namespace {

using test::DrawnLine;
using test::DrawnText;
using test::RecordingCanvas;

// v = 67 and lw = 13 for the 10000 x 6700 block (u = 100).
constexpr int kV = 67;
constexpr int kLw = 13;

// Where a text was written (x, y of its cell's lower left corner) and its cell height;
// {0, 0, 0} when it was not written.
std::array<int, 3> Placed(const RecordingCanvas& canvas, const std::string& text) {
  for (const DrawnText& t : canvas.Texts())
    if (t.text == text) return {t.x, t.y, t.font.Size};
  return {0, 0, 0};
}

class PrintBlocksTest : public ::testing::Test {
 protected:
  PrintBlocksTest() {
    for (const char* key :
         {"StrChSest", "StrChVyst", "StrChRbt", "StrChDech", "StrChDeko", "StrChTrans"})
      m_messages.Set(key, key);
    m_settings.Colour = true;
  }

  // A dive of 60 samples (20 minutes) at 10 m, stored maximum 10 m: x of sample k is
  // 800 + [(k + 1) x 9200 / 60], y is -[1000 x 5092 / 1050] - 5v = -5185.
  static ponor SixtySampleDive() {
    ponor dive = test::Dive(7, 0, 1000, 20);
    std::vector<test::SampleSpec> samples(60, test::SampleSpec{1000, {}});
    samples[1].marks[1] = true;  // an ascent warning
    samples[2].marks[4] = true;  // a deco mark
    test::SetProfile(dive, kFormatBasic, samples);
    return dive;
  }

  RecordingCanvas Graph(const ponor& dive, bool title = true) const {
    RecordingCanvas canvas;
    DrawGraphBlock(canvas, dive, test::ViewOf(dive), title, title, m_texts, m_settings);
    return canvas;
  }

  TMessageTable m_messages = test::KeyNamedMessages();
  FieldLabelCaptions m_labels = FieldLabelCaptions::DesignTime();
  PrintTexts m_texts{m_messages, m_labels, ','};
  PrintSettings m_settings;
};

TEST(PrintTextsTest, LinesBreakAtTheLastSpaceWithinSixtySixCharacters) {
  const std::string a65(65, 'a');
  using Lines = std::vector<std::string>;
  EXPECT_EQ(WrapPrintLines("short", 3), Lines{"short"});
  EXPECT_EQ(WrapPrintLines(a65 + "b", 3), (Lines{a65, "b"}));         // no space: cut at 65
  EXPECT_EQ(WrapPrintLines(a65 + " next", 3), (Lines{a65, "next"}));  // space at 66
  EXPECT_EQ(WrapPrintLines(a65 + a65 + a65 + a65, 3), (Lines{a65, a65, a65}));

  EXPECT_EQ(CaptionWithoutUnit("Objem lahve [l]"), "Objem lahve");
  EXPECT_EQ(CaptionWithoutUnit("Cylinder"), "Cylinder");  // a translation without a unit
}

TEST_F(PrintBlocksTest, TextBlockPlacesTitleFrameFieldsNoteAndFooter) {
  ponorTxt view;
  view.Cislo = "7";
  view.Lahev = "12.00";
  view.TeplotaVzduchu = "-1.25";
  view.TypAktivity = "Foto";
  view.Jiny = "Lov";
  for (int i = 0; i < 40; ++i) view.Poznamka += "abcdefghi ";  // 400 characters

  RecordingCanvas canvas;
  DrawTextBlock(canvas, view, true, m_texts, m_settings);
  EXPECT_EQ(Placed(canvas, "StrPonorC 7"), (std::array{4000, -6 * kV, 5 * kV}));
  ASSERT_EQ(canvas.Rectangles().size(), 1u);
  EXPECT_EQ(canvas.Rectangles()[0],
            (test::DrawnRectangle{0, 0, 10000, -6700, Pen{kBlack, kLw}, Brush{kWhite, false}}));
  // Row 16: the label half a row above its value, its unit cut.
  EXPECT_EQ(Placed(canvas, "Objem lahve:"), (std::array{200, kV / 2 - 16 * kV, 3 * kV}));
  EXPECT_EQ(Placed(canvas, "12 l"), (std::array{2300, -16 * kV, 4 * kV}));
  EXPECT_EQ(Placed(canvas,
                   "-1\xB0"
                   "C")
                .at(1),
            -36 * kV);
  EXPECT_EQ(Placed(canvas, "Foto, Lov"), (std::array{1400, -52 * kV, 4 * kV}));
  EXPECT_EQ(Placed(canvas, " bar"), (std::array{0, 0, 0}));  // no value, no unit

  // The note's first six lines on rows 80 to 100; the rest does not fit.
  std::vector<int> noteRows;
  for (const DrawnText& t : canvas.Texts())
    if (t.text.starts_with("abcdefghi")) noteRows.push_back(-t.y / kV);
  EXPECT_EQ(noteRows, (std::vector<int>{80, 84, 88, 92, 96, 100}));

  EXPECT_EQ(Placed(canvas, kPrintFooter), (std::array{1500, -6700 - 2 * kV, 2 * kV}));
  for (const DrawnText& t : canvas.Texts()) EXPECT_EQ(t.font.CharSet, kEastEuropeCharSet);
}

TEST_F(PrintBlocksTest, GraphBlockDrawsTimeLinesEveryFiveMinutesProfileAndBars) {
  const RecordingCanvas canvas = Graph(SixtySampleDive());
  EXPECT_EQ(Placed(canvas, "StrPonorC 7"), (std::array{4 * kLw, -4 * kV, 4 * kV}));
  // The 20' line would fall on the block's right edge.
  std::vector<int> timeLines;
  for (const DrawnLine& l : canvas.LinesWithPen(Pen{kBlue, kLw}))
    if (l.x1 == l.x2) timeLines.push_back(l.x1);
  EXPECT_EQ(timeLines, (std::vector<int>{800, 3100, 5400, 7700}));
  EXPECT_EQ(Placed(canvas, "15'"), (std::array{7700, 2 * kV - 6700, 3 * kV}));
  EXPECT_EQ(Placed(canvas, "20'"), (std::array{0, 0, 0}));

  EXPECT_EQ(canvas.LinesWithPen(Pen{kBlack, 3 * kLw}).front(),
            (DrawnLine{800, -5 * kV, 953, -5185, Pen{kBlack, 3 * kLw}}));
  // After the warned sample 1 the segment is red and thicker, and so is its bar in row 83;
  // the deco mark of sample 2 is a blue bar in row 91.
  const Pen warning{kRed, 4 * kLw};
  EXPECT_EQ(canvas.LinesWithPen(warning),
            (std::vector<DrawnLine>{{1107, -5185, 1260, -5185, warning},
                                    {1107, -83 * kV, 1260, -83 * kV, warning}}));
  EXPECT_EQ(canvas.LinesWithPen(Pen{kBlue, 4 * kLw}),
            (std::vector<DrawnLine>{{1260, -91 * kV, 1413, -91 * kV, Pen{kBlue, 4 * kLw}}}));
  EXPECT_EQ(Placed(canvas, kPrintFooter).at(1), -6700 - kV);

  const RecordingCanvas plain = Graph(SixtySampleDive(), false);
  EXPECT_EQ(Placed(plain, "StrPonorC 7"), (std::array{0, 0, 0}));
  EXPECT_EQ(Placed(plain, kPrintFooter), (std::array{0, 0, 0}));
}

TEST_F(PrintBlocksTest, DepthGridIsMetresUnderFiveAndAHalfMetresOfRange) {
  auto depthLabels = [&](int16_t maximum) {
    ponor dive = test::Dive(1, 0, maximum, 10);
    test::SetProfile(dive, {250, 250, 250});
    std::vector<std::string> labels;
    for (const std::string& t : Graph(dive).TextStrings())
      if (t.ends_with(" m")) labels.push_back(t);
    return labels;
  };
  EXPECT_EQ(depthLabels(499), (std::vector<std::string>{"1 m", "2 m", "3 m", "4 m", "5 m"}));
  EXPECT_EQ(depthLabels(500), (std::vector<std::string>{"5 m"}));
}

TEST_F(PrintBlocksTest, WithoutColourEverythingIsBlackButWarningsStayThicker) {
  m_settings.Colour = false;
  const RecordingCanvas canvas = Graph(SixtySampleDive());
  for (const DrawnLine& l : canvas.Lines()) EXPECT_EQ(l.pen.Colour, kBlack) << l;
  for (const DrawnText& t : canvas.Texts()) EXPECT_EQ(t.colour, kBlack) << t;
  EXPECT_EQ(canvas.LinesWithPen(Pen{kBlack, 4 * kLw}).size(), 3u);  // segment and two bars
}

TEST_F(PrintBlocksTest, GraphBlockWritesTheMeasuresAndNothingWithoutSamples) {
  ponor dive = SixtySampleDive();
  dive.Lahev = 1000;
  dive.SpotrebaVzduchu = 10000;
  const ponorTxt view = test::ViewOf(dive);
  const std::string measures =
      "StrSpotreba1 " + FixedText(ConsumptionRate(dive, view).value, 2, ',') +
      " l/min; StrObdelnik " + FixedText(Fullness(dive, view).value, 2, ',') + " %";
  EXPECT_EQ(Placed(Graph(dive), measures), (std::array{3333, -4 * kV, 4 * kV}));
  // Without a cylinder the line starts with the fullness, no separator before it.
  dive.Lahev = kEmptyValue;
  const std::string fullness =
      "StrObdelnik " + FixedText(Fullness(dive, test::ViewOf(dive)).value, 2, ',') + " %";
  EXPECT_EQ(Placed(Graph(dive), fullness), (std::array{3333, -4 * kV, 4 * kV}));

  EXPECT_TRUE(Graph(test::Dive(1, 0, 1000, 20)).Calls().empty());
}

}  // namespace
}  // namespace zirdan
