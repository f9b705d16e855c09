#include "graph/profile_graph.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/recording_canvas.h"

namespace zirdan {
namespace {

using test::ClearCall;
using test::DrawnLine;
using test::DrawnRectangle;
using test::DrawnText;
using test::RecordingCanvas;

// The large graph's origin O in canvas units: (x, d) is drawn at (25 + x, 75 + d).
constexpr int kOx = 25;
constexpr int kOy = 75;

const Pen kGridPen{kBlue, 1};
const Pen kBlackThin{kBlack, 1};
const Pen kProfilePen{kBlack, 3};
const Pen kWarningPen{kRed, 4};

Font GraphFont(int size) {
  return Font{"MS Sans Serif", size, FontSizeUnit::Points, 238};
}

std::unique_ptr<ponorTxt> ViewWithDepths(const std::vector<int32_t>& depths) {
  auto view = std::make_unique<ponorTxt>();
  view->Cislo = "17";
  view->PocetVzorku = static_cast<uint16_t>(depths.size());
  for (std::size_t i = 0; i < depths.size(); ++i) view->Hloubky[i] = depths[i];
  return view;
}

std::unique_ptr<ponorTxt> ViewWithSamples(int n, int32_t depth = 1000) {
  return ViewWithDepths(std::vector<int32_t>(static_cast<std::size_t>(n), depth));
}

TMessageTable Messages() {
  TMessageTable m;
  m.Set("StrPonorC", "Ponor \xE8.");  // "Ponor č." in Windows-1250
  m.Set("StrSpotreba1",
        "Spot\xF8"
        "eba");
  m.Set("StrSpotreba2", "l/min");
  m.Set("StrPrumHl", "Pr\xF9m\xECrn\xE1 hloubka");
  m.Set("StrChSest", "sestup");
  m.Set("StrChVyst", "vystup");
  m.Set("StrChRbt", "RBT");
  m.Set("StrChDech", "dech");
  m.Set("StrChDeko", "deko");
  m.Set("StrChTrans", "trans");
  return m;
}

RecordingCanvas DrawLarge(const ponorTxt& view, int16_t hloubka, LargeGraphValues values = {},
                          char separator = '.') {
  RecordingCanvas canvas;
  DrawLargeGraph(canvas, view, hloubka, values, Messages(), separator);
  return canvas;
}

// The texts drawn at one d below O (labels of one kind share their d).
std::vector<std::string> TextsAtD(const RecordingCanvas& canvas, int d) {
  std::vector<std::string> texts;
  for (const DrawnText& t : canvas.Texts()) {
    if (t.y == kOy + d) texts.push_back(t.text);
  }
  return texts;
}

// The vertical lines of the time grid: blue, from d 0 to 604.
std::vector<int> TimeGridXs(const RecordingCanvas& canvas) {
  std::vector<int> xs;
  for (const DrawnLine& l : canvas.LinesWithPen(kGridPen)) {
    if (l.x1 == l.x2 && l.y1 == kOy && l.y2 == kOy + 604) xs.push_back(l.x1 - kOx);
  }
  return xs;
}

// The horizontal lines of the depth grid: blue, from x 0 to 899 above the bottom line.
std::vector<int> DepthGridDs(const RecordingCanvas& canvas) {
  std::vector<int> ds;
  for (const DrawnLine& l : canvas.LinesWithPen(kGridPen)) {
    if (l.y1 == l.y2 && l.x1 == kOx && l.x2 == kOx + 899) ds.push_back(l.y1 - kOy);
  }
  return ds;
}

// The profile segments: lines drawn with the black 3 or red 4 pen that are not tracks.
std::vector<DrawnLine> ProfileSegments(const RecordingCanvas& canvas) {
  std::vector<DrawnLine> segments;
  for (const DrawnLine& l : canvas.Lines()) {
    const bool profilePen = l.pen == kProfilePen || l.pen == kWarningPen;
    const bool track = l.y1 == l.y2 && l.y1 >= kOy + 515;
    if (profilePen && !track) segments.push_back(l);
  }
  return segments;
}

// The track segments: horizontal lines at the rows' depths drawn 3 or 4 wide.
std::vector<DrawnLine> TrackSegments(const RecordingCanvas& canvas) {
  std::vector<DrawnLine> tracks;
  for (const DrawnLine& l : canvas.Lines()) {
    if (l.pen.Width >= 3 && l.y1 == l.y2 && l.y1 >= kOy + 515) tracks.push_back(l);
  }
  return tracks;
}

// ---- Large graph --------------------------------------------------------------------

TEST(LargeGraph, WithoutSamplesTheAreaIsOnlyCleared) {
  const auto view = ViewWithSamples(0);
  const RecordingCanvas canvas = DrawLarge(*view, 1500);
  EXPECT_EQ(canvas.Calls(), (std::vector<test::CanvasCall>{ClearCall{}}));
}

TEST(LargeGraph, ClearsFirstAndWritesTheTitleAndTheMeasures) {
  const auto view = ViewWithSamples(3);
  const RecordingCanvas canvas = DrawLarge(*view, 1500, {12.346, 7.5}, ',');
  ASSERT_FALSE(canvas.Calls().empty());
  EXPECT_EQ(canvas.Calls().front(), test::CanvasCall{ClearCall{}});
  EXPECT_EQ(canvas.ClearCount(), 1);
  ASSERT_GE(canvas.Texts().size(), 2u);
  EXPECT_EQ(canvas.Texts()[0],
            (DrawnText{kOx + 5, kOy - 20, "Ponor \xE8. 17", GraphFont(8), kBlack}));
  EXPECT_EQ(canvas.Texts()[1], (DrawnText{kOx + 500, kOy - 20,
                                          "Spot\xF8"
                                          "eba 12,35 l/min, Pr\xF9m\xECrn\xE1 hloubka 7,50 m",
                                          GraphFont(8), kBlack}));
}

TEST(LargeGraph, MeasuresAreRoundedToTwoDecimalsWithHalvesToEven) {
  const auto view = ViewWithSamples(3);
  // 0.125 and 0.375 are exact halves in binary.
  const RecordingCanvas canvas = DrawLarge(*view, 1500, {0.125, 0.375});
  EXPECT_EQ(canvas.Texts()[1].text,
            "Spot\xF8"
            "eba 0.12 l/min, Pr\xF9m\xECrn\xE1 hloubka 0.38 m");
}

TEST(LargeGraph, AllTextsInDrawingOrder) {
  const auto view = ViewWithSamples(3);  // one minute: only the 0' line fits
  const RecordingCanvas canvas = DrawLarge(*view, 480);
  EXPECT_EQ(canvas.TextStrings(),
            (std::vector<std::string>{"Ponor \xE8. 17",
                                      "Spot\xF8"
                                      "eba 0.00 l/min, Pr\xF9m\xECrn\xE1 hloubka 0.00 m",
                                      "0'", "1 m", "2 m", "3 m", "4 m", "5 m", "sestup", "vystup",
                                      "RBT", "dech", "deko", "trans"}));
}

struct TimeGridCase {
  int samples;
  int lines;
  std::string lastLabel;
};

class LargeGraphTimeGrid : public ::testing::TestWithParam<TimeGridCase> {};

TEST_P(LargeGraphTimeGrid, OneLineEveryFiveMinutesLeftOfTheProfileEnd) {
  const TimeGridCase& c = GetParam();
  const auto view = ViewWithSamples(c.samples);
  const RecordingCanvas canvas = DrawLarge(*view, 1500);
  const std::vector<int> xs = TimeGridXs(canvas);
  const std::vector<std::string> labels = TextsAtD(canvas, 615);
  ASSERT_EQ(xs.size(), static_cast<std::size_t>(c.lines));
  ASSERT_EQ(labels.size(), static_cast<std::size_t>(c.lines));
  EXPECT_EQ(labels.front(), "0'");
  EXPECT_EQ(labels.back(), c.lastLabel);
  EXPECT_EQ(xs.front(), 50);
  EXPECT_LT(xs.back(), 900);
  for (const DrawnText& t : canvas.Texts()) {
    if (t.y == kOy + 615) {
      EXPECT_EQ(t.font, GraphFont(6)) << t;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Samples, LargeGraphTimeGrid,
                         ::testing::Values(TimeGridCase{300, 20, "95'"},   // 100' falls on 900
                                           TimeGridCase{600, 40, "195'"},  // 200' falls on 900
                                           TimeGridCase{601, 41, "200'"},
                                           TimeGridCase{665, 41, "200'"},
                                           TimeGridCase{15, 1, "0'"}));

TEST(LargeGraph, TimeGridPositionsRoundHalvesToEven) {
  const auto view = ViewWithSamples(300);  // 42.5 units per 5 minutes
  const RecordingCanvas canvas = DrawLarge(*view, 1500);
  const std::vector<int> xs = TimeGridXs(canvas);
  ASSERT_GE(xs.size(), 6u);
  // 0, 42.5, 85, 127.5, 170, 212.5 -> 0, 42, 85, 128, 170, 212, then + 50.
  EXPECT_EQ(std::vector<int>(xs.begin(), xs.begin() + 6),
            (std::vector<int>{50, 92, 135, 178, 220, 262}));
}

struct DepthGridCase {
  int16_t hloubka;
  std::vector<std::string> labels;
  std::vector<int> ds;
};

class LargeGraphDepthGrid : public ::testing::TestWithParam<DepthGridCase> {};

TEST_P(LargeGraphDepthGrid, LinesEveryFiveMetresOrEveryMetre) {
  const DepthGridCase& c = GetParam();
  const auto view = ViewWithSamples(30);
  const RecordingCanvas canvas = DrawLarge(*view, c.hloubka);
  EXPECT_EQ(DepthGridDs(canvas), c.ds);
  std::vector<std::string> labels;
  for (const DrawnText& t : canvas.Texts()) {
    if (t.x == kOx + 5 && t.y > kOy) {
      labels.push_back(t.text);
      EXPECT_EQ(t.colour, kBlue);
      EXPECT_EQ(t.font, GraphFont(6));
    }
  }
  EXPECT_EQ(labels, c.labels);
  for (std::size_t i = 0; i < c.ds.size() && i < labels.size(); ++i) {
    EXPECT_EQ(TextsAtD(canvas, c.ds[i] - 12), std::vector<std::string>{c.labels[i]});
  }
}

INSTANTIATE_TEST_SUITE_P(
    Depths, LargeGraphDepthGrid,
    ::testing::Values(
        // F = 530: 100 cm are 94.34 units.
        DepthGridCase{480, {"1 m", "2 m", "3 m", "4 m", "5 m"}, {94, 189, 283, 377, 472}},
        DepthGridCase{499, {"1 m", "2 m", "3 m", "4 m", "5 m"}, {91, 182, 273, 364, 455}},
        // F = 550: 5 m steps of 454.55 units, only one above the bottom line.
        DepthGridCase{500, {"5 m"}, {455}},
        // F = 5040: 5 m are 49.6 units; 50 m at 496 is the last below 500.
        DepthGridCase{
            4990,
            {"5 m", "10 m", "15 m", "20 m", "25 m", "30 m", "35 m", "40 m", "45 m", "50 m"},
            {50, 99, 149, 198, 248, 298, 347, 397, 446, 496}}));

TEST(LargeGraph, FrameBottomLineAndLegend) {
  const auto view = ViewWithSamples(30);
  const RecordingCanvas canvas = DrawLarge(*view, 1500);
  EXPECT_EQ(canvas.Rectangles(), (std::vector<DrawnRectangle>{{kOx, kOy, kOx + 901, kOy + 605,
                                                               kBlackThin, Brush{kWhite, false}}}));
  const std::vector<DrawnLine> black = canvas.LinesWithPen(kBlackThin);
  EXPECT_EQ(black, (std::vector<DrawnLine>{{kOx, kOy + 500, kOx + 899, kOy + 500, kBlackThin}}));

  std::vector<DrawnLine> rows;
  for (const DrawnLine& l : canvas.LinesWithPen(kGridPen)) {
    if (l.x1 == kOx + 50 && l.y1 == l.y2) rows.push_back(l);
  }
  std::vector<DrawnLine> expectedRows;
  for (int d : {515, 530, 545, 560, 575, 590}) {
    expectedRows.push_back({kOx + 50, kOy + d, kOx + 899, kOy + d, kGridPen});
  }
  EXPECT_EQ(rows, expectedRows);

  std::vector<DrawnText> legend;
  for (const DrawnText& t : canvas.Texts()) {
    if (t.x == kOx + 8) legend.push_back(t);
  }
  const std::vector<DrawnText> expectedLegend = {
      {kOx + 8, kOy + 509, "sestup", GraphFont(1), kBlue},
      {kOx + 8, kOy + 524, "vystup", GraphFont(1), kBlue},
      {kOx + 8, kOy + 539, "RBT", GraphFont(1), kBlue},
      {kOx + 8, kOy + 554, "dech", GraphFont(1), kBlue},
      {kOx + 8, kOy + 569, "deko", GraphFont(1), kBlue},
      {kOx + 8, kOy + 584, "trans", GraphFont(1), kBlue}};
  EXPECT_EQ(legend, expectedLegend);
}

TEST(LargeGraph, ProfileRunsFromTheSurfaceToTheRightEnd) {
  // F = 1050: 1000 cm are 476.19 units, 525 cm are exactly 250.
  const auto view = ViewWithDepths({525, 1000, 0});
  const RecordingCanvas canvas = DrawLarge(*view, 1000);
  // sx = 850 / 3: 283.33 and 566.67 units.
  EXPECT_EQ(ProfileSegments(canvas),
            (std::vector<DrawnLine>{{kOx + 50, kOy + 0, kOx + 333, kOy + 250, kProfilePen},
                                    {kOx + 333, kOy + 250, kOx + 617, kOy + 476, kProfilePen},
                                    {kOx + 617, kOy + 476, kOx + 900, kOy + 0, kProfilePen}}));
  EXPECT_TRUE(TrackSegments(canvas).empty());
}

TEST(LargeGraph, TheFirstSegmentIsBlackWhateverTheFirstSampleCarries) {
  auto view = ViewWithSamples(2);
  view->ZnakyVzorku[0] = {true, true, true, true, true, true};
  const std::vector<DrawnLine> segments = ProfileSegments(DrawLarge(*view, 1500));
  ASSERT_EQ(segments.size(), 2u);
  EXPECT_EQ(segments[0].pen, kProfilePen);
  EXPECT_EQ(segments[1].pen, kWarningPen);
}

TEST(LargeGraph, TheLastSamplesMarksAreNeverDrawn) {
  auto view = ViewWithSamples(2);
  view->ZnakyVzorku[1] = {true, true, true, true, true, true};
  const RecordingCanvas canvas = DrawLarge(*view, 1500);
  EXPECT_TRUE(TrackSegments(canvas).empty());
  for (const DrawnLine& segment : ProfileSegments(canvas)) EXPECT_EQ(segment.pen, kProfilePen);
}

struct FlagCase {
  int flag;
  int trackD;
  Pen trackPen;
  Pen segmentPen;  // of the segment that starts at the marked sample
};

class LargeGraphWarning : public ::testing::TestWithParam<FlagCase> {};

TEST_P(LargeGraphWarning, AMarkedSampleDrawsItsTrackUnderTheNextSegment) {
  const FlagCase& c = GetParam();
  auto view = ViewWithSamples(3);
  view->ZnakyVzorku[1][static_cast<std::size_t>(c.flag)] = true;  // sample 2 of 3
  const RecordingCanvas canvas = DrawLarge(*view, 1500);
  const std::vector<DrawnLine> segments = ProfileSegments(canvas);
  ASSERT_EQ(segments.size(), 3u);
  EXPECT_EQ(segments[0].pen, kProfilePen);
  EXPECT_EQ(segments[1].pen, kProfilePen);
  EXPECT_EQ(segments[2].pen, c.segmentPen);
  // Samples 2 and 3 lie at round(2 x 850 / 3) + 50 = 617 and 900.
  EXPECT_EQ(
      TrackSegments(canvas),
      (std::vector<DrawnLine>{{kOx + 617, kOy + c.trackD, kOx + 900, kOy + c.trackD, c.trackPen}}));
}

INSTANTIATE_TEST_SUITE_P(Flags, LargeGraphWarning,
                         ::testing::Values(FlagCase{1, 515, kWarningPen, kWarningPen},
                                           FlagCase{2, 530, kWarningPen, kWarningPen},
                                           FlagCase{3, 545, kWarningPen, kWarningPen},
                                           FlagCase{0, 560, kWarningPen, kWarningPen},
                                           // decompression: black profile, blue row 5
                                           FlagCase{4, 575, Pen{kBlue, 4}, kProfilePen},
                                           FlagCase{5, 590, Pen{kGrey, 4}, kProfilePen}));

TEST(LargeGraph, AfterAColouredTrackTheProfileTakesItsOwnPenAgain) {
  auto view = ViewWithSamples(3);
  view->ZnakyVzorku[0] = {true, false, false, false, true, true};  // breathing, deko, trans
  const RecordingCanvas canvas = DrawLarge(*view, 1500);
  const std::vector<DrawnLine> tracks = TrackSegments(canvas);
  ASSERT_EQ(tracks.size(), 3u);
  EXPECT_EQ(tracks[0].pen, kWarningPen);
  EXPECT_EQ(tracks[1].pen, (Pen{kBlue, 4}));
  EXPECT_EQ(tracks[2].pen, (Pen{kGrey, 4}));
  const std::vector<DrawnLine> segments = ProfileSegments(canvas);
  ASSERT_EQ(segments.size(), 3u);
  EXPECT_EQ(segments[1].pen, kWarningPen);
  EXPECT_EQ(segments[2].pen, kProfilePen);
  // Each segment starts where the previous one ended, whatever the tracks drew between.
  EXPECT_EQ(segments[2].x1, segments[1].x2);
  EXPECT_EQ(segments[2].y1, segments[1].y2);
}

TEST(LargeGraph, ACountAboveTheViewsCapacityDrawsOnlyTheHeldSamples) {
  auto view = ViewWithSamples(static_cast<int>(kMaxSamples));
  view->PocetVzorku = 700;
  const RecordingCanvas canvas = DrawLarge(*view, 1500);
  const std::vector<DrawnLine> segments = ProfileSegments(canvas);
  ASSERT_EQ(segments.size(), kMaxSamples);
  EXPECT_EQ(segments.back().x2, kOx + 900);
}

TEST(LargeGraph, AMaximumDepthBelowTheSurfaceStillGivesADownwardScale) {
  const auto view = ViewWithDepths({510, 1020});
  const RecordingCanvas canvas = DrawLarge(*view, -100);  // range -50 cm: 510 cm taken
  const std::vector<DrawnLine> segments = ProfileSegments(canvas);
  ASSERT_EQ(segments.size(), 2u);
  EXPECT_EQ(segments[0].y2, kOy + 500);
  EXPECT_EQ(segments[1].y2, kOy + 1000);
  EXPECT_EQ(DepthGridDs(canvas), (std::vector<int>{98, 196, 294, 392, 490}));
}

TEST(LargeGraph, AnEmptyMaximumDepthDrawsAFlatButCompleteGraph) {
  const auto view = ViewWithDepths({1000, 2000});
  const RecordingCanvas canvas = DrawLarge(*view, 32767);  // not filled in
  const std::vector<DrawnLine> segments = ProfileSegments(canvas);
  ASSERT_EQ(segments.size(), 2u);
  EXPECT_EQ(segments[1].y2, kOy + 30);         // 2000 x 500 / 32817
  EXPECT_EQ(DepthGridDs(canvas).size(), 32u);  // 5 m lines down to 160 m
}

// ---- Small graph --------------------------------------------------------------------

RecordingCanvas DrawSmall(const ponorTxt& view, int16_t hloubka, int width = 300,
                          int height = 100) {
  RecordingCanvas canvas;
  DrawSmallGraph(canvas, width, height, view, hloubka);
  return canvas;
}

TEST(SmallGraph, WithoutSamplesTheAreaIsOnlyCleared) {
  const auto view = ViewWithSamples(0);
  EXPECT_EQ(DrawSmall(*view, 1500).Calls(), (std::vector<test::CanvasCall>{ClearCall{}}));
}

TEST(SmallGraph, GreyGridEveryFiveMinutesAndEveryFiveMetres) {
  const auto view = ViewWithSamples(90);  // 30 minutes on 300 pixels: 50 per grid step
  const RecordingCanvas canvas = DrawSmall(*view, 1000);  // range 1050 cm on 100 pixels
  EXPECT_EQ(canvas.Calls().front(), test::CanvasCall{ClearCall{}});
  const std::vector<DrawnLine> grid = canvas.LinesWithPen(Pen{kGrey, 1});
  ASSERT_EQ(grid.size(), 40u + 32u);
  for (int i = 1; i <= 40; ++i) {
    EXPECT_EQ(grid[static_cast<std::size_t>(i - 1)],
              (DrawnLine{50 * i, 0, 50 * i, 100, {kGrey, 1}}));
  }
  // 500 cm are 47.62 pixels.
  EXPECT_EQ(grid[40], (DrawnLine{0, 48, 300, 48, {kGrey, 1}}));
  EXPECT_EQ(grid[41], (DrawnLine{0, 95, 300, 95, {kGrey, 1}}));
  EXPECT_EQ(grid[71], (DrawnLine{0, 1524, 300, 1524, {kGrey, 1}}));
  EXPECT_TRUE(canvas.Texts().empty());
}

TEST(SmallGraph, AShallowDiveKeepsAtLeastFiveMetresOfRange) {
  const auto view = ViewWithDepths({255, 510});
  const RecordingCanvas canvas = DrawSmall(*view, 200, 300, 102);  // range 250 -> 510 cm
  const std::vector<DrawnLine> grid = canvas.LinesWithPen(Pen{kGrey, 1});
  ASSERT_EQ(grid.size(), 72u);
  EXPECT_EQ(grid[40].y1, 100);
  const std::vector<DrawnLine> profile = canvas.LinesWithPen(Pen{kBlack, 1});
  EXPECT_EQ(profile, (std::vector<DrawnLine>{{0, 0, 150, 51, {kBlack, 1}},
                                             {150, 51, 300, 102, {kBlack, 1}}}));
}

TEST(SmallGraph, ProfileFromTheCornerRedAfterAWarning) {
  auto view = ViewWithDepths({525, 1050, 525, 0});
  view->ZnakyVzorku[0][4] = true;  // decompression alone is not a line warning
  view->ZnakyVzorku[1][2] = true;  // ascent warning
  view->ZnakyVzorku[3][0] = true;  // the last sample's marks show nowhere
  const RecordingCanvas canvas = DrawSmall(*view, 1000, 200, 100);
  std::vector<DrawnLine> profile;
  for (const DrawnLine& l : canvas.Lines()) {
    if (l.pen.Colour != kGrey) profile.push_back(l);
  }
  const Pen black{kBlack, 1};
  const Pen red{kRed, 1};
  EXPECT_EQ(profile, (std::vector<DrawnLine>{{0, 0, 50, 50, black},
                                             {50, 50, 100, 100, black},
                                             {100, 100, 150, 50, red},
                                             {150, 50, 200, 0, black}}));
}

}  // namespace
}  // namespace zirdan
