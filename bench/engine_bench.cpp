// The engine's cost: DoGraphics on a surface that draws nothing, per mode and line count.
// Reported as nanoseconds per line per frame ("ns_per_line").
#include <benchmark/benchmark.h>

#include <string>

#include "saver/frm_quorex.h"
#include "surface/test/test_platform.h"

namespace quorex {
namespace {

void DoGraphicsPerLine(benchmark::State& state) {
  const auto mode = static_cast<int>(state.range(0));
  const auto lines = static_cast<int>(state.range(1));
  test::TestPlatform tp;
  tp.log.enabled = false;
  tp.settings.Store("Action", std::to_string(mode));
  tp.settings.Store("LineCount", std::to_string(lines));
  tp.platform.argumentText = "/S";
  frmQuorex saver(tp.platform);
  tp.windows.saver->recordCalls = false;
  // The measurement runs inside the show's first yield, on the prepared state record.
  tp.windows.onYield = [&](int64_t yield) {
    if (yield != 1) return;
    for (auto _ : state) saver.DoGraphics();
    saver.Form_Click();
  };
  saver.Form_Load();
  tp.windows.RunUntilNoWindows();
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
