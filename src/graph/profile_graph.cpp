#include "graph/profile_graph.h"

#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <limits>
#include <string>

namespace zirdan {
namespace {

// Samples are taken every 20 seconds: 15 samples make the 5 minutes of one grid step.
constexpr int kSamplesPerGridStep = 15;
constexpr int kTimeGridLines = 41;   // 0 to 200 minutes
constexpr int kDepthGridLines = 32;  // below the surface line
// The depth range leaves 50 cm below the deepest point.
constexpr int kDepthMargin = 50;
// The small graph shows at least 5 m (plus the margin) so a shallow dive is not stretched.
constexpr int kSmallGraphMinimumRange = 510;

// Large graph layout, in units from the origin O (25 units from the left, 75 from the top).
constexpr int kOriginX = 25;
constexpr int kOriginY = 75;
constexpr int kPlotStart = 50;    // x of time 0
constexpr int kPlotWidth = 850;   // x of the last sample is kPlotStart + kPlotWidth
constexpr int kPlotHeight = 500;  // d of the depth range's bottom
constexpr int kGridRight = 899;
constexpr int kTimeGridBottom = 604;
constexpr int kTimeLabelD = 615;

// The track of each warning flag, by flag. Flags 0..3 are the "line" flags: their tracks
// share the profile's pen, which is red whenever one of them is drawn.
struct Track {
  int d;        // depth of the track's row below O
  bool ownPen;  // drawn in its own pen rather than the profile's
  Pen pen;
};
constexpr std::array<Track, 6> kTracks = {{
    {560, false, {}},         // flag 0, row 4
    {515, false, {}},         // flag 1, row 1
    {530, false, {}},         // flag 2, row 2
    {545, false, {}},         // flag 3, row 3
    {575, true, {kBlue, 4}},  // flag 4, row 5
    {590, true, {kGrey, 4}},  // flag 5, row 6
}};

// The legend, top to bottom: its key, the d of its text and of the line below it (0: none).
struct LegendRow {
  const char* key;
  int textD;
  int lineD;
};
constexpr std::array<LegendRow, 6> kLegend = {{
    {"StrChSest", 509, 530},
    {"StrChVyst", 524, 545},
    {"StrChRbt", 539, 560},
    {"StrChDech", 554, 575},
    {"StrChDeko", 569, 590},
    {"StrChTrans", 584, 0},
}};

// The number of samples to draw: never more than the view holds.
int SampleCount(const ponorTxt& view) {
  return std::min<int>(view.PocetVzorku, static_cast<int>(kMaxSamples));
}

bool HasLineFlag(const SampleMarks& marks) {
  return marks[0] || marks[1] || marks[2] || marks[3];
}

// Draws in units relative to the large graph's origin O.
class LargeGraphPainter {
 public:
  explicit LargeGraphPainter(Canvas& canvas) : m_canvas(canvas) {}
  void Line(int x1, int d1, int x2, int d2) {
    DrawLine(m_canvas, kOriginX + x1, kOriginY + d1, kOriginX + x2, kOriginY + d2);
  }
  void LineTo(int x, int d) { m_canvas.LineTo(kOriginX + x, kOriginY + d); }
  void MoveTo(int x, int d) { m_canvas.MoveTo(kOriginX + x, kOriginY + d); }
  void Frame(int x1, int d1, int x2, int d2) {
    m_canvas.SetBrush(Brush{});
    m_canvas.Rectangle(kOriginX + x1, kOriginY + d1, kOriginX + x2, kOriginY + d2);
  }
  void Text(int x, int d, const std::string& text, int size) {
    m_canvas.Text(kOriginX + x, kOriginY + d, text,
                  Font{kGraphFontName, size, FontSizeUnit::Points, kEastEuropeCharSet});
  }
  void SetPen(const Pen& pen) { m_canvas.SetPen(pen); }

 private:
  Canvas& m_canvas;
};

}  // namespace

int RoundRatio(int64_t numerator, int64_t denominator) {
  int64_t quotient = numerator / denominator;
  int64_t remainder = numerator % denominator;
  if (remainder < 0) {  // floor division
    --quotient;
    remainder += denominator;
  }
  const int64_t twice = 2 * remainder;
  if (twice > denominator || (twice == denominator && quotient % 2 != 0)) ++quotient;
  constexpr int64_t kLimit = std::numeric_limits<int>::max() / 4;
  return static_cast<int>(std::clamp(quotient, -kLimit, kLimit));
}

void DrawLargeGraph(Canvas& canvas, const ponorTxt& view, int16_t hloubka,
                    const LargeGraphValues& values, const TMessageTable& messages,
                    char decimalSeparator) {
  canvas.Clear();
  const int n = SampleCount(view);
  if (n == 0) return;

  // A maximum depth of -50 cm or less would make the depth scale infinite or upside
  // down; such a dive gets the small graph's range instead.
  int range = hloubka + kDepthMargin;
  if (range <= 0) range = kSmallGraphMinimumRange;
  // x of a sample count, d of a depth in centimetres (sx = 850 / n, sy = 500 / F).
  auto sampleX = [n](int64_t samples) { return RoundRatio(samples * kPlotWidth, n) + kPlotStart; };
  auto depthD = [range](int64_t centimetres) {
    return RoundRatio(centimetres * kPlotHeight, range);
  };

  LargeGraphPainter p(canvas);
  p.SetPen(Pen{kBlack, 1});
  p.Text(5, -20, messages.Text("StrPonorC") + " " + view.Cislo, 8);
  p.Text(500, -20,
         messages.Text("StrSpotreba1") + " " +
             FixedText(values.ConsumptionRate, 2, decimalSeparator) + " " +
             messages.Text("StrSpotreba2") + ", " + messages.Text("StrPrumHl") + " " +
             FixedText(values.AverageDepth, 2, decimalSeparator) + " m",
         8);

  // Time grid, one line every 5 minutes; the line at the plot's right end is left out.
  p.SetPen(Pen{kBlue, 1});
  for (int i = 0; i < kTimeGridLines; ++i) {
    const int x = sampleX(int64_t{kSamplesPerGridStep} * i);
    if (x >= kPlotStart + kPlotWidth) continue;
    p.Text(x, kTimeLabelD, std::to_string(i * 5) + "'", 6);
    p.Line(x, 0, x, kTimeGridBottom);
  }

  // Depth grid: every 5 m, or every metre for a range under 5.5 m.
  const int step = range >= 550 ? 500 : 100;
  for (int i = 1; i <= kDepthGridLines; ++i) {
    const int h = depthD(int64_t{step} * i);
    if (h >= kPlotHeight) continue;
    p.Text(5, h - 12, std::to_string(step / 100 * i) + " m", 6);
    p.Line(0, h, kGridRight, h);
  }

  p.SetPen(Pen{kBlack, 1});
  p.Line(0, kPlotHeight, kGridRight, kPlotHeight);
  p.Frame(0, 0, 901, 605);

  p.SetPen(Pen{kBlue, 1});
  p.Line(kPlotStart, 515, kGridRight, 515);
  for (const LegendRow& row : kLegend) {
    p.Text(8, row.textD, messages.Text(row.key), 1);
    if (row.lineD != 0) p.Line(kPlotStart, row.lineD, kGridRight, row.lineD);
  }

  // The profile from the surface at time 0. A segment is red when the sample it starts
  // from carries a warning; that sample's tracks are drawn under the same time span.
  int previousX = kPlotStart;
  int previousD = 0;
  SampleMarks previous{};
  for (int l = 1; l <= n; ++l) {
    const Pen profilePen = HasLineFlag(previous) ? Pen{kRed, 4} : Pen{kBlack, 3};
    p.SetPen(profilePen);
    const int x = sampleX(l);
    const int d = depthD(view.Hloubky[l - 1]);
    p.MoveTo(previousX, previousD);
    p.LineTo(x, d);
    for (std::size_t flag = 0; flag < kTracks.size(); ++flag) {
      if (!previous[flag]) continue;
      const Track& track = kTracks[flag];
      if (track.ownPen) p.SetPen(track.pen);
      p.Line(previousX, track.d, x, track.d);
    }
    previousX = x;
    previousD = d;
    previous = view.ZnakyVzorku[l - 1];
  }
}

void DrawSmallGraph(Canvas& canvas, int width, int height, const ponorTxt& view, int16_t hloubka) {
  canvas.Clear();
  const int n = SampleCount(view);
  if (n == 0) return;

  const int range = std::max(hloubka + kDepthMargin, kSmallGraphMinimumRange);
  // x of a sample count (dx = W / n), y of a depth in centimetres (dy = H / range).
  auto sampleX = [n, width](int64_t samples) { return RoundRatio(samples * width, n); };
  auto depthY = [range, height](int64_t centimetres) {
    return RoundRatio(centimetres * height, range);
  };

  // Grid every 5 minutes and every 5 metres; lines beyond the area are clipped there.
  canvas.SetPen(Pen{kGrey, 1});
  for (int i = 1; i < kTimeGridLines; ++i) {
    const int x = sampleX(int64_t{kSamplesPerGridStep} * i);
    DrawLine(canvas, x, 0, x, height);
  }
  for (int i = 1; i <= kDepthGridLines; ++i) {
    const int y = depthY(int64_t{500} * i);
    DrawLine(canvas, 0, y, width, y);
  }

  canvas.MoveTo(0, 0);
  SampleMarks previous{};
  for (int i = 1; i <= n; ++i) {
    canvas.SetPen(HasLineFlag(previous) ? Pen{kRed, 1} : Pen{kBlack, 1});
    canvas.LineTo(sampleX(i), depthY(view.Hloubky[i - 1]));
    previous = view.ZnakyVzorku[i - 1];
  }
}

}  // namespace zirdan
