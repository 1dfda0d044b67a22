// The show itself on a real platform, timed from its first yield for about `seconds`.
#pragma once

#include <cstdint>

#include "bench/draw/draw_rows.h"
#include "surface/platform.h"

namespace quorex::bench {

struct TimedFrames {
  int64_t frames = 0;   // yields, the first one included
  double seconds = 0;   // from the end of the first frame to the end of the last
  double FramesPerSecond() const {
    return seconds > 0 ? static_cast<double>(frames - 1) / seconds : 0;
  }
};

// Runs "/S" with the row's settings, the benchmark's seed and clock, on the platform's windows
// and system calls.
TimedFrames TimeShow(const DrawRow& row, WindowSystem& windows, SystemCalls& system,
                     double seconds);

}  // namespace quorex::bench
