#include <map>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "show_fixture.h"
#include "surface/colors.h"

namespace quorex {
namespace {

using Strings = std::vector<std::string>;

std::string Line(int options, int x1, int y1, int x2, int y2, int32_t color = 0) {
  return "DrawLine(" + std::to_string(options) + ", " + std::to_string(x1) + ", " +
         std::to_string(y1) + ", " + std::to_string(x2) + ", " + std::to_string(y2) + ", " +
         std::to_string(color) + ")";
}

// One trail step: colour, erase the slot's old position, draw the new one.
Strings Step(int mode, int32_t color, std::array<int, 4> old, std::array<int, 4> now) {
  const int shape = mode == 6 ? 16 : 0;
  return {"SetForegroundColor(" + std::to_string(color) + ")",
          Line(6 + shape, old[0], old[1], old[2], old[3]),
          Line(4 + shape, now[0], now[1], now[2], now[3])};
}

Strings Join(std::initializer_list<Strings> parts) {
  Strings all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

class TrailModes : public ShowFixture, public testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    Store("Action", std::to_string(GetParam()));
    Store("LineCount", "2");
    // Start velocities 1, 2, 3, 4 (VX1, VX2, VY1, VY2); palette 12; the interval.
    tp.random.Script({0.2f, 0.4f, 0.6f, 0.8f, 0.5f, 0.5f});
  }
};

TEST_P(TrailModes, EraseEachSlotsOldPositionThenDrawTheNextStep) {
  const int mode = GetParam();
  RunShow(2);
  const int32_t red = QBColor(12);
  // Positions (x1, y1, x2, y2) advance by (1, 3, 2, 4) per step.
  EXPECT_EQ(FrameCalls(1), Join({Step(mode, red, {0, 0, 0, 0}, {1, 3, 2, 4}),
                                 Step(mode, red, {0, 0, 0, 0}, {2, 6, 4, 8})}));
  EXPECT_EQ(FrameCalls(2), Join({Step(mode, red, {1, 3, 2, 4}, {3, 9, 6, 12}),
                                 Step(mode, red, {2, 6, 4, 8}, {4, 12, 8, 16})}));
  EXPECT_EQ(tp.random.draws, 6) << "no edge was reached";
}

TEST_P(TrailModes, EdgesTurnTheCoordinateBackWithASpeedOfAtLeastOne) {
  tp.random.Script({0.2f, 0.4f, 0.6f, 0.8f, 0.5f, 0.5f, 0.0f, 0.5f});
  RunShow(2, [&](frmQuorex& s, int64_t frame) {
    if (frame != 1) return;
    s.PosX2 = 300;     // at the far edge
    s.PosY1 = -300.5;  // beyond the near edge
  });
  // Near edges come first: PosY1 takes 0 -> 1; then PosX2 takes 0.5 -> -(2.5 + 1).
  EXPECT_DOUBLE_EQ(saver->VY1(0), 1.0);
  EXPECT_DOUBLE_EQ(saver->VX2(0), -3.5);
  EXPECT_EQ(tp.random.draws, 8);
}

INSTANTIATE_TEST_SUITE_P(Modes, TrailModes, testing::Values(5, 6));

struct RoundingCase {
  double position;
  int32_t stored;
};

class TrailRounding : public ShowFixture, public testing::WithParamInterface<RoundingCase> {};

TEST_P(TrailRounding, StoresPositionsHalvesToEven) {
  Store("Action", "5");
  RunShow(2, [&](frmQuorex& s, int64_t frame) {
    if (frame != 1) return;
    s.PosX1 = GetParam().position;
    s.VX1(0) = 0;
  });
  EXPECT_EQ(saver->X1(1), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Positions, TrailRounding,
                         testing::Values(RoundingCase{2.5, 2}, RoundingCase{3.5, 4},
                                         RoundingCase{-2.5, -2}, RoundingCase{-0.5, 0}));

// Replays the drawing calls as figures on a screen: a figure drawn in the background colour
// removes the figure it covers exactly. After every step from the second frame on the screen
// holds exactly LineCount figures, and every erase hits a figure that is there.
class TrailModel : public ShowFixture, public testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(TrailModel, ShowsExactlyLineCountPositionsAfterEveryStep) {
  const auto [mode, lines] = GetParam();
  Store("Action", std::to_string(mode));
  Store("LineCount", std::to_string(lines));
  tp.random.Seed(99);
  using Figure = std::tuple<float, float, float, float>;
  std::map<Figure, int> screen;
  int64_t frame = 1;
  int visible = 0, missedErases = 0, wrongCounts = 0, outOfBounds = 0;
  recordCalls = false;
  observer = [&](const test::SurfaceCall& call) {
    if (call.op != test::SurfaceCall::Op::DrawLine) return;
    const Figure figure{call.a, call.b, call.c, call.d};
    if (call.options & ColorGiven) {  // an erase
      auto found = screen.find(figure);
      if (found != screen.end()) {
        if (--found->second == 0) screen.erase(found);
        --visible;
      } else if (frame > 1) {
        ++missedErases;
      }
      return;
    }
    ++screen[figure];
    ++visible;
    for (float v : {call.a, call.b, call.c, call.d}) outOfBounds += v < -306 || v > 306;
    if (frame > 1 && visible != lines) ++wrongCounts;
  };
  RunShow(3000, [&](frmQuorex&, int64_t f) { frame = f + 1; });
  EXPECT_EQ(missedErases, 0) << "every erase covers the slot's previous position";
  EXPECT_EQ(wrongCounts, 0) << "exactly LineCount positions after every step";
  EXPECT_EQ(outOfBounds, 0) << "trail coordinates stay within -306 to 306";
  EXPECT_EQ(visible, lines);
}

INSTANTIATE_TEST_SUITE_P(Shapes, TrailModel,
                         testing::Combine(testing::Values(5, 6), testing::Values(1, 7, 100)));

using TrailStart = ShowFixture;

TEST_F(TrailStart, AStartVelocityOfZeroKeepsItsCoordinateAtZero) {
  Store("Action", "6");
  Store("LineCount", "3");
  tp.random.Script({0.7f, 0.0f, 0.9f, 0.3f});  // VX2 starts at exactly 0
  int nonZero = 0;
  recordCalls = false;
  observer = [&](const test::SurfaceCall& call) {
    if (call.op == test::SurfaceCall::Op::DrawLine && call.c != 0) ++nonZero;
  };
  RunShow(2000);
  EXPECT_EQ(nonZero, 0);
  EXPECT_NE(saver->PosX1, 0.0) << "the other coordinates move";
}

}  // namespace
}  // namespace quorex
