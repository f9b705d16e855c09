#pragma once

#include <string>
#include <vector>

namespace zirdan {

// A printed block is 10000 layout units wide and 6700 high, so that one block fits into
// each half of an upright sheet. The page's units have the same physical length across and
// down.
inline constexpr int kBlockWidth = 10000;
inline constexpr int kBlockHeight = 6700;
// The unrounded block height (10000 x 0.95 / 1.415) the top space is reckoned from.
inline constexpr int kNominalBlockHeight = 6714;

// The line every printed sheet of the text or graph command ends with.
inline constexpr const char* kPrintFooter =
    "Zirdan LOG Editor - the logbook of a Zirdan dive computer";

// The print settings of the settings menu, in layout units.
struct PrintSettings {
  int LeftMargin = 1500;                   // space left of a block on front pages
  int RightMargin = 0;                     // added to the page width; the left space of back pages
  int AllMargins = 0;                      // an extra frame on every side of the page
  bool TwoSided = false;                   // back pages use the right margin as their left space
  bool Colour = false;                     // off: every line and text is black
  std::string FontName = "MS Sans Serif";  // the proportional font of all blocks
};

// The five print commands of the menu.
enum class PrintCommand {
  TextA5,   // one sheet a dive: the text block with footer
  GraphA5,  // one sheet a dive: the graph block with title and footer
  A4,       // one sheet a dive: text block above, graph block below
  A4Odd,    // as A4, dives with an odd number only
  A4Even,   // as A4, dives with an even number only
};

// Whether the command prints a sheet for the dive numbered `diveNumber`.
bool PrintsDive(PrintCommand command, int diveNumber);

// The printable area of the printer's page, in device pixels, and its resolution.
struct PrintableArea {
  double Width = 0;
  double Height = 0;
  double ResolutionX = 1;  // pixels per inch across
  double ResolutionY = 1;  // pixels per inch down
};

// The page of one sheet in layout units: the drawing spans (Width + 2 Margin) x
// (Height + 2 Margin) units over the printable area, y pointing up from its top edge.
struct PageSetUp {
  int Width = 0;   // left margin + block + right margin, down to a multiple of 100
  int Height = 0;  // Width scaled by the printable area's proportions
  int Margin = 0;  // the all-margins frame
  int UnitsWide() const { return Width + 2 * Margin; }
  int UnitsHigh() const { return Height + 2 * Margin; }
};
PageSetUp SetUpPage(const PrintSettings& settings, const PrintableArea& area);

// The nominal page height D, the top space T and the top of the lower block of an A4 sheet.
int NominalPageHeight(const PrintSettings& settings);
int TopSpace(const PrintSettings& settings);
int LowerBlockTop(const PrintSettings& settings);

// One block of a sheet and where it goes: (Left, Top) from the page's top left corner
// inside the all-margins frame.
struct PlacedBlock {
  enum class Kind { Text, Graph };
  Kind What = Kind::Text;
  int Left = 0;
  int Top = 0;
  bool Title = false;   // graph block: the dive number above the plot
  bool Footer = false;  // the program's line below the block
  bool operator==(const PlacedBlock&) const = default;
};

// The blocks of the command's sheet for the dive numbered `diveNumber`.
std::vector<PlacedBlock> SheetBlocks(PrintCommand command, int diveNumber,
                                     const PrintSettings& settings);

}  // namespace zirdan
