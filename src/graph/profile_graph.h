#pragma once

#include <cstdint>

#include "core/canvas.h"
#include "core/ponor_txt.h"
#include "core/message_table.h"

namespace zirdan {

// numerator / denominator rounded to the nearest integer, halves to the even neighbour,
// computed exactly (the scales of the graphs are ratios of whole numbers, and a
// floating-point product could fall on either side of a half). Results far outside any
// drawing are clamped.
int RoundRatio(int64_t numerator, int64_t denominator);

// The large graph is drawn on 950 x 730 units; the window stretches them over its paint
// box, each axis on its own. Pen widths are meant as screen pixels and font sizes as
// points, so lines and texts keep their size when the window grows.
inline constexpr int kLargeGraphWidth = 950;
inline constexpr int kLargeGraphHeight = 730;

// The font of the large graph's texts. Systems without it substitute a sans-serif font.
inline constexpr const char* kGraphFontName = "MS Sans Serif";

// The two measures the large graph writes above the profile.
struct LargeGraphValues {
  double ConsumptionRate = 0;  // litres per minute at surface pressure
  double AverageDepth = 0;     // metres
};

// Draws the large profile graph of the graph window: title, measures, time and depth
// grid, warning tracks with their legend, and the profile. `view` is the dive's decoded
// view (its samples and Cislo), `hloubka` the record's maximum depth in centimetres
// (32767 = not filled in). Texts come from `messages`; the measures are written with
// two decimals and `decimalSeparator`. With no samples the area is only cleared.
void DrawLargeGraph(Canvas& canvas, const ponorTxt& view, int16_t hloubka,
                    const LargeGraphValues& values, const TMessageTable& messages,
                    char decimalSeparator);

// Draws the small profile graph of the main window on a `width` x `height` pixel area:
// a grey grid every 5 minutes and every 5 metres, and the profile, red after samples with
// a warning. With no samples the area is only cleared.
void DrawSmallGraph(Canvas& canvas, int width, int height, const ponorTxt& view, int16_t hloubka);

}  // namespace zirdan
