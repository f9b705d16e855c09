// The main window with a logbook of 65535 dives with full profiles: the time to start and
// show the last dive, and the time of one Ctrl+Page Down step (store, move, show, redraw
// the small graph). Run with QT_QPA_PLATFORM=offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <filesystem>

#include "core/log_file.h"
#include "support/logbook_samples.h"
#include "ui/form_main.h"
#include "ui_form_main.h"

namespace zirdan {
namespace {

const std::string& LargeLogbookPath() {
  static const std::string path = [] {
    const std::string p =
        (std::filesystem::temp_directory_path() / "zirdan_bench_65535.LOG").string();
    TLogbook book = test::SampleLogbook(kMaxDives, kGrafSize);
    SaveLogbook(p, book);
    return p;
  }();
  return path;
}

StartOptions Options() {
  StartOptions o;
  o.StartFileName = LargeLogbookPath();
  return o;
}

void BM_StartAndShowLastDive(benchmark::State& state) {
  LargeLogbookPath();
  for (auto _ : state) {
    MemorySettingsStore store;
    TFormMain window(store, Options());
    window.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(window.Model().CurrentDive());
  }
}
BENCHMARK(BM_StartAndShowLastDive)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CtrlPageDownStep(benchmark::State& state) {
  MemorySettingsStore store;
  TFormMain window(store, Options());
  window.show();
  QApplication::processEvents();
  QWidget* list = window.Widgets().ListBox1;
  for (auto _ : state) {
    state.PauseTiming();
    window.Model().Select(static_cast<int>(kMaxDives) / 2);
    window.ShowCurrentDive();
    state.ResumeTiming();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_PageDown, Qt::ControlModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_PageDown, Qt::ControlModifier);
    QApplication::sendEvent(list, &press);
    QApplication::sendEvent(list, &release);
    window.Widgets().PaintBox1->repaint();
  }
}
BENCHMARK(BM_CtrlPageDownStep)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zirdan

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove(zirdan::LargeLogbookPath());
  return 0;
}
