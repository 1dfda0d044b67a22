#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "show_fixture.h"
#include "surface/colors.h"

namespace quorex {
namespace {

// Mode 7 draws nothing and moves nothing, so every random draw of a frame is the schedule's:
// one for the palette colour and one for the next interval.
class ColorSchedule : public ShowFixture {
 protected:
  void SetUp() override {
    Store("Action", "7");
    tp.clock.now = 1000.0f;
  }
  // Frames in which the colours changed, judged by the draws each frame made.
  std::vector<int64_t> ChangeFrames(int frames, const BetweenFrames& between = {}) {
    std::vector<int64_t> changes;
    int64_t drawsBefore = 4;  // the four start velocities
    RunShow(frames, [&](frmQuorex& s, int64_t frame) {
      if (tp.random.draws - drawsBefore == 2) changes.push_back(frame);
      EXPECT_TRUE(tp.random.draws - drawsBefore == 0 || tp.random.draws - drawsBefore == 2)
          << "at most one change per frame";
      drawsBefore = tp.random.draws;
      if (between) between(s, frame);
    });
    return changes;
  }
};

TEST_F(ColorSchedule, TheFirstFrameChoosesColoursBeforeDrawing) {
  Store("Action", "1");
  tp.random.Script({0.5f, 0.25f, 0.999f, 0.0f, 0, 0, 0, 0});
  RunShow(1);
  ASSERT_FALSE(FrameCalls(1).empty());
  EXPECT_EQ(FrameCalls(1)[0], "SetForegroundColor(" + std::to_string(RGB(128, 64, 255)) + ")");
}

TEST_F(ColorSchedule, AClockOfExactlyZeroKeepsTheFirstFrameBlack) {
  Store("Action", "1");
  tp.clock.now = 0.0f;
  tp.random.Script({0, 0, 0, 0, 0.5f, 0.5f, 0.5f, 0.0f});
  RunShow(2, [&](frmQuorex&, int64_t) { tp.clock.now = 0.01f; });
  EXPECT_EQ(FrameCalls(1)[0], "SetForegroundColor(0)");
  EXPECT_EQ(FrameCalls(2)[0], "SetForegroundColor(" + std::to_string(RGB(128, 128, 128)) + ")");
}

TEST_F(ColorSchedule, TheComparisonIsStrictInSinglePrecision) {
  tp.random.Script({0, 0, 0, 0, 0.5f, 0.5f});  // velocities, palette, interval of 5 * 0.5
  const auto changes = ChangeFrames(3, [&](frmQuorex& s, int64_t frame) {
    if (frame == 1) {
      EXPECT_DOUBLE_EQ(s.NextColorTime, 1000.0 + 1 * 0.5 + 0.3) << "one line: k is 1";
      tp.clock.now = static_cast<float>(s.NextColorTime);  // equal in single precision
    } else {
      tp.clock.now = std::nextafter(tp.clock.now, 2000.0f);
    }
  });
  EXPECT_EQ(changes, (std::vector<int64_t>{1, 3}));
}

struct IntervalCase {
  std::string lineCount;
  float r;
  float clock;
  double expected;  // NextColorTime
};

class ColorIntervals : public ColorSchedule, public testing::WithParamInterface<IntervalCase> {};

TEST_P(ColorIntervals, FollowTheLineCountUpToFive) {
  const IntervalCase& c = GetParam();
  Store("LineCount", c.lineCount);
  tp.clock.now = c.clock;
  tp.random.Script({0, 0, 0, 0, 0, c.r});
  RunShow(1);
  EXPECT_EQ(saver->NextColorTime, c.expected) << "LineCount " << c.lineCount;
  const double interval = saver->NextColorTime - c.clock;
  EXPECT_GE(interval, 0.3 - 0.01);
  EXPECT_LT(interval, std::min(std::stoi(c.lineCount), 5) + 0.3);
}

// With five lines or more the partial sum is a Single: 86000 + 5 * 0.123456 loses digits.
constexpr float kR = 0.123456f;
INSTANTIATE_TEST_SUITE_P(
    Counts, ColorIntervals,
    testing::Values(
        IntervalCase{"1", 0.0f, 1000.0f, 1000.3},
        IntervalCase{"1", 0.999f, 1000.0f, 1000.0 + static_cast<double>(0.999f) + 0.3},
        IntervalCase{"2", kR, 86000.0f, 86000.0 + 2 * static_cast<double>(kR) + 0.3},
        IntervalCase{"5", kR, 86000.0f, static_cast<double>(86000.0f + 5.0f * kR) + 0.3},
        IntervalCase{"1000", 0.999f, 86000.0f, static_cast<double>(86000.0f + 5.0f * 0.999f) + 0.3}));

TEST_F(ColorSchedule, SlowFramesChangeColoursAtMostOncePerFrame) {
  tp.clock.step = 40.0f;  // every clock reading is 40 seconds later than the one before
  const auto changes = ChangeFrames(5);
  EXPECT_EQ(changes, (std::vector<int64_t>{1, 2, 3, 4, 5}));
}

TEST_F(ColorSchedule, ResumesAfterMidnight) {
  tp.clock.now = 86399.5f;
  tp.random.Script({0, 0, 0, 0, 0.5f, 0.999f});  // the first due time lies past midnight
  const auto changes = ChangeFrames(4, [&](frmQuorex& s, int64_t frame) {
    if (frame == 1) {
      EXPECT_GT(s.NextColorTime, 86400.0);
    }
    if (frame == 2) tp.clock.now = 0.25f;  // midnight has passed
    if (frame == 3) tp.clock.now = 0.5f;   // and the new due time is still ahead
  });
  EXPECT_EQ(changes, (std::vector<int64_t>{1, 3}));
}

TEST_F(ColorSchedule, LineColoursRoundEachSingleProductAndNeverCarry) {
  Store("Action", "1");
  Store("LineCount", "3");
  tp.random.Script({255.5f / 256, 254.5f / 256, 0.999f,   // 256 -> 255, 254, 256 -> 255
                    0.5f / 256, 1.5f / 256, 0.0f,         // halves to even: 0, 2, 0
                    0.999f, 0.999f, 0.999f, 0.0f});
  RunShow(1);
  EXPECT_EQ(saver->LineColor(1), RGB(255, 254, 255));
  EXPECT_EQ(saver->LineColor(2), RGB(0, 2, 0));
  EXPECT_EQ(saver->LineColor(3), 0xFFFFFF);
  EXPECT_EQ(saver->LineColor(0), 0) << "mirrored modes leave element 0 alone";
}

struct PaletteCase {
  float r;
  int32_t color;
};

class PaletteColours : public ColorSchedule, public testing::WithParamInterface<PaletteCase> {};

TEST_P(PaletteColours, TrailModesTakeTheBrightHalfOfThePalette) {
  Store("Action", "5");
  Store("LineCount", "2");
  tp.random.Script({0, 0, 0, 0, GetParam().r, 0});
  RunShow(1);
  EXPECT_EQ(saver->LineColor(0), GetParam().color);
  EXPECT_EQ(saver->LineColor(1), 0);
  EXPECT_EQ(saver->LineColor(2), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Draws, PaletteColours,
    testing::Values(PaletteCase{0.0f, 0x808080}, PaletteCase{0.125f, 0xFF0000},
                    PaletteCase{0.3f, 0x00FF00}, PaletteCase{0.4f, 0xFFFF00},
                    PaletteCase{0.5f, 0x0000FF}, PaletteCase{0.7f, 0xFF00FF},
                    PaletteCase{0.8f, 0x00FFFF}, PaletteCase{std::nextafter(1.0f, 0.0f), 0xFFFFFF}));

}  // namespace
}  // namespace quorex
