#include "adapters/qt_sheet_printer.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include "core/log_file.h"
#include "env/language_load.h"
#include "env/translation_file.h"
#include "reports/report_fixtures.h"
#include "support/qt_application.h"
#include "support/scratch_files.h"

namespace zirdan {
namespace {

const bool kApplication = test::UseQtApplication<QGuiApplication>();

// A4 at 1200 dpi, with a printer's unprintable edge of 10 mm across and 5 mm down.
void SetUpPdf(QPrinter& printer, const std::string& path) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                    QMarginsF(10, 5, 10, 5), QPageLayout::Millimeter));
}

TEST(QtSheetPrinter, TheAreaIsThePortraitPageLessItsEdgesOnBothSides) {
  test::ScratchFolder folder;
  QPrinter printer(QPrinter::HighResolution);
  SetUpPdf(printer, folder.File("a.pdf"));
  const QtSheetPrinter output(printer);
  const PrintableArea area = output.Area();
  const double dotsPerMm = printer.resolution() / 25.4;
  // Qt keeps paper and margins in whole points, so a millimetre is close enough; a wrong
  // edge count or orientation is off by 5 mm or more.
  EXPECT_NEAR(area.Width, (210 - 2 * 10) * dotsPerMm, dotsPerMm);  // turned upright
  EXPECT_NEAR(area.Height, (297 - 2 * 5) * dotsPerMm, dotsPerMm);
  EXPECT_EQ(area.ResolutionX, printer.resolution());
  EXPECT_EQ(area.ResolutionY, printer.resolution());
}

// The sample logbook's sheets of every kind, in Czech, printed into a PDF file on paper
// with the given edges: no drawing may leave the printable area.
struct SheetCase {
  const char* name;
  PrintCommand command;
  PrintSettings settings;
  QPageSize::PageSizeId paper;
  double edgeMm;
};

TEST(QtSheetPrinter, EverySheetOfEveryKindStaysInsideThePrintableArea) {
  const PrintSettings defaults;
  const PrintSettings twoSidedColour = test::PrintSettingsWith(1500, 1000, 0, true, true);
  const PrintSettings changed =
      test::PrintSettingsWith(1550, 0, 300, false, false);  // page cut to 11500
  const SheetCase cases[] = {
      {"A5 text", PrintCommand::TextA5, defaults, QPageSize::A4, 0},
      {"A5 graph", PrintCommand::GraphA5, defaults, QPageSize::A4, 0},
      {"A4", PrintCommand::A4, defaults, QPageSize::A4, 0},
      {"A4 on a printer's edge", PrintCommand::A4, defaults, QPageSize::A4, 6},
      {"A4 odd, two-sided, colour", PrintCommand::A4Odd, twoSidedColour, QPageSize::A4, 4},
      {"A4 even, two-sided, colour", PrintCommand::A4Even, twoSidedColour, QPageSize::A4, 4},
      {"A5 graph, two-sided, colour", PrintCommand::GraphA5, twoSidedColour, QPageSize::A4, 4},
      {"A4, changed margins", PrintCommand::A4, changed, QPageSize::A4, 0},
      {"A5 text, changed margins", PrintCommand::TextA5, changed, QPageSize::A4, 0},
      {"A4 on Letter paper", PrintCommand::A4, defaults, QPageSize::Letter, 5},
  };
  TLogbook logbook;
  ASSERT_TRUE(LoadLogbook(std::string(ZIRDAN_SOURCE_DIR) + "/data/sample.LOG", logbook));
  const TTranslationFile file =
      TTranslationFile::Load(std::string(ZIRDAN_SOURCE_DIR) + "/data/Language.ini");
  TMessageTable messages;
  LoadMessageTable(file, 2, messages);
  TCategoryTables tables = TCategoryTables::BuiltIn();
  LoadCategoryNames(file, 2, tables);
  const FieldLabelCaptions labels = FieldLabelCaptions::DesignTime();
  const PrintTexts texts{messages, labels, ','};
  const CodecContext codec{tables, logbook.VychoziFormatGrafu, ','};
  test::ScratchFolder folder;

  for (const SheetCase& c : cases) {
    SCOPED_TRACE(c.name);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(folder.File("sheets.pdf")));
    printer.setPageLayout(QPageLayout(QPageSize(c.paper), QPageLayout::Portrait,
                                      QMarginsF(c.edgeMm, c.edgeMm, c.edgeMm, c.edgeMm),
                                      QPageLayout::Millimeter));
    QtSheetPrinter output(printer);
    // Every sheet is checked once it is sent: the run announces the next dive after it.
    // (A graph sheet of a dive without a profile stays empty.)
    int checked = 0;
    const auto check = [&](int) {
      if (output.LastSheetDrawn().isNull()) return;
      EXPECT_TRUE(output.Printable().contains(output.LastSheetDrawn()))
          << "dive sheet " << checked << " covers " << output.LastSheetDrawn().left() << ","
          << output.LastSheetDrawn().top() << " to " << output.LastSheetDrawn().right() << ","
          << output.LastSheetDrawn().bottom();
      ++checked;
    };
    const PrintRunResult run =
        PrintDives(logbook, c.command, {0, 65535}, c.settings, texts, codec, output, check);
    check(0);
    EXPECT_TRUE(run.Outcome) << run.Outcome.Describe();
    EXPECT_TRUE(output.Finish());
    EXPECT_GT(checked, 0);
  }
}

// A sheet that fits is printed as laid out: the default A4 sheet's text block keeps the
// width of 10000 of the page's 11500 units.
TEST(QtSheetPrinter, ASheetThatFitsKeepsItsSize) {
  test::ScratchFolder folder;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(folder.File("fits.pdf")));
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                    QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
  QtSheetPrinter output(printer);
  PageSetUp page;
  page.Width = 11500;
  page.Height = 16263;
  Canvas* canvas = output.BeginSheet(page);
  ASSERT_NE(canvas, nullptr);
  canvas->SetOrigin(1500, -700);
  canvas->Rectangle(0, 0, 9000, -6700);
  ASSERT_TRUE(output.EndSheet());
  const double unit = output.Printable().width() / 11500;
  EXPECT_NEAR(output.LastSheetDrawn().width(), 9000 * unit, 30 * unit);
  EXPECT_NEAR(output.LastSheetDrawn().left(), 1500 * unit, 30 * unit);
  EXPECT_TRUE(output.Finish());
}

}  // namespace
}  // namespace zirdan
