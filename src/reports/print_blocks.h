#pragma once

#include "core/canvas.h"
#include "core/message_table.h"
#include "core/ponor.h"
#include "core/ponor_txt.h"
#include "env/field_labels.h"
#include "reports/print_layout.h"

namespace zirdan {

// What the blocks write besides the dive: message texts, the field labels as the main
// window shows them, and the decimal separator of the graph's measures.
struct PrintTexts {
  const TMessageTable& Messages;
  const FieldLabelCaptions& Labels;
  char DecimalSeparator = '.';
};

// Both blocks draw in layout units from the block's origin (its top left corner): x grows
// to the right from 0, y runs downward from 0 into negative values. Texts use the
// settings' font with cell heights in layout units; without colour everything is black.

// The text block: title, frame, every field with its label, the wrapped activity and note
// lines, and the footer when asked for.
void DrawTextBlock(Canvas& canvas, const ponorTxt& view, bool footer, const PrintTexts& texts,
                   const PrintSettings& settings);

// The graph block: title (when asked for) and measures, frame, time and depth grid, event
// rows, the profile with its warning segments, event bars, and the footer when asked for.
// `dive` is the record the view was made from (its stored maximum depth and the measures).
// Nothing is drawn when the view has no samples.
void DrawGraphBlock(Canvas& canvas, const ponor& dive, const ponorTxt& view, bool title,
                    bool footer, const PrintTexts& texts, const PrintSettings& settings);

// Splits a text into lines of at most 65 characters, breaking at the last space within the
// first 66 characters (or after 65 characters when there is none), and keeps at most
// `maxLines` of them.
std::vector<std::string> WrapPrintLines(const std::string& text, std::size_t maxLines);

// A label caption without its unit: the text before the first "[" with the spaces before
// it removed; a caption without "[" is kept whole.
std::string CaptionWithoutUnit(const std::string& caption);

}  // namespace zirdan
