// The drawing benchmark shared by the platforms: each row's show beside a baseline that issues
// the same primitives straight to the platform's drawing calls, in one run.
#pragma once

#include "bench/draw/canvas_recording.h"
#include "surface/platform.h"

namespace quorex::bench {

// A platform's own drawing with nothing of the program in between: a full-screen window with
// an offscreen canvas, presented and its events delivered once per frame, as the show does.
class Baseline {
 public:
  virtual ~Baseline() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Draws frame 0 untimed, then every later frame; returns the seconds those took.
  virtual double Replay(const RecordedFrames& frames) = 0;
};

// Prints one table row per setting. The arguments, both optional: the seconds each run lasts,
// and the number of the one row to measure.
int RunDrawBench(const char* platformName, WindowSystem& windows, SystemCalls& system,
                 Baseline& baseline, int argc, char** argv);

}  // namespace quorex::bench
