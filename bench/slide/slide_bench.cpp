// The cost of what the window does while it runs: building the deck up to its first frame, one
// frame of a slide, and the memory held once every page has been shown.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <memory>

#include "Unit1.h"
#include "application.h"
#include "tab_control.h"
#include "tab_item.h"

namespace {

// Ends every animation at its first tick, so building the window measures the work, not the wait.
class InstantClock : public toolkit::AnimationClock {
 public:
  void Start(std::function<void()> onTick) override {
    QTimer::singleShot(0, [tick = std::move(onTick)] { tick(); });
  }
  void Stop() override {}
  double ElapsedSeconds() const override { return 1.0; }
};

std::unique_ptr<TForm1> BuildWindow() {
  auto form = std::make_unique<TForm1>();
  form->ReadDefinition();
  form->Find<toolkit::TTabControl>("TabControl1")->SetAnimationClock(std::make_unique<InstantClock>());
  form->DoCreate();
  form->show();
  return form;
}

void Paint(QWidget& window, QImage& frame) {
  QPainter painter(&frame);
  window.render(&painter);
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

void BM_SlideFrame(benchmark::State& state) {
  std::unique_ptr<TForm1> form = BuildWindow();
  auto* tabs = form->Find<toolkit::TTabControl>("TabControl1");
  QWidget* outgoing = tabs->Page(0)->Content();
  QWidget* incoming = tabs->Page(1)->Content();
  incoming->setGeometry(663, 0, 663, 480);
  incoming->show();
  QImage frame(663, 480, QImage::Format_ARGB32_Premultiplied);
  int x = 0;
  for (auto _ : state) {
    x = (x + 44) % 663;  // one 20 ms step of the 0.3 s slide
    outgoing->move(-x, 0);
    incoming->move(663 - x, 0);
    Paint(*form, frame);
    benchmark::DoNotOptimize(frame.bits());
  }
}
BENCHMARK(BM_SlideFrame)->Unit(benchmark::kMicrosecond);

long ResidentKilobytes() {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
  }
  return -1;
}

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
  state.counters["resident_MiB"] = static_cast<double>(ResidentKilobytes()) / 1024.0;
}
BENCHMARK(BM_ResidentAfterEveryPageShown)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  toolkit::Application->Initialize();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
