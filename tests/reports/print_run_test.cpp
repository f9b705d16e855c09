// A print run: which dives get a sheet, where the blocks go, and what a failing printer
// leaves behind.

#include "reports/print_run.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "reports/report_fixtures.h"
#include "support/op_result_print.h"
#include "support/recording_canvas.h"

namespace zirdan {
namespace {

using test::RecordingCanvas;

// Sheets drawn on recording canvases; can refuse to start or to send a chosen sheet.
class FakeOutput : public SheetOutput {
 public:
  PrintableArea Area() const override { return {4760, 6814, 600, 600}; }
  Canvas* BeginSheet(const PageSetUp& page) override {
    if (m_refuseBegin == static_cast<int>(sheets.size())) return nullptr;
    pages.push_back(page);
    sheets.push_back(std::make_unique<RecordingCanvas>());
    return sheets.back().get();
  }
  bool EndSheet() override { return m_refuseEnd != static_cast<int>(sheets.size()) - 1; }
  OpResult Failure() const override { return m_failure; }

  void RefuseBegin(int sheet) { m_refuseBegin = sheet; }
  void RefuseEnd(int sheet) { m_refuseEnd = sheet; }
  void SetFailure(OpResult failure) { m_failure = std::move(failure); }

  // The dive number in each sheet's first title.
  std::vector<std::string> Titles() const {
    std::vector<std::string> titles;
    for (const auto& sheet : sheets)
      for (const std::string& text : sheet->TextStrings())
        if (text.starts_with("StrPonorC ")) {
          titles.push_back(text.substr(10));
          break;
        }
    return titles;
  }

  std::vector<PageSetUp> pages;
  std::vector<std::unique_ptr<RecordingCanvas>> sheets;

 private:
  int m_refuseBegin = -1;
  int m_refuseEnd = -1;
  OpResult m_failure = OpResult::Failure("Printer offline", "job refused");
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

using Titles = std::vector<std::string>;

TEST_F(PrintRunTest, OddAndEvenCommandsPrintEveryOtherDive) {
  struct Row {
    PrintCommand command;
    Titles titles;
  };
  for (const Row& r :
       {Row{PrintCommand::A4Odd, {"1", "3", "5", "7", "9"}},
        Row{PrintCommand::A4Even, {"2", "4", "6", "8", "10"}},
        Row{PrintCommand::A4, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}}}) {
    m_output.sheets.clear();
    m_announced.clear();
    const PrintRunResult result = Run(r.command, 1, 10);
    EXPECT_TRUE(result.Outcome);
    EXPECT_EQ(result.Sheets, static_cast<int>(r.titles.size()));
    EXPECT_EQ(m_output.Titles(), r.titles);
  }
  // The start dive is announced even when it gets no sheet.
  EXPECT_EQ(m_announced, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  m_announced.clear();
  Run(PrintCommand::A4Even, 1, 4);
  EXPECT_EQ(m_announced, (std::vector<int>{1, 2, 4}));
}

TEST_F(PrintRunTest, TheRangeStartsAtItsDiveOrTheFirstAndEndsWithTheLogbook) {
  struct Row {
    int from, to;
    Titles titles;
  };
  for (const Row& r :
       {Row{3, 5, {"3", "4", "5"}}, Row{42, 2, {"1", "2"}},  // no dive 42: from the first dive
        Row{8, 1000, {"8", "9", "10"}},                      // no way round the list
        Row{5, 4, {}}}) {
    m_output.sheets.clear();
    m_announced.clear();
    EXPECT_EQ(Run(PrintCommand::TextA5, r.from, r.to).Sheets, static_cast<int>(r.titles.size()));
    EXPECT_EQ(m_output.Titles(), r.titles) << r.from << ".." << r.to;
    EXPECT_FALSE(m_announced.empty());
  }

  TLogbook empty;
  const PrintRunResult result =
      PrintDives(empty, PrintCommand::A4, {1, 10}, m_settings, m_texts, m_codec, m_output);
  EXPECT_EQ(result.Sheets, 0);
  EXPECT_TRUE(result.Outcome);
}

TEST_F(PrintRunTest, BlocksGoToTheirPlaceInsideTheFrame) {
  m_settings.AllMargins = 200;
  Run(PrintCommand::A4, 7, 7);
  ASSERT_EQ(m_output.sheets.size(), 1u);
  EXPECT_EQ(m_output.pages[0].UnitsWide(), 11900);

  // Text block frame at (L + M, -(T + M)), graph block frame 5v below its top.
  const auto& rectangles = m_output.sheets[0]->Rectangles();
  ASSERT_EQ(rectangles.size(), 2u);
  EXPECT_EQ(rectangles[0].x1, 1700);
  EXPECT_EQ(rectangles[0].y1, -900);
  EXPECT_EQ(rectangles[0].y2, -900 - 6700);
  EXPECT_EQ(rectangles[1].x1, 1700);
  EXPECT_EQ(rectangles[1].y1, -9000 - 5 * 67);
  // The origin is handed back at the end of the sheet.
  const auto& calls = m_output.sheets[0]->Calls();
  EXPECT_EQ(std::get<test::SetOriginCall>(calls.back()), (test::SetOriginCall{0, 0}));
}

TEST_F(PrintRunTest, AFailingPrinterStopsTheRunAndSaysWhy) {
  m_output.RefuseEnd(1);
  PrintRunResult result = Run(PrintCommand::GraphA5, 1, 10);
  EXPECT_EQ(result.Sheets, 1);
  EXPECT_EQ(result.Outcome, OpResult::Failure("Printer offline", "job refused"));
  EXPECT_EQ(m_output.sheets.size(), 2u);  // nothing after the refused sheet

  FakeOutput silent;  // fails without giving a reason: still a failure
  silent.RefuseBegin(0);
  silent.SetFailure(OpResult::Success());
  result = PrintDives(m_logbook, PrintCommand::A4, {1, 10}, m_settings, m_texts, m_codec, silent);
  EXPECT_EQ(result.Sheets, 0);
  EXPECT_FALSE(result.Outcome);
}

TEST_F(PrintRunTest, ADiveWithoutSamplesStillGetsItsEmptySheet) {
  ponor bare = test::Dive(11, 0, 1000, 20);
  m_logbook.Append(bare);
  EXPECT_EQ(Run(PrintCommand::GraphA5, 11, 11).Sheets, 1);
  ASSERT_EQ(m_output.sheets.size(), 1u);
  EXPECT_TRUE(m_output.sheets[0]->Texts().empty());
  EXPECT_TRUE(m_output.sheets[0]->Lines().empty());
}

}  // namespace
}  // namespace zirdan
