// The pixel primitives a show issues, recorded frame by frame, so that a baseline can issue
// exactly the same ones straight to a platform's drawing calls.
#pragma once

#include <cstdint>
#include <vector>

#include "bench/draw/draw_rows.h"
#include "surface/pixel_surface.h"

namespace quorex::bench {

struct CanvasOp {
  enum class Kind : uint8_t { Fill, Line, Box, Circle } kind;
  int16_t penWidth;
  int32_t color;
  PixelPoint a;  // Line: from; Box: a corner; Circle: the centre
  PixelPoint b;  // Line: to; Box: the opposite corner
  int radius;
};

// The operations drawn before each yield; element 0 also holds the show's opening fill.
using RecordedFrames = std::vector<std::vector<CanvasOp>>;

// Runs the show of `row` on a canvas of the given size with the benchmark's fixed seed and
// clock, for `frames` yields.
RecordedFrames RecordFrames(const DrawRow& row, int width, int height, int64_t frames);

}  // namespace quorex::bench
