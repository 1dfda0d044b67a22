#include "bench/draw/draw_bench.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/draw/timed_show.h"

namespace quorex::bench {
namespace {

// Short runs of the two sides take turns, so that whatever else slows the machine falls on
// both alike. Each side's rate is all its frames over all its time; the share compares the
// two runs of each turn and takes the median turn, which a slow spell cannot move.
constexpr int kTurns = 25;

struct RowFigures {
  double show = 0;
  double baseline = 0;
  double share = 0;  // the show's rate over the baseline's
};

double Rate(double frames, double seconds) { return seconds > 0 ? frames / seconds : 0; }

RowFigures MeasureRow(const DrawRow& row, WindowSystem& windows, SystemCalls& system,
                      Baseline& baseline, double seconds) {
  double showFrames = 0, showSeconds = 0, baselineFrames = 0, baselineSeconds = 0;
  std::vector<double> shares;
  for (int turn = 0; turn < kTurns; ++turn) {
    const TimedFrames show = TimeShow(row, windows, system, seconds);
    const RecordedFrames frames =
        RecordFrames(row, baseline.Width(), baseline.Height(), show.frames);
    const double replayed = baseline.Replay(frames);
    const auto replayedFrames = static_cast<double>(frames.size() - 1);
    showFrames += static_cast<double>(show.frames - 1);
    showSeconds += show.seconds;
    baselineFrames += replayedFrames;
    baselineSeconds += replayed;
    const double baselineRate = Rate(replayedFrames, replayed);
    if (baselineRate > 0) shares.push_back(show.FramesPerSecond() / baselineRate);
  }
  RowFigures figures{Rate(showFrames, showSeconds), Rate(baselineFrames, baselineSeconds), 0};
  if (!shares.empty()) {
    std::nth_element(shares.begin(), shares.begin() + shares.size() / 2, shares.end());
    figures.share = shares[shares.size() / 2];
  }
  return figures;
}

}  // namespace

int RunDrawBench(const char* platformName, WindowSystem& windows, SystemCalls& system,
                 Baseline& baseline, int argc, char** argv) {
  const double seconds = argc > 1 ? std::max(0.1, std::atof(argv[1])) : 0.2;
  const int only = argc > 2 ? std::atoi(argv[2]) : 0;  // a row number, 1 for the first
  for (size_t i = 0; i < kDrawRows.size(); ++i) {
    if (only > 0 && static_cast<size_t>(only) != i + 1) continue;
    const DrawRow& row = kDrawRows[i];
    const RowFigures figures = MeasureRow(row, windows, system, baseline, seconds);
    const double share = 100 * figures.share;
    std::printf("| Drawing, %s | mode %d, %d line%s, width %d | %.0f frames/s | %.0f frames/s "
                "| >= 95%% of baseline | %s (%.1f%%) |\n",
                platformName, row.mode, row.lines, row.lines == 1 ? "" : "s", row.width,
                figures.show, figures.baseline, share >= 95 ? "yes" : "no", share);
    std::fflush(stdout);
  }
  return 0;
}

}  // namespace quorex::bench
