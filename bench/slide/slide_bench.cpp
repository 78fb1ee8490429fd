// The cost of what the window does while it runs, on the Linux backend: building the deck up
// to its first frame, one frame of a slide, and the memory held once every page has been shown.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <memory>
#include <string>

#include "Unit1/Unit1.h"
#include "bench/slide/resident_memory.h"
#include "toolkit/app/application.h"
#include "toolkit/controls/tab_control.h"
#include "toolkit/platform/qt/qt_window.h"

namespace {

// The deck read and shown on card 1. The start-up slide is left out: it waits 0.3 s by design.
std::unique_ptr<TForm1> BuildWindow() {
  auto form = std::make_unique<TForm1>();
  form->ReadDefinition();
  form->Find<toolkit::TTabControl>("TabControl1")->SetTabIndex(0);
  form->Show();
  return form;
}

void Paint(const TForm1& form, QImage& frame) {
  QPainter painter(&frame);
  dynamic_cast<toolkit::platform::qt::QtWindow&>(form.NativeWindow()).Widget().render(&painter);
}

void BM_StartUpToFirstFrame(benchmark::State& state) {
  QImage frame(663, 480, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    std::unique_ptr<TForm1> form = BuildWindow();
    Paint(*form, frame);
    benchmark::DoNotOptimize(frame.bits());
  }
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond);

// One 20 ms step of a slide: both pages moved, the whole window drawn.
void BM_SlideFrame(benchmark::State& state) {
  std::unique_ptr<TForm1> form = BuildWindow();
  auto* tabs = form->Find<toolkit::TTabControl>("TabControl1");
  toolkit::TTabItemContent& outgoing = tabs->Page(0)->Content();
  toolkit::TTabItemContent& incoming = tabs->Page(1)->Content();
  incoming.Show(true);
  incoming.PrepareForDisplay();
  QImage frame(663, 480, QImage::Format_ARGB32_Premultiplied);
  int x = 0;
  for (auto _ : state) {
    x = (x + 44) % 663;
    outgoing.Place({-x, 0, 663 - x, 480});
    incoming.Place({663 - x, 0, 2 * 663 - x, 480});
    Paint(*form, frame);
    benchmark::DoNotOptimize(frame.bits());
  }
}
BENCHMARK(BM_SlideFrame)->Unit(benchmark::kMicrosecond);


void BM_ResidentAfterEveryPageShown(benchmark::State& state) {
  std::unique_ptr<TForm1> form = BuildWindow();
  auto* tabs = form->Find<toolkit::TTabControl>("TabControl1");
  QImage frame(663, 480, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    for (int page = 0; page < tabs->TabCount(); ++page) {
      tabs->SetTabIndex(page);
      Paint(*form, frame);
    }
  }
  state.counters["resident_MiB"] = ResidentMebibytes();
}
BENCHMARK(BM_ResidentAfterEveryPageShown)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  toolkit::Application->Initialize();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  toolkit::Application->Shutdown();
  return 0;
}
