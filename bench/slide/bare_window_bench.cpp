// The memory of a bare Qt window of the program's size, on its own in a process: the figure
// the program's own resident memory is compared with.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "bench/slide/resident_memory.h"

namespace {

void BM_ResidentBareWindow(benchmark::State& state) {
  QImage frame(663, 480, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QWidget window;
    window.resize(663, 480);
    window.show();
    QPainter painter(&frame);
    window.render(&painter);
  }
  state.counters["resident_MiB"] = ResidentMebibytes();
}
BENCHMARK(BM_ResidentBareWindow)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
