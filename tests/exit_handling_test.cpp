#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "show_fixture.h"

namespace quorex {
namespace {

using test::InputEvent;

struct MouseCase {
  std::string name;
  std::vector<std::pair<float, float>> moves;  // one per yield, from the first
  bool ends;
  std::pair<int32_t, int32_t> reference;
};

class MouseRule : public ShowFixture, public testing::WithParamInterface<MouseCase> {};

TEST_P(MouseRule, RecordsTheFirstPositionAndEndsOnAWholeUnitChange) {
  const MouseCase& c = GetParam();
  for (size_t i = 0; i < c.moves.size(); ++i) {
    tp.windows.At(static_cast<int64_t>(i + 1), InputEvent::Mouse(c.moves[i].first, c.moves[i].second));
  }
  tp.windows.maxYields = 200;  // a show that does not end is closed from outside here
  RunShow(1000);
  EXPECT_EQ(saver->ExitRequested == True && !tp.windows.yieldLimitHit, c.ends) << c.name;
  EXPECT_EQ(std::make_pair(saver->LastMouseX, saver->LastMouseY), c.reference) << c.name;
  if (c.ends) {
    EXPECT_EQ(frameEnds.size(), c.moves.size() + 1) << "ends after the last move";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Moves, MouseRule,
    testing::Values(
        MouseCase{"first move only records", {{120.4f, -33.6f}}, false, {120, -34}},
        MouseCase{"same unit again", {{120.4f, -33.6f}, {119.6f, -34.4f}}, false, {120, -34}},
        MouseCase{"a unit across ends", {{10, 10}, {11, 10}}, true, {10, 10}},
        MouseCase{"a unit down ends", {{10, 10}, {10, 9}}, true, {10, 10}},
        MouseCase{"first at the centre is recorded again", {{0.4f, -0.3f}, {7, 8}, {7, 8}}, false,
                  {7, 8}},
        MouseCase{"(0, 5) is a reference", {{0, 5}, {1, 5}}, true, {0, 5}},
        MouseCase{"2.5 is 2", {{2.5f, 3}, {2.0f, 3}}, false, {2, 3}},
        MouseCase{"3.5 is 4", {{3.5f, 3}, {4.0f, 3}, {3.0f, 3}}, true, {4, 3}},
        MouseCase{"sub-unit move", {{50, 50}, {50.3f, 49.7f}, {49.6f, 50.4f}}, false, {50, 50}}),
    [](const auto& testCase) {
      std::string name = testCase.param.name;
      for (char& ch : name) {
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
      }
      return name;
    });

using ExitHandling = ShowFixture;

TEST_F(ExitHandling, ClickAndKeyEndTheShowWhateverTheReference) {
  for (auto input : {InputEvent::Click(), InputEvent::Key()}) {
    test::TestPlatform run;
    run.windows.At(1, InputEvent::Mouse(0, 0));
    run.windows.At(2, input);
    run.Run("/S");
    EXPECT_EQ(run.LogLines("DoEvents").size(), 3u) << "two frames, then the tick";
    EXPECT_TRUE(run.system.screenSaverActive);
  }
}

TEST_F(ExitHandling, TheWindowClosesOnTheFirstTickAfterTheLoadEvent) {
  RunShow(4);
  const auto& log = tp.log.lines;
  const auto enabled = std::find(log.begin(), log.end(), "SetTimerEnabled(true)");
  const auto loopStart = std::find(log.begin(), log.end(), "Event loop");
  const auto tick = std::find(log.begin(), log.end(), "Tick");
  ASSERT_NE(tick, log.end());
  EXPECT_LT(enabled, loopStart);
  EXPECT_LT(loopStart, tick) << "the tick comes only after the load event has ended";
  EXPECT_EQ(tp.LogLines("Tick").size(), 1u);
  EXPECT_EQ(*(tick + 1), "SystemParametersInfoA(17, 1, 0, 0)");
  EXPECT_EQ(*(tick + 2), "Destroy");
}

TEST_F(ExitHandling, ACloseAfterTheLoopUnloadsOnceAndTheTickNeverComes) {
  tp.windows.At(3, InputEvent::Close());
  tp.windows.At(3, InputEvent::Close());
  RunShow(2);
  EXPECT_EQ(tp.LogLines("SystemParametersInfoA(17, 1").size(), 1u);
  EXPECT_TRUE(tp.LogLines("Tick").empty());
}

}  // namespace
}  // namespace quorex
