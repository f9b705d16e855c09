// Record-to-view conversion speed: reports convert every dive of a logbook (up to 65535).
#include <benchmark/benchmark.h>

#include <string>

#include "core/field_codec.h"
#include "core/profile.h"
#include "support/logbook_samples.h"

namespace zirdan {
namespace {

// A dive with every text and category field filled and a full 2002-byte nitrox profile.
ponor FullProfileDive() {
  ponor dive = test::SampleDive(1234, kGrafSize);
  dive.TypPonoru = static_cast<uint16_t>((dive.TypPonoru | 1u << 8) & ~(1u << 9));
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
