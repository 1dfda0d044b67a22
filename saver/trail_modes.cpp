// Modes 5 and 6: a single object drifts and bounces inside the whole area; the screen shows
// its LineCount most recent positions, slot i erased and redrawn at step i of every frame.
//   5 "A drifting line, the screen is its cage"
//   6 "A drifting box, frenetically caged"
#include "app/number_conversions.h"
#include "saver/frm_quorex.h"

namespace quorex {

void frmQuorex::TrailStep(int32_t i, int16_t shape) {
  DrawingSurface& surface = *window_;
  const auto toSingle = [](int32_t value) { return static_cast<float>(value); };

  // Erase the slot's previous position in the background colour.
  surface.DrawLine(static_cast<int16_t>(FirstPointGiven | ColorGiven | shape), toSingle(X1(i)),
                   toSingle(Y1(i)), toSingle(X2(i)), toSingle(Y2(i)),
                   surface.GetBackgroundColor());

  // A bounce turns the coordinate back with a speed of 1 up to Speed + 1; every test sees the
  // position before this step's move and draws a random number only when it holds.
  const double speed = Speed;
  const double nearX = -static_cast<double>(HalfWidth), farX = HalfWidth;
  const double nearY = -static_cast<double>(HalfHeight), farY = HalfHeight;
  const auto atNearEdge = [&](double position, double edge, double& velocity) {
    if (position <= edge) velocity = speed * static_cast<double>(Rnd()) + 1;
  };
  const auto atFarEdge = [&](double position, double edge, double& velocity) {
    if (position >= edge) velocity = -(speed * static_cast<double>(Rnd()) + 1);
  };
  atNearEdge(PosX1, nearX, VX1(0));
  atNearEdge(PosX2, nearX, VX2(0));
  atNearEdge(PosY1, nearY, VY1(0));
  atNearEdge(PosY2, nearY, VY2(0));
  atFarEdge(PosX1, farX, VX1(0));
  atFarEdge(PosX2, farX, VX2(0));
  atFarEdge(PosY1, farY, VY1(0));
  atFarEdge(PosY2, farY, VY2(0));

  PosX1 += VX1(0);
  PosX2 += VX2(0);
  PosY1 += VY1(0);
  PosY2 += VY2(0);
  X1(i) = RoundToLong(PosX1);
  X2(i) = RoundToLong(PosX2);
  Y1(i) = RoundToLong(PosY1);
  Y2(i) = RoundToLong(PosY2);

  surface.DrawLine(static_cast<int16_t>(FirstPointGiven | shape), toSingle(X1(i)), toSingle(Y1(i)),
                   toSingle(X2(i)), toSingle(Y2(i)), 0);
}

}  // namespace quorex
