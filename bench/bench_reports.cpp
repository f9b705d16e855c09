// Speed of the reports over a logbook of 65535 dives, each with a full profile, against one
// record-to-view pass over the same dives (the statistics must stay within 3 times that).

#include <benchmark/benchmark.h>

#include "core/field_codec.h"
#include "core/logbook.h"
#include "reports/dive_text.h"
#include "reports/overview.h"
#include "reports/statistics.h"

namespace zirdan {
namespace {

const TMessageTable& Messages() {
  static const TMessageTable messages;  // every text reads "Error": the length is typical
  return messages;
}

const TCategoryTables& Tables() {
  static const TCategoryTables tables = TCategoryTables::BuiltIn();
  return tables;
}

// 65535 dives over some 180 years of dates and 40 sites, each with a 2002-byte profile.
const TLogbook& FullLogbook() {
  static const TLogbook logbook = [] {
    TLogbook book;
    uint32_t random = 12345;
    auto next = [&random] {
      random = random * 1103515245u + 12345u;
      return random >> 16;
    };
    for (uint32_t i = 0; i < kMaxDives; ++i) {
      ponor d;
      d.Cislo = static_cast<uint16_t>(i + 1);
      d.Datum = kDay1980 + static_cast<int32_t>(i);
      d.Cas = static_cast<uint16_t>(next() % 1440);
      d.Lokalita = "Lokalita " + std::to_string(next() % 8);
      d.Misto = "Misto " + std::to_string(next() % 5);
      d.Hloubka = static_cast<int16_t>(next() % 6000);
      d.DelkaPonoru = static_cast<int16_t>(next() % 120);
      d.PovrchovyInterval = static_cast<int16_t>(i % 3 ? 90 : kEmptyValue);
      d.Lahev = 1500;
      d.SpotrebaVzduchu = 15000;
      d.TypPonoru = static_cast<uint16_t>(next());
      d.TypAktivity = static_cast<uint16_t>(next());
      d.GrafPocet = static_cast<uint16_t>(kGrafSize);
      for (uint8_t& byte : d.Graf) byte = static_cast<uint8_t>(next());
      book.Append(d);
    }
    book.Nacteno = true;
    return book;
  }();
  return logbook;
}

ReportSource Source() {
  return {FullLogbook(),          Messages(), Tables(), "/home/diver/Denik.LOG",
          ReportDate{5, 3, 2024}, '.'};
}

void BM_RecordToViewPass(benchmark::State& state) {
  const TLogbook& logbook = FullLogbook();
  const CodecContext codec{Tables(), logbook.VychoziFormatGrafu, '.'};
  ponorTxt view;
  for (auto _ : state) {
    logbook.ForEach([&](const pam& dive) {
      RecordToView(dive, view, codec);
      benchmark::DoNotOptimize(view.PocetVzorku);
    });
  }
  state.counters["dives"] = logbook.PocetPonoru();
}
BENCHMARK(BM_RecordToViewPass)->Unit(benchmark::kMillisecond);

void BM_Statistics(benchmark::State& state) {
  FullLogbook();
  for (auto _ : state) {
    std::vector<std::string> lines = BuildStatisticsText(Source(), StatisticsSettings{});
    benchmark::DoNotOptimize(lines.data());
  }
}
BENCHMARK(BM_Statistics)->Unit(benchmark::kMillisecond);

void BM_Overview(benchmark::State& state) {
  FullLogbook();
  for (auto _ : state) {
    std::vector<std::string> lines = BuildOverviewText(Source());
    benchmark::DoNotOptimize(lines.data());
  }
}
BENCHMARK(BM_Overview)->Unit(benchmark::kMillisecond);

void BM_DiveText(benchmark::State& state) {
  const TLogbook& logbook = FullLogbook();
  const CodecContext codec{Tables(), logbook.VychoziFormatGrafu, '.'};
  const FieldLabelCaptions labels = FieldLabelCaptions::DesignTime();
  for (auto _ : state) {
    const std::vector<DiveTextLine> lines =
        BuildDiveText(*logbook.Posledni(), codec, Messages(), labels);
    std::string bytes = DiveTextFileBytes(lines, Encoding::Kamenicky);
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_DiveText)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zirdan
