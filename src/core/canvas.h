#pragma once

#include <cstdint>
#include <string>

namespace zirdan {

// A colour as red, green and blue, each 0..255.
struct Color {
  uint8_t Red = 0;
  uint8_t Green = 0;
  uint8_t Blue = 0;
  bool operator==(const Color&) const = default;
};

inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kRed{255, 0, 0};
inline constexpr Color kBlue{0, 0, 255};
inline constexpr Color kGrey{128, 128, 128};
inline constexpr Color kWhite{255, 255, 255};

// A solid line pen. Lines, frames and texts are drawn in its colour.
struct Pen {
  Color Colour;
  int Width = 1;  // at least 1; in the drawing's units, or in device pixels where a
                  // screen drawing says so (the profile graphs)
  bool operator==(const Pen&) const = default;
};

// The fill of rectangles: none (only the frame is drawn) or a solid colour.
struct Brush {
  Color Colour = kWhite;
  bool Solid = false;  // false: hollow, the inside is left as it is
  bool operator==(const Brush&) const = default;
};

// Character set codes as the fonts of the original platform name them. Texts are always
// Windows-1250 bytes in memory; the character set tells which glyph set a font should
// offer, so a canvas that renders Unicode may ignore it.
inline constexpr uint8_t kDefaultCharSet = 1;
inline constexpr uint8_t kEastEuropeCharSet = 238;

// How a font's size is measured.
enum class FontSizeUnit : uint8_t {
  Points,      // typographic points, independent of the drawing's scale (screen drawings)
  CellHeight,  // the height of a text line's cell, in the drawing's units (printed pages)
};

// A font of normal style (no bold, italic or underline).
struct Font {
  std::string Name;  // family name, e.g. "MS Sans Serif"
  int Size = 8;      // see Unit
  FontSizeUnit Unit = FontSizeUnit::Points;
  uint8_t CharSet = kEastEuropeCharSet;
  // 0: the text takes the width it needs. Otherwise the text is narrowed to end within this
  // many units of its x, so that a label stays clear of its value's column.
  int MaxWidth = 0;
  bool operator==(const Font&) const = default;
};

// The surface the profile graphs and the printed pages draw on, in the drawing's own
// units. Where those units lie on a screen, printer or file is the concern of the
// implementation: each drawing says what its units are.
class Canvas {
 public:
  virtual ~Canvas() = default;

  // Fills the whole drawing area with the background colour.
  virtual void Clear() = 0;
  // The pen of the following lines, frames and texts.
  virtual void SetPen(const Pen& pen) = 0;
  // The fill of the following rectangles.
  virtual void SetBrush(const Brush& brush) = 0;
  // Moves the origin: following coordinates are measured from (x, y) of the drawing
  // (a printed block is drawn at its place on the page this way). Starts at (0, 0).
  virtual void SetOrigin(int x, int y) = 0;
  // Sets the current point without drawing.
  virtual void MoveTo(int x, int y) = 0;
  // Draws a line from the current point to (x, y), which becomes the current point.
  virtual void LineTo(int x, int y) = 0;
  // Draws a rectangle with opposite corners (x1, y1) and (x2, y2): framed with the pen,
  // filled with the brush.
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  // Writes Windows-1250 text in the pen's colour. (x, y) is the lower left corner of the
  // text's cell: its left edge and its lower edge.
  virtual void Text(int x, int y, const std::string& text, const Font& font) = 0;
};

// Draws a line from (x1, y1) to (x2, y2), leaving the current point at its end.
inline void DrawLine(Canvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

}  // namespace zirdan
