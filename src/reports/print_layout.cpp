#include "reports/print_layout.h"

#include <cmath>

namespace zirdan {
namespace {

int DownToHundred(int value) {
  return value / 100 * 100;
}

// The page's width before it is cut to a multiple of 100: both margins and the block.
int FullWidth(const PrintSettings& settings) {
  return settings.LeftMargin + kBlockWidth + settings.RightMargin;
}

// The height-to-width ratio of an upright A4 sheet.
constexpr double kSheetRatio = 1.4142;

}  // namespace

bool PrintsDive(PrintCommand command, int diveNumber) {
  switch (command) {
    case PrintCommand::A4Odd:
      return diveNumber % 2 != 0;
    case PrintCommand::A4Even:
      return diveNumber % 2 == 0;
    default:
      return true;
  }
}

int NominalPageHeight(const PrintSettings& settings) {
  return static_cast<int>(std::nearbyint(FullWidth(settings) * kSheetRatio));
}

int TopSpace(const PrintSettings& settings) {
  return DownToHundred((NominalPageHeight(settings) - 2 * kNominalBlockHeight) / 4);
}

int LowerBlockTop(const PrintSettings& settings) {
  return DownToHundred(NominalPageHeight(settings)) / 2 + TopSpace(settings);
}

PageSetUp SetUpPage(const PrintSettings& settings, const PrintableArea& area) {
  PageSetUp page;
  page.Width = DownToHundred(FullWidth(settings));
  page.Margin = settings.AllMargins;
  // One unit has the same physical length across and down. A printer that reports no
  // area or resolution gets the proportions of an A4 sheet rather than a division by 0.
  const bool known =
      area.Width > 0 && area.Height > 0 && area.ResolutionX > 0 && area.ResolutionY > 0;
  const double ratio =
      known ? area.Height / area.Width * (area.ResolutionX / area.ResolutionY) : kSheetRatio;
  page.Height = static_cast<int>(std::nearbyint(page.Width * ratio));
  return page;
}

std::vector<PlacedBlock> SheetBlocks(PrintCommand command, int diveNumber,
                                     const PrintSettings& settings) {
  using Kind = PlacedBlock::Kind;
  const int top = TopSpace(settings);
  switch (command) {
    case PrintCommand::TextA5:
      return {{Kind::Text, settings.LeftMargin, top, false, true}};
    case PrintCommand::GraphA5:
      // Graph blocks are the even pages of the paper logbook, the backs of the text pages.
      return {{Kind::Graph, settings.TwoSided ? settings.RightMargin : settings.LeftMargin, top,
               true, true}};
    case PrintCommand::A4:
    case PrintCommand::A4Odd:
    case PrintCommand::A4Even:
      break;
  }
  const bool back = settings.TwoSided && diveNumber % 2 == 0;
  const int left = back ? settings.RightMargin : settings.LeftMargin;
  return {{Kind::Text, left, top, false, false},
          {Kind::Graph, left, LowerBlockTop(settings), false, false}};
}

}  // namespace zirdan
