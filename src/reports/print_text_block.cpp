#include <algorithm>
#include <string>
#include <string_view>

#include "reports/print_blocks.h"

namespace zirdan {
namespace {

constexpr std::size_t kPrintLineLength = 65;
constexpr std::size_t kActivityLines = 3;
constexpr std::size_t kNoteLines = 6;
constexpr const char* kDegreesCelsius = "\260C";  // Windows-1250 0xB0, the degree sign

// The whole-number part of a view text written with two decimals, followed by its unit;
// an empty text (which has no ".") stays empty.
std::string WholeWithUnit(const std::string& text, std::string_view unit) {
  const std::size_t point = text.find('.');
  if (point == std::string::npos) return {};
  return text.substr(0, point) + std::string(unit);
}

// Writes the text block's texts; rows are counted in v, a hundredth of the block height,
// and columns in u, a hundredth of its width.
class TextBlockPainter {
 public:
  TextBlockPainter(Canvas& canvas, const PrintSettings& settings, int u, int v)
      : m_canvas(canvas), m_fontName(settings.FontName), m_u(u), m_v(v) {}

  // `maxWidth` in units; 0 for none.
  void Text(int x, int bottom, int height, const std::string& text, int maxWidth = 0) {
    m_canvas.Text(x, bottom, text,
                  Font{m_fontName, height, FontSizeUnit::CellHeight, kEastEuropeCharSet, maxWidth});
  }
  // A label sits half a row above the baseline of its value, in a smaller cell, and ends a
  // little before the value's column at `endInU`.
  void Label(int xInU, int endInU, int row, const std::string& caption) {
    Text(xInU * m_u, m_v / 2 - row * m_v, 3 * m_v, caption + ":", (endInU - xInU - 1) * m_u);
  }
  // A value ends a little before the next column at `endInU`.
  void Value(int xInU, int endInU, int row, const std::string& text) {
    Text(xInU * m_u, -row * m_v, 4 * m_v, text, (endInU - xInU - 1) * m_u);
  }

 private:
  Canvas& m_canvas;
  const std::string& m_fontName;
  int m_u;
  int m_v;
};

}  // namespace

std::vector<std::string> WrapPrintLines(const std::string& text, std::size_t maxLines) {
  std::vector<std::string> lines;
  std::string_view rest = text;
  while (lines.size() < maxLines && !rest.empty()) {
    if (rest.size() < kPrintLineLength) {
      lines.emplace_back(rest);
      break;
    }
    // The last space among the first 66 characters ends the line and is dropped.
    const std::size_t space = rest.substr(0, kPrintLineLength + 1).rfind(' ');
    if (space == std::string_view::npos) {
      lines.emplace_back(rest.substr(0, kPrintLineLength));
      rest.remove_prefix(kPrintLineLength);
    } else {
      lines.emplace_back(rest.substr(0, space));
      rest.remove_prefix(space + 1);
    }
  }
  return lines;
}

std::string CaptionWithoutUnit(const std::string& caption) {
  const std::size_t bracket = caption.find('[');
  // A translation may give a caption without a unit; it is kept whole.
  if (bracket == std::string::npos) return caption;
  std::size_t end = bracket;
  while (end > 0 && caption[end - 1] == ' ') --end;
  return caption.substr(0, end);
}

void DrawTextBlock(Canvas& canvas, const ponorTxt& view, bool footer, const PrintTexts& texts,
                   const PrintSettings& settings) {
  const int u = kBlockWidth / 100;
  const int v = kBlockHeight / 100;
  const int lw = std::max(1, kBlockHeight / 500);
  const auto& label = texts.Labels.Label;

  // The text block is black in colour mode too.
  canvas.SetPen(Pen{kBlack, lw});
  canvas.SetBrush(Brush{kWhite, false});
  TextBlockPainter p(canvas, settings, u, v);

  p.Text(40 * u, -6 * v, 5 * v, texts.Messages.Text("StrPonorC") + " " + view.Cislo);
  canvas.Rectangle(0, 0, kBlockWidth, -kBlockHeight);
  for (int y : {-6 * v, -42 * v, -74 * v}) DrawLine(canvas, 0, y, kBlockWidth, y);

  // Two columns: labels at 2u and 45u, values at 23u and 60u.
  struct FieldRow {
    int row;
    std::string leftLabel, leftValue, rightLabel, rightValue;
  };
  const FieldRow rows[] = {
      {12, label[9], view.Oblek, label[1], view.Datum},
      {16, CaptionWithoutUnit(label[10]), WholeWithUnit(view.Lahev, " l"), label[3], view.Lokalita},
      {20, label[6], view.PovrchovyInterval, label[4], view.Misto},
      {28, label[2], view.Cas, label[5], view.NadmorskaVyska},
      {32, CaptionWithoutUnit(label[11]), (view.Hloubka + " m").substr(0, 12), label[7],
       view.Pocasi},
      {36, label[12], view.DelkaPonoru, CaptionWithoutUnit(label[8]),
       WholeWithUnit(view.TeplotaVzduchu, kDegreesCelsius)},
      {40, CaptionWithoutUnit(label[14]), WholeWithUnit(view.SpotrebaVzduchu, " bar"),
       CaptionWithoutUnit(label[13]), WholeWithUnit(view.TeplotaVody, kDegreesCelsius)},
  };
  for (const FieldRow& r : rows) {
    p.Label(2, 23, r.row, r.leftLabel);
    p.Value(23, 45, r.row, r.leftValue);
    p.Label(45, 60, r.row, r.rightLabel);
    p.Value(60, 100, r.row, r.rightValue);
  }

  // Full-width rows: label at 2u, value at 14u; long texts run on over the following rows,
  // four v apart.
  auto fullWidth = [&](int row, const std::string& caption, const std::vector<std::string>& lines) {
    p.Label(2, 14, row, caption);
    for (std::size_t i = 0; i < lines.size(); ++i)
      p.Value(14, 100, row + 4 * static_cast<int>(i), lines[i]);
  };
  std::string activity = view.TypAktivity;
  if (!view.Jiny.empty()) activity += ", " + view.Jiny;
  fullWidth(48, label[15], {view.TypPonoru});
  fullWidth(52, label[16], WrapPrintLines(activity, kActivityLines));
  fullWidth(64, label[18], {view.Chyby});
  fullWidth(72, label[17], {view.Partner});
  fullWidth(80, label[19], WrapPrintLines(view.Poznamka, kNoteLines));

  if (footer) p.Text(15 * u, -kBlockHeight - 2 * v, 2 * v, kPrintFooter);
}

}  // namespace zirdan
