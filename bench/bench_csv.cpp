// Time of the CSV export of a full logbook: 65535 dives, each with a full profile.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "core/csv_export.h"
#include "env/field_labels.h"
#include "support/logbook_samples.h"

namespace zirdan {
namespace {
namespace fs = std::filesystem;

// A logbook of the largest size, every dive with 2002 profile bytes (665 decoded samples),
// buddies, categories and texts filled in.
const TLogbook& FullLogbook() {
  static const TLogbook book = test::SampleLogbook(kMaxDives, kGrafSize);
  return book;
}

void BM_CsvExportFullLogbook(benchmark::State& state) {
  const TLogbook& book = FullLogbook();
  const TCategoryTables tables = TCategoryTables::BuiltIn();
  const FieldLabelCaptions labels = FieldLabelCaptions::DesignTime();
  const TMessageTable messages;
  const CodecContext codec{tables, kFormatBasic, ','};
  const fs::path dir =
      fs::temp_directory_path() / ("zirdan_bench_csv_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string logPath = (dir / "bench.LOG").string();
  std::uintmax_t bytes = 0;
  for (auto _ : state) {
    const OpResult exported =
        ExportCsv(book, logPath, codec, CsvHeadingTexts{messages, labels.Label});
    if (!exported) {
      state.SkipWithError(exported.Describe().c_str());
      break;  // the folder is still removed below
    }
    bytes = 0;
    for (const std::string& file : CsvFileNamesFor(logPath)) bytes += fs::file_size(file);
  }
  state.counters["dives"] = book.PocetPonoru();
  state.counters["MB written"] = static_cast<double>(bytes) / 1e6;
  state.SetBytesProcessed(static_cast<int64_t>(bytes) * state.iterations());
  fs::remove_all(dir);
}
BENCHMARK(BM_CsvExportFullLogbook)->Unit(benchmark::kSecond)->Iterations(2)->UseRealTime();

}  // namespace
}  // namespace zirdan
