// A print run: which dives get a sheet, where the blocks go, and what a failing printer
// leaves behind.

#include "reports/print_run.h"

#include <gtest/gtest.h>

#include <memory>

#include "reports/report_fixtures.h"
#include "support/op_result_print.h"
#include "support/recording_canvas.h"

namespace zirdan {
namespace {

using test::RecordingCanvas;
using Numbers = std::vector<std::string>;

// Sheets drawn on recording canvases; can refuse to start or to send a chosen sheet.
class FakeOutput : public SheetOutput {
 public:
  PrintableArea Area() const override { return {4760, 6814, 600, 600}; }
  Canvas* BeginSheet(const PageSetUp& page) override {
    if (refuseBegin == static_cast<int>(sheets.size())) return nullptr;
    pages.push_back(page);
    return sheets.emplace_back(std::make_unique<RecordingCanvas>()).get();
  }
  bool EndSheet() override { return refuseEnd != static_cast<int>(sheets.size()) - 1; }
  OpResult Failure() const override { return failure; }

  // The dive number of each sheet, from its first title.
  Numbers Dives() const {
    Numbers numbers;
    for (const auto& sheet : sheets)
      for (const std::string& text : sheet->TextStrings())
        if (text.starts_with("StrPonorC ")) {
          numbers.push_back(text.substr(10));
          break;
        }
    return numbers;
  }

  std::vector<PageSetUp> pages;
  std::vector<std::unique_ptr<RecordingCanvas>> sheets;
  int refuseBegin = -1;
  int refuseEnd = -1;
  OpResult failure = OpResult::Failure("Printer offline", "job refused");
};

class PrintRunTest : public ::testing::Test {
 protected:
  PrintRunTest() {
    for (uint16_t n = 1; n <= 10; ++n) {
      ponor dive = test::Dive(n, 0, 1000, 20);
      test::SetProfile(dive, {500, 1000, 500});
      m_logbook.Append(dive);
    }
  }

  PrintRunResult Run(PrintCommand command, int from, int to) {
    m_output.sheets.clear();
    m_output.pages.clear();
    m_announced.clear();
    return PrintDives(m_logbook, command, {from, to}, m_settings, m_texts, m_codec, m_output,
                      [this](int n) { m_announced.push_back(n); });
  }

  TLogbook m_logbook;
  TMessageTable m_messages = test::KeyNamedMessages();
  FieldLabelCaptions m_labels = FieldLabelCaptions::DesignTime();
  PrintTexts m_texts{m_messages, m_labels, '.'};
  CodecContext m_codec = test::TestContext();
  PrintSettings m_settings;
  FakeOutput m_output;
  std::vector<int> m_announced;
};

TEST_F(PrintRunTest, CommandAndRangeChooseTheDives) {
  struct Row {
    PrintCommand command;
    int from, to;
    Numbers dives;
  };
  for (const Row& r : {
           Row{PrintCommand::A4Odd, 1, 10, {"1", "3", "5", "7", "9"}},
           Row{PrintCommand::A4Even, 1, 10, {"2", "4", "6", "8", "10"}},
           Row{PrintCommand::TextA5, 42, 2, {"1", "2"}},           // no dive 42: the first
           Row{PrintCommand::GraphA5, 8, 1000, {"8", "9", "10"}},  // not round the list
           Row{PrintCommand::A4, 5, 4, {}},
       }) {
    const PrintRunResult result = Run(r.command, r.from, r.to);
    EXPECT_TRUE(result.Outcome);
    EXPECT_EQ(result.Sheets, static_cast<int>(r.dives.size()));
    EXPECT_EQ(m_output.Dives(), r.dives) << r.from << ".." << r.to;
  }
  // The start dive is announced before anything is printed, even without a sheet.
  EXPECT_EQ(m_announced, (std::vector<int>{5}));
  Run(PrintCommand::A4Even, 1, 4);
  EXPECT_EQ(m_announced, (std::vector<int>{1, 2, 4}));

  TLogbook empty;
  EXPECT_EQ(
      PrintDives(empty, PrintCommand::A4, {1, 10}, m_settings, m_texts, m_codec, m_output).Sheets,
      0);
}

TEST_F(PrintRunTest, BlocksGoToTheirPlaceInsideTheFrame) {
  m_settings.AllMargins = 200;
  Run(PrintCommand::A4, 7, 7);
  ASSERT_EQ(m_output.sheets.size(), 1u);
  EXPECT_EQ(m_output.pages[0].UnitsWide(), 11900);
  // Text frame at (L + M, -(T + M)); the graph frame 5v below its block's top.
  const auto& rectangles = m_output.sheets[0]->Rectangles();
  ASSERT_EQ(rectangles.size(), 2u);
  EXPECT_EQ(std::pair(rectangles[0].x1, rectangles[0].y1), std::pair(1700, -900));
  EXPECT_EQ(std::pair(rectangles[1].x1, rectangles[1].y1), std::pair(1700, -9000 - 5 * 67));
  EXPECT_EQ(std::get<test::SetOriginCall>(m_output.sheets[0]->Calls().back()),
            (test::SetOriginCall{0, 0}));
}

// Every line, frame and text of every sheet kind starts inside the page, for one- and
// two-sided printing, colour and black, default and changed margins. (How far a text
// reaches depends on the font; the printer fits what the font makes of it.)
TEST_F(PrintRunTest, EverySheetKindLiesInsideItsPage) {
  const auto settings = test::PrintSettingsWith;
  const PrintSettings defaults;
  const PrintSettings twoSided = settings(1500, 1200, 0, true, true);
  const PrintSettings changed = settings(2000, 800, 400, false, false);
  const PrintSettings none = settings(0, 0, 0, true, true);
  const std::pair<PrintCommand, PrintSettings> rows[] = {
      {PrintCommand::TextA5, defaults},  {PrintCommand::GraphA5, defaults},
      {PrintCommand::A4, defaults},      {PrintCommand::TextA5, twoSided},
      {PrintCommand::GraphA5, twoSided}, {PrintCommand::A4, twoSided},
      {PrintCommand::A4Odd, changed},    {PrintCommand::A4Even, changed},
      {PrintCommand::GraphA5, changed},  {PrintCommand::A4, none},
  };
  for (const auto& [command, printSettings] : rows) {
    m_settings = printSettings;
    Run(command, 1, 10);
    ASSERT_FALSE(m_output.sheets.empty());
    for (std::size_t i = 0; i < m_output.sheets.size(); ++i) {
      SCOPED_TRACE("command " + std::to_string(static_cast<int>(command)) + ", left " +
                   std::to_string(printSettings.LeftMargin) + ", sheet " + std::to_string(i));
      const PageSetUp& page = m_output.pages[i];
      auto inside = [&](int x, int y) {
        return x >= 0 && x <= page.UnitsWide() && y <= 0 && y >= -page.UnitsHigh();
      };
      const test::RecordingCanvas& sheet = *m_output.sheets[i];
      for (const auto& line : sheet.Lines())
        EXPECT_TRUE(inside(line.x1, line.y1) && inside(line.x2, line.y2)) << line;
      for (const auto& frame : sheet.Rectangles())
        EXPECT_TRUE(inside(frame.x1, frame.y1) && inside(frame.x2, frame.y2)) << frame;
      // A text's cell runs from its bottom up by its height.
      for (const auto& text : sheet.Texts())
        EXPECT_TRUE(inside(text.x, text.y) && inside(text.x, text.y + text.font.Size)) << text;
    }
  }
}

TEST_F(PrintRunTest, AFailingPrinterStopsTheRunAndSaysWhy) {
  m_output.refuseEnd = 1;
  PrintRunResult result = Run(PrintCommand::GraphA5, 1, 10);
  EXPECT_EQ(result.Sheets, 1);
  EXPECT_EQ(result.Outcome, OpResult::Failure("Printer offline", "job refused"));
  EXPECT_EQ(m_output.sheets.size(), 2u);  // nothing after the refused sheet

  m_output.refuseBegin = 0;
  m_output.failure = OpResult::Success();  // an output that gives no reason still fails
  result = Run(PrintCommand::A4, 1, 10);
  EXPECT_EQ(result.Sheets, 0);
  EXPECT_FALSE(result.Outcome);
}

TEST_F(PrintRunTest, ADiveWithoutSamplesStillGetsItsEmptySheet) {
  m_logbook.Append(test::Dive(11, 0, 1000, 20));
  EXPECT_EQ(Run(PrintCommand::GraphA5, 11, 11).Sheets, 1);
  ASSERT_EQ(m_output.sheets.size(), 1u);
  EXPECT_TRUE(m_output.sheets[0]->Texts().empty() && m_output.sheets[0]->Lines().empty());
}

}  // namespace
}  // namespace zirdan
