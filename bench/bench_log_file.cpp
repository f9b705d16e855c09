// Load and save of the largest logbook, 65535 dives with full 2002-byte profiles, each
// beside a plain buffered loop that reads or writes the same bytes; and the peak memory
// of a process that only loads such a logbook. Run by hand:
//   zirdan_bench --benchmark_filter=LogFile
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/log_file.h"
#include "support/logbook_samples.h"

namespace zirdan {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kPlainChunk = 64 * 1024;
constexpr const char* kLoadOnlyVariable = "ZIRDAN_BENCH_LOAD_ONLY";

// Peak resident memory of this process in KiB (VmHWM), or -1.
long PeakResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  return -1;
}

// Started with ZIRDAN_BENCH_LOAD_ONLY=<file>, the program loads that file, prints
// "ok <peak KiB before> <peak KiB after>" and ends before any benchmark runs, so that its
// peak memory is that of the load alone.
[[maybe_unused]] const bool g_loadOnlyChild = [] {
  const char* path = std::getenv(kLoadOnlyVariable);
  if (!path) return false;
  const long before = PeakResidentKiB();
  TLogbook logbook;
  const OpResult loaded = LoadLogbook(path, logbook);
  std::printf("%s %ld %ld\n", loaded.Ok() ? "ok" : "failed", before, PeakResidentKiB());
  std::fflush(stdout);
  std::_Exit(loaded.Ok() ? 0 : 1);
}();

// The largest logbook, in memory and as a file; the files go at exit.
struct BigLogbook {
  TLogbook logbook = test::SampleLogbook(kMaxDives, kGrafSize);
  fs::path folder = fs::temp_directory_path() / ("zirdan-bench-" + std::to_string(getpid()));
  std::string path = (folder / "big.LOG").string();
  std::string bytes;
  std::string error;

  BigLogbook() {
    fs::create_directories(folder);
    if (OpResult r = EncodeLogbook(logbook, {}, bytes); !r) error = r.Describe();
    if (OpResult r = SaveLogbook(path, logbook); !r) error = r.Describe();
  }
  ~BigLogbook() {
    std::error_code ec;
    fs::remove_all(folder, ec);
  }

  static BigLogbook& Get() {
    static BigLogbook big;
    return big;
  }
};

void BM_LogFileLoad(benchmark::State& state) {
  BigLogbook& big = BigLogbook::Get();
  if (!big.error.empty()) return state.SkipWithError(big.error.c_str());
  TLogbook logbook;
  for (auto _ : state) {
    state.PauseTiming();
    logbook = TLogbook();  // releasing the previous load is not part of the measure
    state.ResumeTiming();
    if (!LoadLogbook(big.path, logbook)) return state.SkipWithError("load failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * big.bytes.size()));
}

// The reader alone: every record into one scratch dive, no logbook built.
void BM_LogFileReadRecords(benchmark::State& state) {
  BigLogbook& big = BigLogbook::Get();
  if (!big.error.empty()) return state.SkipWithError(big.error.c_str());
  ponor dive;
  for (auto _ : state) {
    LogFileReader reader;
    LogFileHeader header;
    if (!reader.Open(big.path) || !reader.ReadHeader(header))
      return state.SkipWithError("cannot read");
    for (unsigned i = 0; i < header.PocetPonoru; ++i)
      if (OpResult read = reader.ReadDive(dive); !read)
        return state.SkipWithError(read.Describe().c_str());
    benchmark::DoNotOptimize(dive);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * big.bytes.size()));
}

void BM_LogFilePlainBufferedRead(benchmark::State& state) {
  BigLogbook& big = BigLogbook::Get();
  std::vector<char> chunk(kPlainChunk);
  for (auto _ : state) {
    std::FILE* file = std::fopen(big.path.c_str(), "rb");
    if (!file) return state.SkipWithError("cannot open");
    std::size_t total = 0, n;
    while ((n = std::fread(chunk.data(), 1, chunk.size(), file)) > 0) {
      benchmark::DoNotOptimize(chunk.data());
      total += n;
    }
    std::fclose(file);
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * big.bytes.size()));
}

// The same bytes read into fresh memory that holds them all, as any load must hold its
// dives: the cost of touching that much new memory is part of it.
void BM_LogFilePlainReadIntoMemory(benchmark::State& state) {
  BigLogbook& big = BigLogbook::Get();
  for (auto _ : state) {
    std::FILE* file = std::fopen(big.path.c_str(), "rb");
    if (!file) return state.SkipWithError("cannot open");
    std::unique_ptr<char[]> memory(new char[big.bytes.size()]);
    std::size_t at = 0, n;
    while ((n = std::fread(memory.get() + at, 1, std::min(kPlainChunk, big.bytes.size() - at),
                           file)) > 0)
      at += n;
    std::fclose(file);
    benchmark::DoNotOptimize(memory.get());
    state.PauseTiming();
    memory.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * big.bytes.size()));
}

void BM_LogFileSave(benchmark::State& state) {
  BigLogbook& big = BigLogbook::Get();
  if (!big.error.empty()) return state.SkipWithError(big.error.c_str());
  const std::string path = (big.folder / "saved.LOG").string();
  for (auto _ : state)
    if (!SaveLogbook(path, big.logbook)) return state.SkipWithError("save failed");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * big.bytes.size()));
}

// The same bytes written as durably as the save does: to a new file, flushed to disk,
// renamed over the target.
void BM_LogFilePlainBufferedWrite(benchmark::State& state) {
  BigLogbook& big = BigLogbook::Get();
  const std::string path = (big.folder / "plain.LOG").string();
  const std::string temporary = path + ".tmp";
  for (auto _ : state) {
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return state.SkipWithError("cannot create");
    for (std::size_t at = 0; at < big.bytes.size(); at += kPlainChunk)
      std::fwrite(big.bytes.data() + at, 1, std::min(kPlainChunk, big.bytes.size() - at), file);
    std::fflush(file);
    fsync(fileno(file));
    std::fclose(file);
    fs::rename(temporary, path);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * big.bytes.size()));
}

// The encoding alone, without the disk.
void BM_LogFileEncode(benchmark::State& state) {
  BigLogbook& big = BigLogbook::Get();
  std::string bytes;
  for (auto _ : state) benchmark::DoNotOptimize(EncodeLogbook(big.logbook, {}, bytes));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * big.bytes.size()));
}

// Starts this program as a load-only child and reports its peak memory beside the
// budget of 1.5 times the file size plus 30 MB.
void BM_LogFileLoadPeakMemory(benchmark::State& state) {
  BigLogbook& big = BigLogbook::Get();
  if (!big.error.empty()) return state.SkipWithError(big.error.c_str());
  const std::string self = fs::read_symlink("/proc/self/exe").string();
  const std::string command = std::string(kLoadOnlyVariable) + "='" + big.path + "' '" + self + "'";
  long before = -1, peak = -1;
  for (auto _ : state) {
    std::FILE* child = popen(command.c_str(), "r");
    if (!child) return state.SkipWithError("cannot start the child");
    char answer[16] = {};
    const int fields = std::fscanf(child, "%15s %ld %ld", answer, &before, &peak);
    if (pclose(child) != 0 || fields != 3 || std::string(answer) != "ok")
      return state.SkipWithError("the load-only child failed");
  }
  constexpr double kMiB = 1024.0 * 1024.0;
  const double fileMiB = static_cast<double>(big.bytes.size()) / kMiB;
  state.counters["file_MiB"] = fileMiB;
  state.counters["peak_MiB"] = static_cast<double>(peak) / 1024.0;
  state.counters["start_MiB"] = static_cast<double>(before) / 1024.0;
  state.counters["budget_MiB"] = 1.5 * fileMiB + 30.0 * 1e6 / kMiB;
}

BENCHMARK(BM_LogFileLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LogFileReadRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LogFilePlainBufferedRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LogFilePlainReadIntoMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LogFileSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LogFilePlainBufferedWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LogFileEncode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LogFileLoadPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zirdan
