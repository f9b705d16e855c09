// The exports of a full logbook (65535 dives, each with a full profile) in one run: the CSV
// tables and the UDDF file, their time, and the peak memory each adds to the loaded logbook
// (target: UDDF no slower than CSV, at most 32 MiB above the logbook).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/csv_export.h"
#include "env/field_labels.h"
#include "interchange/uddf_export.h"
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

// The same logbook without warning marks, as most dives are: the sample logbook's profile
// bytes carry marks on most samples, each an alarm element in UDDF.
const TLogbook& FullLogbookWithoutMarks() {
  static const TLogbook book = [] {
    TLogbook marked = test::SampleLogbook(kMaxDives, kGrafSize);
    marked.ForEach([](pam& dive) {
      for (std::size_t i = kFormatBasic; i < kGrafSize; ++i) dive.Graf[i] &= 0xC0;
    });
    return marked;
  }();
  return book;
}

// A value of /proc/self/status in KiB ("VmRSS", "VmHWM"); 0 where there is none.
double StatusKiB(const std::string& key) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.starts_with(key + ":")) return std::stod(line.substr(key.size() + 1));
  return 0;
}

// Lets VmHWM start again from the present resident size (Linux 4.0 and later).
bool ResetPeakMemory() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  return static_cast<bool>(clear.flush());
}

enum class Format { Csv, Uddf, UddfWithoutMarks };

void BM_ExportFullLogbook(benchmark::State& state, Format format) {
  const TLogbook& book =
      format == Format::UddfWithoutMarks ? FullLogbookWithoutMarks() : FullLogbook();
  const TCategoryTables tables = TCategoryTables::BuiltIn();
  const FieldLabelCaptions labels = FieldLabelCaptions::DesignTime();
  const TMessageTable messages;
  const CodecContext codec{tables, kFormatBasic, '.'};
  const fs::path dir =
      fs::temp_directory_path() / ("zirdan_bench_export_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string logPath = (dir / "bench.LOG").string();
  const std::string uddfPath = UddfFileNameFor(logPath);
  const double loadedKiB = StatusKiB("VmRSS");
  const bool peakKnown = ResetPeakMemory();
  std::uintmax_t bytes = 0;
  for (auto _ : state) {
    const OpResult exported =
        format == Format::Csv
            ? ExportCsv(book, logPath, codec, CsvHeadingTexts{messages, labels.Label})
            : ExportUddf(AllDives(book), uddfPath, codec, UddfTexts{messages, labels.Label});
    if (!exported) {
      state.SkipWithError(exported.Describe().c_str());
      break;  // the folder is still removed below
    }
    bytes = 0;
    if (format == Format::Csv)
      for (const std::string& file : CsvFileNamesFor(logPath)) bytes += fs::file_size(file);
    else
      bytes = fs::file_size(uddfPath);
  }
  state.counters["dives"] = book.PocetPonoru();
  state.counters["MB written"] = static_cast<double>(bytes) / 1e6;
  state.counters["MiB loaded"] = loadedKiB / 1024;
  if (peakKnown) state.counters["MiB peak above loaded"] = (StatusKiB("VmHWM") - loadedKiB) / 1024;
  state.SetBytesProcessed(static_cast<int64_t>(bytes) * state.iterations());
  fs::remove_all(dir);
}
BENCHMARK_CAPTURE(BM_ExportFullLogbook, csv, Format::Csv)
    ->Unit(benchmark::kSecond)
    ->Iterations(2)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ExportFullLogbook, uddf, Format::Uddf)
    ->Unit(benchmark::kSecond)
    ->Iterations(2)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ExportFullLogbook, uddf_without_marks, Format::UddfWithoutMarks)
    ->Unit(benchmark::kSecond)
    ->Iterations(2)
    ->UseRealTime();

}  // namespace
}  // namespace zirdan
