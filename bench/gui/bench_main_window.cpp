// The main window with a logbook of 65535 dives with full profiles: the time to start and
// show the last dive, the time of one Ctrl+Page Down step (store, move, show, redraw the
// small graph), and the time from the statistics command until its window is on screen.
// Run with QT_QPA_PLATFORM=offscreen.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <filesystem>

#include "core/log_file.h"
#include "support/logbook_samples.h"
#include "ui/form_main.h"
#include "ui_form_main.h"

namespace zirdan {
namespace {

const std::string& LargeLogbookPath() {
  static const std::string path = [] {
    // A folder of its own: the editor watches the logbook's folder, and other programs'
    // files in the temporary folder would set off its disk check during a measurement.
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "zirdan_bench";
    std::filesystem::create_directories(folder);
    const std::string p = (folder / "zirdan_bench_65535.LOG").string();
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

// The statistics command: the report is built, its text fills the window, and the window
// is shown; it is closed as soon as it has been painted.
void BM_StatisticsWindowAppears(benchmark::State& state) {
  MemorySettingsStore store;
  TFormMain window(store, Options());
  window.show();
  QApplication::processEvents();
  for (auto _ : state) {
    QTimer::singleShot(0, &window, [] {
      if (QWidget* shown = QApplication::activeModalWidget()) {
        shown->repaint();
        shown->close();
      }
    });
    window.Widgets().Statistika2->trigger();
  }
}
BENCHMARK(BM_StatisticsWindowAppears)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace zirdan

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(std::filesystem::path(zirdan::LargeLogbookPath()).parent_path());
  return 0;
}
