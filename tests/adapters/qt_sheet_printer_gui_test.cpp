#include "adapters/qt_sheet_printer.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

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

}  // namespace
}  // namespace zirdan
