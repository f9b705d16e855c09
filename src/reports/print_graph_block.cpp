#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "core/number_text.h"
#include "core/profile.h"
#include "graph/profile_graph.h"
#include "reports/print_blocks.h"

namespace zirdan {
namespace {

// Samples are taken every 20 seconds: 15 samples make the 5 minutes of one grid step.
constexpr int kSamplesPerGridStep = 15;
constexpr int kTimeGridLines = 44;   // 0' to 215'
constexpr int kDepthGridLines = 32;  // below the surface
// The depth range leaves 50 cm below the deepest point.
constexpr int kDepthMargin = 50;

// The event rows, by sample flag: the row's y in v below the origin, its label key, and
// whether a mark there is a warning (drawn red, and turning the profile red after it).
struct EventRow {
  int row;
  const char* key;
  bool warning;
  Color colour;
};
constexpr std::array<EventRow, 6> kEventRows = {{
    {89, "StrChDech", true, kRed},     // flag 0
    {83, "StrChSest", true, kRed},     // flag 1
    {85, "StrChVyst", true, kRed},     // flag 2
    {87, "StrChRbt", true, kRed},      // flag 3
    {91, "StrChDeko", false, kBlue},   // flag 4
    {93, "StrChTrans", false, kGrey},  // flag 5
}};

bool HasWarning(const SampleMarks& marks) {
  for (std::size_t flag = 0; flag < kEventRows.size(); ++flag)
    if (marks[flag] && kEventRows[flag].warning) return true;
  return false;
}

// The measures line above the plot: the consumption rate and the fullness, each only
// when the profile gave it.
std::string InformationText(const ponor& dive, const ponorTxt& view, const PrintTexts& texts) {
  const TMessageTable& m = texts.Messages;
  std::string info;
  const Measure rate = ConsumptionRate(dive, view);
  if (rate.fromProfile)
    info = m.Text("StrSpotreba1") + " " + FixedText(rate.value, 2, texts.DecimalSeparator) + " " +
           m.Text("StrSpotreba2");
  const Measure fullness = Fullness(dive, view);
  // The separator stands between the two measures only.
  if (fullness.fromProfile)
    info += (info.empty() ? "" : "; ") + m.Text("StrObdelnik") + " " +
            FixedText(fullness.value, 2, texts.DecimalSeparator) + " %";
  return info;
}

}  // namespace

void DrawGraphBlock(Canvas& canvas, const ponor& dive, const ponorTxt& view, bool title,
                    bool footer, const PrintTexts& texts, const PrintSettings& settings) {
  const int n = std::min<int>(view.PocetVzorku, static_cast<int>(kMaxSamples));
  if (n == 0) return;

  const int u = kBlockWidth / 100;
  const int v = kBlockHeight / 100;
  const int lw = std::max(1, kBlockHeight / 500);
  const int axisBand = 8 * u;                    // G: the depth labels left of the plot
  const int plotWidth = kBlockWidth - axisBand;  // A
  const int plotHeight = 76 * v;                 // P
  const int top = -5 * v;                        // the surface line

  // A stored maximum depth of -50 cm or less would turn the depth scale infinite or upside
  // down; such a dive is scaled to its deepest sample instead.
  int range = dive.Hloubka + kDepthMargin;  // S, centimetres
  if (range <= 0) {
    const auto* depths = view.Hloubky.data();
    range = std::max(0, *std::max_element(depths, depths + n)) + kDepthMargin;
  }
  // x of a number of samples, depth below the surface line of centimetres.
  auto sampleX = [&](int64_t samples) { return axisBand + RoundRatio(samples * plotWidth, n); };
  auto depthD = [&](int64_t centimetres) { return RoundRatio(centimetres * plotHeight, range); };

  auto colour = [&](Color c) { return settings.Colour ? c : kBlack; };
  auto text = [&](int x, int bottom, int height, const std::string& s, int maxWidth = 0) {
    canvas.Text(
        x, bottom, s,
        Font{settings.FontName, height, FontSizeUnit::CellHeight, kEastEuropeCharSet, maxWidth});
  };

  canvas.SetPen(Pen{kBlack, lw});
  canvas.SetBrush(Brush{kWhite, false});
  if (title) text(4 * lw, -4 * v, 4 * v, texts.Messages.Text("StrPonorC") + " " + view.Cislo);
  text(kBlockWidth / 3, -4 * v, 4 * v, InformationText(dive, view, texts),
       kBlockWidth - kBlockWidth / 3 - u);
  canvas.Rectangle(0, top, kBlockWidth, -95 * v);
  DrawLine(canvas, 0, -81 * v, kBlockWidth, -81 * v);

  // Time grid, one line every 5 minutes, labelled below the frame; a line that would fall
  // on the right edge is left out.
  canvas.SetPen(Pen{colour(kBlue), lw});
  for (int i = 0; i < kTimeGridLines; ++i) {
    const int x = sampleX(int64_t{kSamplesPerGridStep} * i);
    if (x >= kBlockWidth) continue;
    text(x, 2 * v - kBlockHeight, 3 * v, std::to_string(5 * i) + "'");
    DrawLine(canvas, x, top, x, -95 * v);
  }

  // Depth grid: every 5 m, or every metre when the range is under 5.5 m.
  const int step = range < 550 ? 100 : 500;
  for (int j = 1; j <= kDepthGridLines; ++j) {
    const int d = depthD(int64_t{j} * step);
    if (d >= plotHeight) continue;
    text(u, 3 * lw + top - d, 3 * v, std::to_string(j * step / 100) + " m");
    DrawLine(canvas, 0, top - d, kBlockWidth, top - d);
  }

  // The event rows, top to bottom.
  for (int r = 83; r <= 93; r += 2) {
    const auto* row = std::find_if(kEventRows.begin(), kEventRows.end(),
                                   [r](const EventRow& e) { return e.row == r; });
    DrawLine(canvas, axisBand, -r * v, kBlockWidth, -r * v);
    // The row's name stays in the axis band, left of where its bars start.
    text(2 * u, -(r + 1) * v, 2 * v, texts.Messages.Text(row->key), axisBand - 2 * u - u / 2);
  }

  if (footer) text(15 * u, -kBlockHeight - v, 2 * v, kPrintFooter);

  // The profile from the surface at time 0. A segment is red and thicker when the sample
  // it starts from carries a warning; in black and white the width still tells.
  auto pointY = [&](int k) { return -depthD(view.Hloubky[k]) + top; };
  canvas.MoveTo(axisBand, top);
  for (int k = 0; k < n; ++k) {
    const bool warned = k > 0 && HasWarning(view.ZnakyVzorku[k - 1]);
    canvas.SetPen(warned ? Pen{colour(kRed), 4 * lw} : Pen{kBlack, 3 * lw});
    canvas.LineTo(sampleX(k + 1), pointY(k));
  }

  // Event bars: each mark of a sample spans the time to the next sample in its row.
  for (int k = 0; k + 1 < n; ++k) {
    for (std::size_t flag = 0; flag < kEventRows.size(); ++flag) {
      if (!view.ZnakyVzorku[k][flag]) continue;
      const EventRow& row = kEventRows[flag];
      canvas.SetPen(Pen{colour(row.colour), 4 * lw});
      DrawLine(canvas, sampleX(k + 1), -row.row * v, sampleX(k + 2), -row.row * v);
    }
  }
}

}  // namespace zirdan
