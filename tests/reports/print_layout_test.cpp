// The printed page: its units, the top space and where each command puts its blocks.

#include "reports/print_layout.h"

#include <gtest/gtest.h>

namespace zirdan {
namespace {

using Blocks = std::vector<PlacedBlock>;
constexpr auto kText = PlacedBlock::Kind::Text;
constexpr auto kGraph = PlacedBlock::Kind::Graph;

// An A4 page's printable area at 600 dpi.
constexpr PrintableArea kA4{4760, 6814, 600, 600};

TEST(PrintLayoutTest, DefaultMarginsGiveAPageOf11500UnitsAcross) {
  const PrintSettings settings;
  EXPECT_EQ(NominalPageHeight(settings), 16263);
  const PageSetUp page = SetUpPage(settings, kA4);
  EXPECT_EQ(page.Width, 11500);
  EXPECT_EQ(page.Height, 16462);  // 11500 x 6814 / 4760
  EXPECT_EQ(SheetBlocks(PrintCommand::TextA5, 1, settings),
            (Blocks{{kText, 1500, 700, false, true}}));
  EXPECT_EQ(SheetBlocks(PrintCommand::GraphA5, 1, settings),
            (Blocks{{kGraph, 1500, 700, true, true}}));
  EXPECT_EQ(SheetBlocks(PrintCommand::A4, 1, settings),
            (Blocks{{kText, 1500, 700, false, false}, {kGraph, 1500, 8800, false, false}}));
}

TEST(PrintLayoutTest, TwoSidedPrintingPutsBackPagesAtTheRightMargin) {
  PrintSettings settings;
  settings.RightMargin = 250;  // also widens the page: D = 16617, lower block at 8300 + 700
  settings.TwoSided = true;
  struct Row {
    PrintCommand command;
    int dive;
    int left;
  };
  for (const Row& r : {Row{PrintCommand::A4, 7, 1500}, Row{PrintCommand::A4Even, 8, 250},
                       Row{PrintCommand::GraphA5, 7, 250}, Row{PrintCommand::TextA5, 8, 1500}}) {
    for (const PlacedBlock& block : SheetBlocks(r.command, r.dive, settings)) {
      EXPECT_EQ(block.Left, r.left) << static_cast<int>(r.command) << ", dive " << r.dive;
      EXPECT_EQ(block.Top, block.What == kText || r.command == PrintCommand::GraphA5 ? 700 : 9000);
    }
  }
  settings.TwoSided = false;
  EXPECT_EQ(SheetBlocks(PrintCommand::A4, 8, settings)[1].Left, 1500);
}

TEST(PrintLayoutTest, UnitsHaveOneLengthAcrossAndDownAndTheFrameAddsUnits) {
  PrintSettings settings;
  // Half the resolution down: the same height in pixels is twice as long.
  EXPECT_EQ(SetUpPage(settings, {1000, 1000, 600, 300}).Height, 23000);
  // The all-margins frame spreads the same drawing over more units: it prints smaller.
  settings.AllMargins = 500;
  const PageSetUp framed = SetUpPage(settings, kA4);
  EXPECT_EQ(framed.UnitsWide(), 11500 + 1000);
  EXPECT_EQ(framed.UnitsHigh(), 16462 + 1000);
  // A printer that reports no area gets A4 proportions rather than a division by zero.
  EXPECT_EQ(SetUpPage(settings, PrintableArea{}).Height, 16263);
}

}  // namespace
}  // namespace zirdan
