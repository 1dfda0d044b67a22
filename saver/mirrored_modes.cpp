// Modes 1 to 4. Each line lives in the quarter where both coordinates are at least 0; every
// coordinate bounces between 0 and the half size at its own speed. Nothing is ever erased.
//   1 "Drifting lines, mirrored in each corner"
//   2 "Drifting boxes, mirrored in each corner"
//   3 "Circles, mirrored in each corner"
//   4 "Parallelograms, twisting and turning"
#include "app/number_conversions.h"
#include "saver/frm_quorex.h"

namespace quorex {

void frmQuorex::MoveMirroredLine(int32_t i) {
  const double speed = Speed;
  // A wall test draws a random number only when it holds; the order fixes which draw goes where.
  const auto atLowerWall = [&](int32_t position, double& velocity) {
    if (position <= 0) velocity = speed * static_cast<double>(Rnd());
  };
  const auto atUpperWall = [&](int32_t position, int32_t wall, double& velocity) {
    if (position >= wall) velocity = -speed * static_cast<double>(Rnd());
  };
  atLowerWall(X1(i), VX1(i));
  atLowerWall(X2(i), VX2(i));
  atLowerWall(Y1(i), VY1(i));
  atLowerWall(Y2(i), VY2(i));
  atUpperWall(X1(i), HalfWidth, VX1(i));
  atUpperWall(X2(i), HalfWidth, VX2(i));
  atUpperWall(Y1(i), HalfHeight, VY1(i));
  atUpperWall(Y2(i), HalfHeight, VY2(i));

  X1(i) = RoundToLong(X1(i) + VX1(i));
  X2(i) = RoundToLong(X2(i) + VX2(i));
  Y1(i) = RoundToLong(Y1(i) + VY1(i));
  Y2(i) = RoundToLong(Y2(i) + VY2(i));
}

// Modes 1 and 2: the line (or box) itself, its point reflection through the centre, and its
// reflections across the vertical and the horizontal axis.
void frmQuorex::DrawMirroredCopies(int16_t options, int32_t i) {
  DrawingSurface& surface = *window_;
  const auto x1 = static_cast<float>(X1(i)), y1 = static_cast<float>(Y1(i));
  const auto x2 = static_cast<float>(X2(i)), y2 = static_cast<float>(Y2(i));
  surface.DrawLine(options, x1, y1, x2, y2, 0);
  surface.DrawLine(options, -x1, -y1, -x2, -y2, 0);
  surface.DrawLine(options, -x1, y1, -x2, y2, 0);
  surface.DrawLine(options, x1, -y1, x2, -y2, 0);
}

// Mode 3: the second x is the radius, requested even when it is 0 or below; the second y
// moves but is not drawn.
void frmQuorex::DrawMirroredCircles(int32_t i) {
  DrawingSurface& surface = *window_;
  const auto x = static_cast<float>(X1(i)), y = static_cast<float>(Y1(i));
  const auto radius = static_cast<float>(X2(i));
  surface.DrawCircle(x, y, radius);
  surface.DrawCircle(-x, -y, radius);
  surface.DrawCircle(-x, y, radius);
  surface.DrawCircle(x, -y, radius);
}

// Mode 4: corners P, R, -P, -R joined from the current point, ending where it began.
void frmQuorex::DrawParallelogram(int32_t i) {
  DrawingSurface& surface = *window_;
  const auto x1 = static_cast<float>(X1(i)), y1 = static_cast<float>(Y1(i));
  const auto x2 = static_cast<float>(X2(i)), y2 = static_cast<float>(Y2(i));
  surface.DrawLine(FirstPointGiven, x1, y1, x2, -y2, 0);
  surface.DrawLine(0, 0, 0, -x1, -y1, 0);
  surface.DrawLine(0, 0, 0, -x2, y2, 0);
  surface.DrawLine(0, 0, 0, x1, y1, 0);
}

}  // namespace quorex
