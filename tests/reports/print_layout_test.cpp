// The printed page: its units, the top space and where each command puts its blocks.

#include "reports/print_layout.h"

#include <gtest/gtest.h>

namespace zirdan {
namespace {

using Kind = PlacedBlock::Kind;

// An A4 page's printable area at 600 dpi.
constexpr PrintableArea kA4{4760, 6814, 600, 600};

TEST(PrintLayoutTest, DefaultMarginsGiveAnA4PageOf11500UnitsAcross) {
  const PrintSettings settings;
  EXPECT_EQ(NominalPageHeight(settings), 16263);
  EXPECT_EQ(TopSpace(settings), 700);
  EXPECT_EQ(LowerBlockTop(settings), 8800);

  const PageSetUp page = SetUpPage(settings, kA4);
  EXPECT_EQ(page.Width, 11500);
  EXPECT_EQ(page.Height, 16462);  // 11500 x 6814 / 4760
  EXPECT_EQ(page.UnitsWide(), 11500);

  const auto text = SheetBlocks(PrintCommand::TextA5, 1, settings);
  ASSERT_EQ(text.size(), 1u);
  EXPECT_EQ(text[0].What, Kind::Text);
  EXPECT_EQ(text[0].Left, 1500);
  EXPECT_EQ(text[0].Top, 700);
  EXPECT_TRUE(text[0].Footer);

  const auto graph = SheetBlocks(PrintCommand::GraphA5, 1, settings);
  ASSERT_EQ(graph.size(), 1u);
  EXPECT_EQ(graph[0].What, Kind::Graph);
  EXPECT_TRUE(graph[0].Title && graph[0].Footer);

  const auto a4 = SheetBlocks(PrintCommand::A4, 1, settings);
  ASSERT_EQ(a4.size(), 2u);
  EXPECT_EQ(a4[0].What, Kind::Text);
  EXPECT_EQ(a4[0].Top, 700);
  EXPECT_FALSE(a4[0].Footer);
  EXPECT_EQ(a4[1].What, Kind::Graph);
  EXPECT_EQ(a4[1].Left, 1500);
  EXPECT_EQ(a4[1].Top, 8800);
  EXPECT_FALSE(a4[1].Title || a4[1].Footer);
}

TEST(PrintLayoutTest, TwoSidedPrintingPutsBackPagesAtTheRightMargin) {
  PrintSettings settings;
  settings.RightMargin = 250;
  settings.TwoSided = true;
  struct Row {
    PrintCommand command;
    int dive;
    int left;
  };
  for (const Row& r : {Row{PrintCommand::A4, 7, 1500}, Row{PrintCommand::A4, 8, 250},
                       Row{PrintCommand::A4Even, 8, 250}, Row{PrintCommand::GraphA5, 7, 250},
                       Row{PrintCommand::GraphA5, 8, 250}, Row{PrintCommand::TextA5, 8, 1500}}) {
    for (const PlacedBlock& block : SheetBlocks(r.command, r.dive, settings))
      EXPECT_EQ(block.Left, r.left)
          << "command " << static_cast<int>(r.command) << ", dive " << r.dive;
  }
  settings.TwoSided = false;
  for (const PlacedBlock& block : SheetBlocks(PrintCommand::A4, 8, settings))
    EXPECT_EQ(block.Left, 1500);
  // The right margin widens the page and so the space above the blocks: 11750 x 1.4142.
  EXPECT_EQ(SetUpPage(settings, kA4).Width, 11700);
  EXPECT_EQ(NominalPageHeight(settings), 16617);
  EXPECT_EQ(TopSpace(settings), 700);
  EXPECT_EQ(LowerBlockTop(settings), 8300 + 700);
}

TEST(PrintLayoutTest, UnitsHaveOneLengthAcrossAndDownAndTheFrameAddsUnits) {
  PrintSettings settings;
  // A printer with half the resolution down stretches the page's units down.
  EXPECT_EQ(SetUpPage(settings, {1000, 1000, 600, 300}).Height, 23000);

  // The all-margins frame spreads the same drawing over more units: it prints smaller.
  settings.AllMargins = 500;
  const PageSetUp framed = SetUpPage(settings, kA4);
  EXPECT_EQ(framed.Width, 11500);
  EXPECT_EQ(framed.UnitsWide(), 12500);
  EXPECT_EQ(framed.UnitsHigh(), 16462 + 1000);

  // A printer that reports no area still gets a page rather than a division by zero.
  EXPECT_EQ(SetUpPage(settings, PrintableArea{}).Height, 16263);
}

}  // namespace
}  // namespace zirdan
