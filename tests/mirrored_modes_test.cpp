#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "show_fixture.h"

namespace quorex {
namespace {

using Strings = std::vector<std::string>;

std::string Line(int options, int x1, int y1, int x2, int y2) {
  return "DrawLine(" + std::to_string(options) + ", " + std::to_string(x1) + ", " +
         std::to_string(y1) + ", " + std::to_string(x2) + ", " + std::to_string(y2) + ", 0)";
}
std::string Circle(int x, int y, int r) {
  return "DrawCircle(" + std::to_string(x) + ", " + std::to_string(y) + ", " + std::to_string(r) +
         ")";
}

// The drawing step of each mirrored mode for a line (x1, y1)-(x2, y2).
Strings Expected(int mode, int x1, int y1, int x2, int y2) {
  switch (mode) {
    case 1:
    case 2: {
      const int o = mode == 1 ? 4 : 20;
      return {Line(o, x1, y1, x2, y2), Line(o, -x1, -y1, -x2, -y2), Line(o, -x1, y1, -x2, y2),
              Line(o, x1, -y1, x2, -y2)};
    }
    case 3:
      return {Circle(x1, y1, x2), Circle(-x1, -y1, x2), Circle(-x1, y1, x2), Circle(x1, -y1, x2)};
    default:
      return {Line(4, x1, y1, x2, -y2), Line(0, 0, 0, -x1, -y1), Line(0, 0, 0, -x2, y2),
              Line(0, 0, 0, x1, y1)};
  }
}

Strings WithColor(int32_t color, Strings calls) {
  calls.insert(calls.begin(), "SetForegroundColor(" + std::to_string(color) + ")");
  return calls;
}

class MirroredModes : public ShowFixture, public testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    Store("Action", std::to_string(GetParam()));
    // Colours 0, 0, 0 and the interval; then the four lower walls of the first frame.
    tp.random.Script({0, 0, 0, 0.5f, 0.2f, 0.4f, 0.6f, 0.8f});
  }
};

TEST_P(MirroredModes, DrawFourMirroredCopiesEveryFrameAndMoveOnAtConstantSpeed) {
  const int mode = GetParam();
  int64_t drawsAfterFirstFrame = 0;
  RunShow(3, [&](frmQuorex&, int64_t frame) {
    if (frame == 1) drawsAfterFirstFrame = tp.random.draws;
  });
  EXPECT_EQ(FrameCalls(1), WithColor(0, Expected(mode, 1, 3, 2, 4)));
  EXPECT_EQ(FrameCalls(2), WithColor(0, Expected(mode, 2, 6, 4, 8)));
  EXPECT_EQ(FrameCalls(3), WithColor(0, Expected(mode, 3, 9, 6, 12)));
  EXPECT_EQ(tp.random.draws, drawsAfterFirstFrame) << "between the walls nothing is drawn";
  EXPECT_FALSE(tp.random.scriptRanOut);
}

INSTANTIATE_TEST_SUITE_P(Modes, MirroredModes, testing::Values(1, 2, 3, 4));

class MirroredWalls : public ShowFixture {
 protected:
  void SetUp() override { tp.random.Script({0, 0, 0, 0.5f, 0.2f, 0.4f, 0.6f, 0.8f}); }
};

TEST_F(MirroredWalls, LowerWallsAreTestedBeforeUpperWallsEachDrawingOnlyWhenItHolds) {
  std::vector<float> script = {0, 0, 0, 0.5f, 0.2f, 0.4f, 0.6f, 0.8f, 0.5f, 0.25f};
  tp.random.Script(script);
  RunShow(2, [&](frmQuorex& s, int64_t frame) {
    if (frame != 1) return;
    s.X2(1) = 300;  // exactly at the upper wall
    s.Y1(1) = 0;    // exactly at the lower wall
  });
  // Y1 takes the first draw (lower walls first): 0 + 2.5 rounds to 2; X2: 300 - 1.25 -> 299.
  EXPECT_DOUBLE_EQ(saver->VY1(1), 2.5);
  EXPECT_DOUBLE_EQ(saver->VX2(1), -1.25);
  EXPECT_EQ(FrameCalls(2), WithColor(0, Expected(1, 2, 2, 299, 8)));
  EXPECT_EQ(tp.random.draws, 10);
}

TEST_F(MirroredWalls, AVelocityThatRoundsToNoMovementStaysAtTheWallAndDrawsAgain) {
  tp.random.Script({0, 0, 0, 0.5f, 0.08f, 0.4f, 0.6f, 0.8f, 0.08f, 0.6f});
  RunShow(3);
  // 0.4 leaves X1 at 0 twice; the third draw, 3.0, moves it.
  EXPECT_EQ(FrameCalls(1)[1], Line(4, 0, 3, 2, 4));
  EXPECT_EQ(FrameCalls(2)[1], Line(4, 0, 6, 4, 8));
  EXPECT_EQ(FrameCalls(3)[1], Line(4, 3, 9, 6, 12));
  EXPECT_EQ(tp.random.draws, 10);
}

TEST_F(MirroredWalls, AStepPastTheLowerWallIsDrawnThereAndTurnedNextFrame) {
  tp.random.Script({0, 0, 0, 0.5f, 0.2f, 0.4f, 0.6f, 0.8f, 0.0f, 0.2f});
  RunShow(4, [&](frmQuorex& s, int64_t frame) {
    if (frame != 1) return;
    s.X1(1) = 2;
    s.VX1(1) = -4;
  });
  EXPECT_EQ(FrameCalls(2), WithColor(0, Expected(1, -2, 6, 4, 8)));
  // At -2 the next frame draws 0 (no movement), then 1.0.
  EXPECT_EQ(FrameCalls(3)[1], Line(4, -2, 9, 6, 12));
  EXPECT_EQ(FrameCalls(4)[1], Line(4, -1, 12, 8, 16));
}

TEST_F(MirroredWalls, CirclesAreRequestedAtRadiusZeroAndBelow) {
  Store("Action", "3");
  tp.random.Script({0, 0, 0, 0.5f, 0.2f, 0.0f, 0.6f, 0.8f, 0.0f, 0.0f});
  RunShow(3, [&](frmQuorex& s, int64_t frame) {
    if (frame == 2) s.X2(1) = -3;
  });
  EXPECT_EQ(FrameCalls(1), WithColor(0, Expected(3, 1, 3, 0, 4)));
  EXPECT_EQ(FrameCalls(3), WithColor(0, Expected(3, 3, 9, -3, 12)));
}

// Long seeded runs: every coordinate stays within the overshoot bounds, and between the walls
// moves on every frame.
class MirroredLongRun : public ShowFixture, public testing::WithParamInterface<uint64_t> {};

TEST_P(MirroredLongRun, KeepsCoordinatesInBoundsAndNeverRestsBetweenWalls) {
  constexpr int kLines = 8;
  Store("LineCount", std::to_string(kLines));
  tp.random.Seed(GetParam());
  std::vector<int32_t> previous(4 * kLines, 0);
  int violations = 0;
  RunShow(20000, [&](frmQuorex& s, int64_t) {
    tp.windows.saver->calls.clear();
    frameEnds.clear();
    for (int32_t i = 1; i <= kLines; ++i) {
      const int32_t now[4] = {s.X1(i), s.X2(i), s.Y1(i), s.Y2(i)};
      for (int k = 0; k < 4; ++k) {
        int32_t& before = previous[static_cast<size_t>(4 * (i - 1) + k)];
        const bool outOfBounds = now[k] < -4 || now[k] > 304;
        const bool restedBetweenWalls = before > 0 && before < 300 && now[k] == before;
        if (outOfBounds || restedBetweenWalls) ++violations;
        before = now[k];
      }
    }
  });
  EXPECT_EQ(violations, 0) << "seed " << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Seeds, MirroredLongRun, testing::Values(1u, 2u, 1234567u));

class ModesWithoutDrawing : public ShowFixture, public testing::WithParamInterface<int> {};

TEST_P(ModesWithoutDrawing, PassFramesWithoutDrawing) {
  Store("Action", std::to_string(GetParam()));
  Store("LineCount", "2");
  RunShow(50);
  for (const auto& call : tp.windows.saver->calls) {
    EXPECT_EQ(call.op, test::SurfaceCall::Op::SetForegroundColor) << call.ToString();
  }
  EXPECT_EQ(tp.windows.saver->calls.size(), 100u) << "one colour per line and frame";
  if (GetParam() < 5) {
    EXPECT_NE(saver->X1(1), 0) << "lines still move";
    EXPECT_NE(saver->LineColor(1), 0) << "and get their own colours";
  } else {
    EXPECT_NE(saver->LineColor(0), 0) << "palette colours";
  }
}

INSTANTIATE_TEST_SUITE_P(Actions, ModesWithoutDrawing, testing::Values(0, -2, 7, 100));

}  // namespace
}  // namespace quorex
