#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "show_fixture.h"

namespace quorex {
namespace {

using test::InputEvent;

using ShowOrder = ShowFixture;

TEST_F(ShowOrder, PreparesInOrderThenLoopsThenClosesOnTheFirstTick) {
  RunShow(2);
  const std::vector<std::string> expected = {
      "SystemParametersInfoA(17, 0, 0, 0)",
      "Randomize",
      "Show",
      "Read Quorex/Options/Action",
      "Read Quorex/Options/LineCount",
      "Read Quorex/Options/LineWidth",
      "SetBackgroundColor(0)",
      "SetPenWidth(1)",
      "SetScale(-300, -300, 300, 300)",
      "ShowCursor(0)",
      "DoEvents",
      "DoEvents",
      "Click",
      "ShowCursor(-1)",
      "SetTimerEnabled(true)",
      "DoEvents",  // after the load event has ended
      "Tick",
      "SystemParametersInfoA(17, 1, 0, 0)",
      "Destroy",
  };
  std::vector<std::string> log = tp.log.lines;
  std::erase(log, "Event loop");
  std::erase(log, "No windows");
  EXPECT_EQ(log, expected);
  EXPECT_EQ(tp.system.lowestCursorCount, -1) << "the pointer is hidden during the show";
  EXPECT_EQ(tp.system.cursorCount, 0);
}

TEST_F(ShowOrder, TheSettingsShapeTheSurfaceAndTheWindowTurnsBlackAfterShow) {
  Store("LineWidth", "7");
  RunShow(1);
  const auto& log = tp.log.lines;
  const auto show = std::find(log.begin(), log.end(), "Show");
  const auto black = std::find(log.begin(), log.end(), "SetBackgroundColor(0)");
  EXPECT_LT(show, black) << "light grey between Show and the background colour";
  EXPECT_EQ(tp.LogLines("SetPenWidth"), std::vector<std::string>{"SetPenWidth(7)"});
}

struct SizeCase {
  std::string action, lineCount;
  int32_t colors, coordinates, velocityLower, velocityUpper;
};

class ArraySizes : public ShowFixture, public testing::WithParamInterface<SizeCase> {};

TEST_P(ArraySizes, FollowTheModeAndTheLineCount) {
  const SizeCase& c = GetParam();
  Store("Action", c.action);
  Store("LineCount", c.lineCount);
  RunShow(1);
  EXPECT_EQ(saver->LineColor.Lower(), 0);
  EXPECT_EQ(static_cast<int32_t>(saver->LineColor.Size()), c.colors);
  for (const auto* coordinate : {&saver->X1, &saver->X2, &saver->Y1, &saver->Y2}) {
    EXPECT_EQ(static_cast<int32_t>(coordinate->Size()), c.coordinates);
    if (coordinate->Size() > 0) {
      EXPECT_EQ(coordinate->Lower(), 1);
    }
  }
  for (const auto* velocity : {&saver->VX1, &saver->VX2, &saver->VY1, &saver->VY2}) {
    EXPECT_EQ(velocity->Lower(), c.velocityLower);
    EXPECT_EQ(velocity->Upper(), c.velocityUpper);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ArraySizes,
    testing::Values(SizeCase{"1", "1", 2, 1, 1, 1}, SizeCase{"4", "1000", 1001, 1000, 1, 1000},
                    SizeCase{"0", "3", 4, 3, 1, 3}, SizeCase{"5", "1", 2, 1, 0, 0},
                    SizeCase{"6", "1000", 1001, 1000, 0, 0}, SizeCase{"9", "2", 3, 2, 0, 0}));

TEST_F(ShowOrder, TrailModesStartWithFourRandomVelocitiesInOrder) {
  Store("Action", "5");
  tp.random.Script({0.5f, 0.25f, 0.0f, 0.999f});
  RunShow(1);
  // Read back after one frame: the start values are what the first frame moved by.
  EXPECT_DOUBLE_EQ(saver->PosX1, 2.5);
  EXPECT_DOUBLE_EQ(saver->PosX2, 1.25);
  EXPECT_DOUBLE_EQ(saver->PosY1, 0.0);
  EXPECT_DOUBLE_EQ(saver->PosY2, static_cast<double>(0.999f) * 5);
}

TEST_F(ShowOrder, MirroredModesStartAtRestAndDrawEachVelocityAtTheLowerWall) {
  Store("Action", "2");
  Store("LineCount", "3");
  bool checked = false;
  RunShow(1, [&](frmQuorex& s, int64_t) {
    checked = true;
    for (int32_t i = 1; i <= 3; ++i) {
      for (double v : {s.VX1(i), s.VX2(i), s.VY1(i), s.VY2(i)}) {
        EXPECT_GE(v, 0.0);
        EXPECT_LT(v, 5.0);
      }
    }
  });
  EXPECT_TRUE(checked);
  EXPECT_EQ(tp.random.draws, 3 * 3 + 1 + 3 * 4) << "colours, the interval, four per line";
}

struct FrameCountCase {
  int64_t inputYield;
  InputEvent input;
  int64_t framesDrawn;
};

class FrameLoop : public ShowFixture, public testing::WithParamInterface<FrameCountCase> {};

TEST_P(FrameLoop, EndsAfterTheYieldThatDeliveredTheInput) {
  const FrameCountCase& c = GetParam();
  tp.windows.At(c.inputYield, c.input);
  RunShow(1000);
  // One line: one foreground colour per frame.
  int64_t frames = 0;
  for (const auto& call : tp.windows.saver->calls) {
    frames += call.op == test::SurfaceCall::Op::SetForegroundColor;
  }
  EXPECT_EQ(frames, c.framesDrawn);
  EXPECT_FALSE(tp.windows.saver->drawnAfterDestroy);
  EXPECT_EQ(tp.LogLines("SystemParametersInfoA(17, 1").size(), 1u);
  EXPECT_TRUE(tp.system.screenSaverActive);
  EXPECT_EQ(tp.system.cursorCount, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, FrameLoop,
    testing::Values(FrameCountCase{1, InputEvent::Click(), 1},  // at least one frame
                    FrameCountCase{3, InputEvent::Key(), 3},
                    FrameCountCase{5, InputEvent::Close(), 5},  // closed from outside
                    FrameCountCase{1, InputEvent::Close(), 1}));

TEST_F(ShowOrder, AnExternalCloseUnloadsAtOnceAndStartsNoTimer) {
  tp.windows.At(2, InputEvent::Close());
  RunShow(50);
  EXPECT_TRUE(tp.LogLines("SetTimerEnabled").empty());
  EXPECT_TRUE(tp.LogLines("Tick").empty());
  EXPECT_EQ(tp.LogLines("Destroy").size(), 1u);
  EXPECT_EQ(tp.system.cursorCount, 0) << "the pointer is shown again";
}

TEST_F(ShowOrder, InputAfterTheLoopChangesNothingBeforeTheTick) {
  tp.windows.At(3, InputEvent::Mouse(10, 10));
  tp.windows.At(3, InputEvent::Key());
  RunShow(2);
  // Yield 3 is the event loop's first pass: the input arrives, then the tick closes.
  const auto& log = tp.log.lines;
  const auto key = std::find(log.begin(), log.end(), "KeyDown");
  const auto tick = std::find(log.begin(), log.end(), "Tick");
  EXPECT_LT(key, tick);
  EXPECT_EQ(tp.LogLines("Tick").size(), 1u);
  EXPECT_EQ(tp.LogLines("SetForegroundColor").size(), 0u);  // drawing calls are not logged
  EXPECT_EQ(frameEnds.size(), 3u);
  EXPECT_EQ(frameEnds[2], frameEnds[1]) << "no frame is drawn after the loop";
}

struct StoredCase {
  std::string action, lineCount, lineWidth;
  int32_t expectedCount;
  int16_t expectedPen;
};

class StoredValuesOutOfRange : public ShowFixture,
                               public testing::WithParamInterface<StoredCase> {};

TEST_P(StoredValuesOutOfRange, RunWithoutFailingAndEndOnInput) {
  const StoredCase& c = GetParam();
  Store("Action", c.action);
  Store("LineCount", c.lineCount);
  Store("LineWidth", c.lineWidth);
  RunShow(3);
  EXPECT_EQ(saver->LineCount, c.expectedCount);
  EXPECT_EQ(tp.LogLines("SetPenWidth"),
            std::vector<std::string>{"SetPenWidth(" + std::to_string(c.expectedPen) + ")"});
  EXPECT_TRUE(tp.system.screenSaverActive);
  EXPECT_EQ(tp.system.cursorCount, 0);
  EXPECT_TRUE(tp.windows.saver->destroyed);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StoredValuesOutOfRange,
    testing::Values(StoredCase{"1", "0", "0", 0, 1}, StoredCase{"5", "-7", "-3", 0, 1},
                    StoredCase{"6", "abc", "40000", 0, 32767},
                    StoredCase{"0", "1e400", "1", 1, 1},
                    StoredCase{"7", std::string(400, '9'), std::string(400, '9'), 10000, 32767},
                    StoredCase{"-3", "99999999999", "2.5", 10000, 2},
                    StoredCase{std::string(400, '9'), "12abc", " 7", 12, 7},
                    StoredCase{"3", " 7", "100.5", 7, 100}));

}  // namespace
}  // namespace quorex
