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
  // Held once: every store through one of them could otherwise be taken to move the arrays.
  int32_t& x1 = X1(i);
  int32_t& x2 = X2(i);
  int32_t& y1 = Y1(i);
  int32_t& y2 = Y2(i);
  double& vx1 = VX1(i);
  double& vx2 = VX2(i);
  double& vy1 = VY1(i);
  double& vy2 = VY2(i);
  // A wall test draws a random number only when it holds; the order fixes which draw goes where.
  const auto atLowerWall = [&](int32_t position, double& velocity) {
    if (position <= 0) velocity = speed * static_cast<double>(Rnd());
  };
  const auto atUpperWall = [&](int32_t position, int32_t wall, double& velocity) {
    if (position >= wall) velocity = -speed * static_cast<double>(Rnd());
  };
  atLowerWall(x1, vx1);
  atLowerWall(x2, vx2);
  atLowerWall(y1, vy1);
  atLowerWall(y2, vy2);
  atUpperWall(x1, HalfWidth, vx1);
  atUpperWall(x2, HalfWidth, vx2);
  atUpperWall(y1, HalfHeight, vy1);
  atUpperWall(y2, HalfHeight, vy2);

  x1 = RoundToLong(x1 + vx1);
  x2 = RoundToLong(x2 + vx2);
  y1 = RoundToLong(y1 + vy1);
  y2 = RoundToLong(y2 + vy2);
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
