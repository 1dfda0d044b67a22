// Two simulated days of a show with 1000 lines: the clock crosses midnight twice.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "show_fixture.h"

namespace quorex {
namespace {

class Soak : public ShowFixture, public testing::WithParamInterface<int> {};

TEST_P(Soak, TwoDaysKeepMemoryBoundsAndChangingColours) {
  const int mode = GetParam();
  Store("Action", std::to_string(mode));
  Store("LineCount", "1000");
  tp.log.enabled = false;
  recordCalls = false;
  tp.clock.now = 80000.0f;
  tp.clock.step = 30.0f;  // every clock reading half a minute after the one before
  const int32_t lowest = mode < 5 ? -4 : -306, highest = mode < 5 ? 304 : 306;
  int outOfBounds = 0;
  int64_t drawsSoFar = 0;
  std::vector<int> changesPerDay(3, 0);
  int day = 0;
  float previousClock = tp.clock.now;
  size_t colorCapacity = 0;
  RunShow(1'000'000, [&](frmQuorex& s, int64_t frame) {
    if (tp.clock.now < previousClock) ++day;  // midnight passed
    previousClock = tp.clock.now;
    if (day == 2 && tp.clock.now > 80000.0f) s.Form_Click();  // two whole days have passed
    const int64_t draws = tp.random.draws - drawsSoFar;
    drawsSoFar = tp.random.draws;
    // A colour change draws a palette number, or three per line, plus one for the interval.
    const int64_t colourDraws = mode < 5 ? 3001 : 2;
    if ((mode < 5 && draws >= colourDraws) || (mode >= 5 && draws % 2 == 0 && draws >= 2)) {
      ++changesPerDay[static_cast<size_t>(std::min(day, 2))];
    }
    if (frame % 50 == 0) {
      for (int32_t i = 1; i <= s.LineCount; ++i) {
        for (int32_t v : {s.X1(i), s.X2(i), s.Y1(i), s.Y2(i)}) {
          outOfBounds += v < lowest || v > highest;
        }
      }
    }
    if (frame == 1) colorCapacity = s.LineColor.Size();
    EXPECT_EQ(s.LineColor.Size(), colorCapacity);
  });
  EXPECT_EQ(day, 2) << "the clock crossed midnight twice";
  EXPECT_EQ(outOfBounds, 0);
  for (int d = 0; d < 3; ++d) EXPECT_GT(changesPerDay[static_cast<size_t>(d)], 10) << "day " << d;
  EXPECT_TRUE(tp.windows.saver->calls.empty()) << "nothing accumulates";
}

INSTANTIATE_TEST_SUITE_P(Modes, Soak, testing::Values(1, 6));

}  // namespace
}  // namespace quorex
