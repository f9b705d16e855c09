// The paper logbook's A4 sheets of 1000 dives with full profiles, printed into one PDF file
// through the Qt printer as the tool's print command does: the time of the whole run and
// the size of the file. Runs without a display (offscreen unless QT_QPA_PLATFORM says).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <cstdlib>
#include <filesystem>

#include "adapters/qt_sheet_printer.h"
#include "core/category_tables.h"
#include "env/field_labels.h"
#include "reports/print_run.h"
#include "support/logbook_samples.h"

namespace zirdan {
namespace {

constexpr int kDives = 1000;

const TLogbook& Logbook() {
  static const TLogbook logbook = test::SampleLogbook(kDives, kGrafSize);
  return logbook;
}

void BM_PrintA4SheetsToPdf(benchmark::State& state) {
  static const TCategoryTables tables = TCategoryTables::BuiltIn();
  static const TMessageTable messages;  // every text reads "Error": the length is typical
  static const FieldLabelCaptions labels = FieldLabelCaptions::DesignTime();
  const CodecContext codec{tables, Logbook().VychoziFormatGrafu, '.'};
  const PrintTexts texts{messages, labels, '.'};
  const PrintSettings settings;
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "zirdan_bench_print.pdf";
  int sheets = 0;
  for (auto _ : state) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path.string()));
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(4, 4, 4, 4), QPageLayout::Millimeter));
    QtSheetPrinter output(printer);
    const PrintRunResult run = PrintDives(Logbook(), PrintCommand::A4, PrintRange{1, kDives},
                                          settings, texts, codec, output);
    if (!output.Finish() || !run.Outcome) state.SkipWithError("the PDF could not be written");
    sheets = run.Sheets;
  }
  std::error_code ignored;
  state.counters["sheets"] = sheets;
  state.counters["pdf_bytes"] = static_cast<double>(std::filesystem::file_size(path, ignored));
  state.counters["sheets_per_second"] =
      benchmark::Counter(sheets, benchmark::Counter::kIsIterationInvariantRate);
  std::filesystem::remove(path, ignored);
}
BENCHMARK(BM_PrintA4SheetsToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace zirdan

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
