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

// u = 100, v = 67 and lw = 13 for the 10000 x 6700 block.
constexpr int kV = 67;
constexpr int kLw = 13;

class PrintBlocksTest : public ::testing::Test {
 protected:
  PrintBlocksTest() {
    for (const char* key :
         {"StrChSest", "StrChVyst", "StrChRbt", "StrChDech", "StrChDeko", "StrChTrans"})
      m_messages.Set(key, key);
    m_settings.FontName = "Serif";
    m_settings.Colour = true;
  }

  const DrawnText* FindText(const RecordingCanvas& canvas, const std::string& text) const {
    const auto& texts = canvas.Texts();
    auto it = std::find_if(texts.begin(), texts.end(),
                           [&](const DrawnText& t) { return t.text == text; });
    return it == texts.end() ? nullptr : &*it;
  }
  Font FontOf(int height) const {
    return Font{"Serif", height, FontSizeUnit::CellHeight, kEastEuropeCharSet};
  }
  void ExpectText(const RecordingCanvas& canvas, const std::string& text, int x, int y,
                  int height) const {
    const DrawnText* t = FindText(canvas, text);
    ASSERT_NE(t, nullptr) << text;
    EXPECT_EQ(*t, (DrawnText{x, y, text, FontOf(height), kBlack}));
  }

  // A dive of 60 samples (20 minutes), every one at 10 m, with a stored maximum of 10 m.
  ponor SixtySampleDive() const {
    ponor dive = test::Dive(7, 0, 1000, 20);
    std::vector<test::SampleSpec> samples(60, test::SampleSpec{1000, {}});
    samples[1].marks[1] = true;  // an ascent warning on sample 1
    samples[2].marks[4] = true;  // a deco mark on sample 2
    test::SetProfile(dive, kFormatBasic, samples);
    return dive;
  }

  RecordingCanvas DrawGraph(const ponor& dive, bool title = true, bool footer = true) const {
    RecordingCanvas canvas;
    DrawGraphBlock(canvas, dive, test::ViewOf(dive), title, footer, m_texts, m_settings);
    return canvas;
  }

  TMessageTable m_messages = test::KeyNamedMessages();
  FieldLabelCaptions m_labels = FieldLabelCaptions::DesignTime();
  PrintTexts m_texts{m_messages, m_labels, ','};
  PrintSettings m_settings;
};

TEST(PrintWrapTest, LinesBreakAtTheLastSpaceWithinSixtySixCharacters) {
  const std::string a65(65, 'a');
  struct Row {
    std::string text;
    std::size_t maxLines;
    std::vector<std::string> lines;
  };
  for (const Row& r : {
           Row{"", 3, {}}, Row{"short text", 3, {"short text"}},
           Row{a65, 3, {a65}},  // 65 characters without a space: cut, nothing left over
           Row{a65 + "b", 3, {a65, "b"}},
           Row{a65 + " next", 3, {a65, "next"}},  // the space at character 66 breaks
           Row{"x " + a65, 3, {"x", a65}},
           Row{a65 + a65 + a65 + a65, 3, {a65, a65, a65}},  // the rest is dropped
       })
    EXPECT_EQ(WrapPrintLines(r.text, r.maxLines), r.lines) << r.text;
}

TEST(PrintWrapTest, UnitsAreCutFromCaptions) {
  EXPECT_EQ(CaptionWithoutUnit("Objem lahve [l]"), "Objem lahve");
  EXPECT_EQ(CaptionWithoutUnit("Depth[m]"), "Depth");
  EXPECT_EQ(CaptionWithoutUnit("Cylinder"), "Cylinder");  // a translation without a unit
}

TEST_F(PrintBlocksTest, TextBlockPlacesTitleFrameFieldsAndFooter) {
  ponorTxt view;
  view.Cislo = "7";
  view.Lahev = "12.00";
  view.Hloubka = "12.34";
  view.TeplotaVzduchu = "-1.25";
  view.TypAktivity = "Foto";
  view.Jiny = "Lov";
  for (int i = 0; i < 40; ++i) view.Poznamka += "abcdefghi ";  // 400 characters

  RecordingCanvas canvas;
  DrawTextBlock(canvas, view, true, m_texts, m_settings);

  ExpectText(canvas, "StrPonorC 7", 4000, -6 * kV, 5 * kV);
  ASSERT_EQ(canvas.Rectangles().size(), 1u);
  EXPECT_EQ(canvas.Rectangles()[0].x2, 10000);
  EXPECT_EQ(canvas.Rectangles()[0].y2, -6700);
  EXPECT_FALSE(canvas.Rectangles()[0].brush.Solid);
  EXPECT_EQ(canvas.Lines()[1], (DrawnLine{0, -42 * kV, 10000, -42 * kV, Pen{kBlack, kLw}}));

  // Row 16: the label half a row above its value, the unit cut from the caption.
  ExpectText(canvas, "Objem lahve:", 200, kV / 2 - 16 * kV, 3 * kV);
  ExpectText(canvas, "12 l", 2300, -16 * kV, 4 * kV);
  ExpectText(canvas, "12.34 m", 2300, -32 * kV, 4 * kV);
  ExpectText(canvas,
             "-1\xB0"
             "C",
             6000, -36 * kV, 4 * kV);
  ExpectText(canvas, "Foto, Lov", 1400, -52 * kV, 4 * kV);
  ExpectText(canvas, test::W("Teplota vz.:"), 4500, kV / 2 - 36 * kV, 3 * kV);
  // An empty value with a unit stays empty.
  EXPECT_EQ(FindText(canvas, " bar"), nullptr);

  // The note's first six lines on rows 80 to 100; the rest does not fit.
  const std::string line = "abcdefghi abcdefghi abcdefghi abcdefghi abcdefghi abcdefghi";
  int noteLines = 0;
  for (const DrawnText& t : canvas.Texts()) {
    if (t.text != line) continue;
    EXPECT_EQ(t.y, -(80 + 4 * noteLines) * kV);
    ++noteLines;
  }
  EXPECT_EQ(noteLines, 6);

  ExpectText(canvas, kPrintFooter, 1500, -6700 - 2 * kV, 2 * kV);
  RecordingCanvas withoutFooter;
  DrawTextBlock(withoutFooter, view, false, m_texts, m_settings);
  EXPECT_EQ(FindText(withoutFooter, kPrintFooter), nullptr);
}

TEST_F(PrintBlocksTest, GraphBlockDrawsTimeLinesEveryFiveMinutesAndTheProfile) {
  const RecordingCanvas canvas = DrawGraph(SixtySampleDive());

  ExpectText(canvas, "StrPonorC 7", 4 * kLw, -4 * kV, 4 * kV);
  // x of sample count k is 800 + [k x 9200 / 60]: the 20' line would fall on the edge.
  std::vector<int> timeLines;
  for (const DrawnLine& l : canvas.LinesWithPen(Pen{kBlue, kLw}))
    if (l.x1 == l.x2) timeLines.push_back(l.x1);
  EXPECT_EQ(timeLines, (std::vector<int>{800, 3100, 5400, 7700}));
  for (const char* label : {"0'", "5'", "10'", "15'"})
    EXPECT_NE(FindText(canvas, label), nullptr) << label;
  EXPECT_EQ(FindText(canvas, "20'"), nullptr);
  const DrawnText* fifteen = FindText(canvas, "15'");
  ASSERT_NE(fifteen, nullptr);
  EXPECT_EQ(fifteen->x, 7700);
  EXPECT_EQ(fifteen->y, 2 * kV - 6700);

  // Profile: sample k at (800 + [(k + 1) x 9200 / 60], -[1000 x 5092 / 1050] - 5v).
  const auto black = canvas.LinesWithPen(Pen{kBlack, 3 * kLw});
  ASSERT_FALSE(black.empty());
  EXPECT_EQ(black[0], (DrawnLine{800, -5 * kV, 953, -4850 - 5 * kV, Pen{kBlack, 3 * kLw}}));
  // The segment after the warned sample 1 is red and thicker; so is its bar in row 83.
  const auto red = canvas.LinesWithPen(Pen{kRed, 4 * kLw});
  ASSERT_EQ(red.size(), 2u);
  EXPECT_EQ(red[0], (DrawnLine{1107, -5185, 1260, -5185, Pen{kRed, 4 * kLw}}));
  EXPECT_EQ(red[1], (DrawnLine{1107, -83 * kV, 1260, -83 * kV, Pen{kRed, 4 * kLw}}));
  // The deco mark of sample 2 is a blue bar in row 91, no warning.
  EXPECT_EQ(canvas.LinesWithPen(Pen{kBlue, 4 * kLw}),
            (std::vector<DrawnLine>{{1260, -91 * kV, 1413, -91 * kV, Pen{kBlue, 4 * kLw}}}));
  const DrawnText* footer = FindText(canvas, kPrintFooter);
  ASSERT_NE(footer, nullptr);
  EXPECT_EQ(footer->x, 1500);
  EXPECT_EQ(footer->y, -6700 - kV);

  const RecordingCanvas plain = DrawGraph(SixtySampleDive(), false, false);
  EXPECT_EQ(FindText(plain, "StrPonorC 7"), nullptr);
  EXPECT_EQ(FindText(plain, kPrintFooter), nullptr);
}

TEST_F(PrintBlocksTest, DepthGridIsMetresUnderFiveAndAHalfMetresOfRange) {
  auto depthLabels = [&](int16_t maximum) {
    ponor dive = test::Dive(1, 0, maximum, 10);
    test::SetProfile(dive, {250, 250, 250});
    std::vector<std::string> labels;
    for (const DrawnText& t : DrawGraph(dive).Texts())
      if (t.text.size() > 2 && t.text.ends_with(" m")) labels.push_back(t.text);
    return labels;
  };
  EXPECT_EQ(depthLabels(499), (std::vector<std::string>{"1 m", "2 m", "3 m", "4 m", "5 m"}));
  EXPECT_EQ(depthLabels(500), (std::vector<std::string>{"5 m"}));
}

TEST_F(PrintBlocksTest, WithoutColourEverythingIsBlackButWarningsStayThicker) {
  m_settings.Colour = false;
  const RecordingCanvas canvas = DrawGraph(SixtySampleDive());
  for (const DrawnLine& l : canvas.Lines()) EXPECT_EQ(l.pen.Colour, kBlack) << l;
  for (const DrawnText& t : canvas.Texts()) EXPECT_EQ(t.colour, kBlack) << t;
  // The warning segment and both bars keep their width.
  EXPECT_EQ(canvas.LinesWithPen(Pen{kBlack, 4 * kLw}).size(), 3u);
}

TEST_F(PrintBlocksTest, GraphBlockWritesTheMeasuresAndNothingWithoutSamples) {
  ponor dive = SixtySampleDive();
  dive.Lahev = 1000;
  dive.SpotrebaVzduchu = 10000;
  const ponorTxt view = test::ViewOf(dive);
  const std::string expected =
      "StrSpotreba1 " + FixedText(ConsumptionRate(dive, view).value, 2, ',') +
      " l/min; StrObdelnik " + FixedText(Fullness(dive, view).value, 2, ',') + " %";
  ExpectText(DrawGraph(dive), expected, 3333, -4 * kV, 4 * kV);

  EXPECT_TRUE(DrawGraph(test::Dive(1, 0, 1000, 20)).Calls().empty());
}

}  // namespace
}  // namespace zirdan
