#include "adapters/qt_sheet_printer.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include "support/qt_application.h"
#include "support/pdf_pages.h"
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

TEST(QtSheetPrinter, SheetsOfAFileRunArePagesOfOneFile) {
  test::ScratchFolder folder;
  const std::string path = folder.File("sheets.pdf");
  QPrinter printer(QPrinter::HighResolution);
  SetUpPdf(printer, path);
  QtSheetPrinter output(printer);
  const PageSetUp page{11500, 16500, 0};
  for (int sheet = 0; sheet < 2; ++sheet) {
    Canvas* canvas = output.BeginSheet(page);
    ASSERT_NE(canvas, nullptr) << output.Failure().Describe();
    canvas->Rectangle(1500, -700, 11500, -7400);
    canvas->Text(2000, -1200, "Ponor \xE8. 1",
                 Font{"MS Sans Serif", 335, FontSizeUnit::CellHeight});
    EXPECT_TRUE(output.EndSheet()) << output.Failure().Describe();
  }
  EXPECT_TRUE(output.Finish()) << output.Failure().Describe();
  EXPECT_TRUE(output.Failure().Ok());
  EXPECT_EQ(test::PdfPageCount(path), 2);
}

TEST(QtSheetPrinter, AFileThatCannotBeOpenedStopsTheFirstSheetAndIsNamed) {
  test::ScratchFolder folder;
  const std::string path = folder.File("missing/sheets.pdf");
  QPrinter printer(QPrinter::HighResolution);
  SetUpPdf(printer, path);
  QtSheetPrinter output(printer);
  EXPECT_EQ(output.BeginSheet(PageSetUp{11500, 16500, 0}), nullptr);
  EXPECT_FALSE(output.Failure().Ok());
  EXPECT_NE(output.Failure().Detail().find(path), std::string::npos) << output.Failure().Describe();
  EXPECT_FALSE(output.Finish());
}

}  // namespace
}  // namespace zirdan
