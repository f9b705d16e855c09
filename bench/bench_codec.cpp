// Record-to-view conversion speed: reports convert every dive of a logbook (up to 65535).
#include <benchmark/benchmark.h>

#include <string>

#include "core/field_codec.h"
#include "core/profile.h"

namespace zirdan {
namespace {

// A dive with every text and category field filled and a full 2002-byte nitrox profile
// (the benchmark links the logic only, so it builds its own dive).
ponor FullProfileDive() {
  ponor dive;
  dive.Datum = 148119;
  dive.Cas = 605;
  dive.Lokalita = "Chorvatsko - Krk";
  dive.Misto = "Zabi utes";
  dive.NadmorskaVyska = 2;
  dive.PovrchovyInterval = 95;
  dive.Pocasi = 3;
  dive.TeplotaVzduchu = 2450;
  dive.Oblek = 4;
  dive.Lahev = 1500;
  dive.Hloubka = 3125;
  dive.DelkaPonoru = 47;
  dive.TeplotaVody = -150;
  dive.SpotrebaVzduchu = 14000;
  dive.TypPonoru = 1u << 2 | 1u << 6 | 1u << 8;
  dive.TypAktivity = 1u << 0 | 1u << 11 | 1u << 15;
  dive.Jiny = "lov fotek";
  dive.Partner = "Jana Novakova, Petr Reznik";
  dive.Poznamka = std::string(200, 'n');
  dive.Chyby = 1u << 0 | 1u << 5;
  dive.Cislo = 1234;
  dive.GrafPocet = static_cast<uint16_t>(kGrafSize);
  for (std::size_t i = 0; i < kGrafSize; ++i) dive.Graf[i] = static_cast<uint8_t>(i * 37 % 251);
  return dive;
}

// The view is reused from dive to dive, as a report walking the logbook does.
void BM_RecordToViewFullProfile(benchmark::State& state) {
  const ponor dive = FullProfileDive();
  const TCategoryTables tables = TCategoryTables::BuiltIn();
  const CodecContext context{tables};
  ponorTxt view;
  for (auto _ : state) {
    RecordToView(dive, view, context);
    benchmark::DoNotOptimize(view);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RecordToViewFullProfile);

// The three measures of one dive from one decoding, as a statistics report computes them.
void BM_ThreeMeasuresFullProfile(benchmark::State& state) {
  const ponor dive = FullProfileDive();
  const TCategoryTables tables = TCategoryTables::BuiltIn();
  const CodecContext context{tables};
  ponorTxt view;
  for (auto _ : state) {
    RecordToView(dive, view, context);
    benchmark::DoNotOptimize(ConsumptionRate(dive, view));
    benchmark::DoNotOptimize(Fullness(dive, view));
    benchmark::DoNotOptimize(AverageDepth(dive, view));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ThreeMeasuresFullProfile);

}  // namespace
}  // namespace zirdan
