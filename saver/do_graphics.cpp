// One animation frame: the colour schedule, then every line moved, coloured and drawn.
#include "saver/frm_quorex.h"

namespace quorex {

void frmQuorex::DoGraphics() {
  RunColorSchedule();
  DrawingSurface& surface = *window_;
  const int32_t lines = LineCount;
  for (int32_t i = 1; i <= lines; ++i) {
    if (Action < 5) {
      MoveMirroredLine(i);
      surface.SetForegroundColor(LineColor(i));
    } else {
      surface.SetForegroundColor(LineColor(0));
    }
    switch (Action) {
      case 1: DrawMirroredCopies(FirstPointGiven, i); break;        // lines
      case 2: DrawMirroredCopies(FirstPointGiven | Box, i); break;  // boxes
      case 3: DrawMirroredCircles(i); break;
      case 4: DrawParallelogram(i); break;
      case 5: TrailStep(i, 0); break;    // a drifting line
      case 6: TrailStep(i, Box); break;  // a drifting box
      default: break;                    // no such mode: nothing is drawn
    }
  }
}

}  // namespace quorex
