#include "bench/draw/draw_bench.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "bench/draw/timed_show.h"

namespace quorex::bench {
namespace {

// Short runs of the two sides take turns, so that whatever else slows the machine falls on
// both alike; each side's figure is all its frames over all its time.
constexpr int kTurns = 8;

struct RowFigures {
  double show = 0;
  double baseline = 0;
};

RowFigures MeasureRow(const DrawRow& row, WindowSystem& windows, SystemCalls& system,
                      Baseline& baseline, double seconds) {
  double showFrames = 0, showSeconds = 0, baselineFrames = 0, baselineSeconds = 0;
  for (int turn = 0; turn < kTurns; ++turn) {
    const TimedFrames show = TimeShow(row, windows, system, seconds);
    showFrames += static_cast<double>(show.frames - 1);
    showSeconds += show.seconds;
    const RecordedFrames frames =
        RecordFrames(row, baseline.Width(), baseline.Height(), show.frames);
    baselineFrames += static_cast<double>(frames.size() - 1);
    baselineSeconds += baseline.Replay(frames);
  }
  return {showSeconds > 0 ? showFrames / showSeconds : 0,
          baselineSeconds > 0 ? baselineFrames / baselineSeconds : 0};
}

}  // namespace

int RunDrawBench(const char* platformName, WindowSystem& windows, SystemCalls& system,
                 Baseline& baseline, int argc, char** argv) {
  const double seconds = argc > 1 ? std::max(0.1, std::atof(argv[1])) : 0.4;
  const int only = argc > 2 ? std::atoi(argv[2]) : 0;  // a row number, 1 for the first
  for (size_t i = 0; i < kDrawRows.size(); ++i) {
    if (only > 0 && static_cast<size_t>(only) != i + 1) continue;
    const DrawRow& row = kDrawRows[i];
    const RowFigures figures = MeasureRow(row, windows, system, baseline, seconds);
    const double share = figures.baseline > 0 ? 100 * figures.show / figures.baseline : 0;
    std::printf("| Drawing, %s | mode %d, %d line%s, width %d | %.0f frames/s | %.0f frames/s "
                "| >= 95%% of baseline | %s (%.1f%%) |\n",
                platformName, row.mode, row.lines, row.lines == 1 ? "" : "s", row.width,
                figures.show, figures.baseline, share >= 95 ? "yes" : "no", share);
    std::fflush(stdout);
  }
  return 0;
}

}  // namespace quorex::bench
