// The engine's cost: DoGraphics on a surface that draws nothing, per mode and line count.
// Reported as nanoseconds per line per frame ("ns_per_line").
#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <string>

#include "saver/frm_quorex.h"
#include "surface/test/test_platform.h"

namespace quorex {
namespace {

// A saver window whose drawing operations do nothing.
class NullSaverWindow final : public SaverWindow {
 public:
  void Show() override {}
  void SetBackgroundColor(int32_t) override {}
  int32_t GetBackgroundColor() const override { return 0; }
  void SetForegroundColor(int32_t) override {}
  void SetPenWidth(int16_t) override {}
  void SetScale(float, float, float, float) override {}
  void DrawLine(int16_t, float, float, float, float, int32_t) override {}
  void DrawCircle(float, float, float) override {}
  void SetTimerEnabled(bool) override {}
  void Destroy() override {}
};

// The show's first yield runs the measurement; then the show ends.
class MeasuringWindows final : public WindowSystem {
 public:
  std::unique_ptr<SaverWindow> CreateSaverWindow(SaverWindowEvents& events) override {
    events_ = &events;
    return std::make_unique<NullSaverWindow>();
  }
  std::unique_ptr<SetupWindow> CreateSetupWindow(const DialogDescription&,
                                                 SetupWindowEvents&) override {
    return nullptr;
  }
  void DoEvents() override {
    measure();
    events_->Form_Click();
  }
  void RunUntilNoWindows() override {}
  int32_t MsgBox(const std::string&, int32_t, const std::string&) override { return 1; }

  std::function<void()> measure;

 private:
  SaverWindowEvents* events_ = nullptr;
};

void DoGraphicsPerLine(benchmark::State& state) {
  const auto mode = static_cast<int>(state.range(0));
  const auto lines = static_cast<int>(state.range(1));
  test::TestPlatform tp;
  tp.log.enabled = false;
  tp.settings.Store("Action", std::to_string(mode));
  tp.settings.Store("LineCount", std::to_string(lines));
  MeasuringWindows windows;
  Platform platform{windows, tp.settings, tp.random, tp.clock, tp.system, "/S"};
  frmQuorex saver(platform);
  windows.measure = [&] {
    for (auto _ : state) saver.DoGraphics();
  };
  saver.Form_Load();
  state.counters["ns_per_line"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * lines,
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(DoGraphicsPerLine)
    ->ArgsProduct({{1, 2, 3, 4, 5, 6}, {1, 5, 100, 1000}})
    ->ArgNames({"mode", "lines"});

}  // namespace
}  // namespace quorex

BENCHMARK_MAIN();
