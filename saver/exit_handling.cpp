// The end of the show: input raises a flag, the close timer closes the window, the unload
// switches screen-saver activation back on. Input handlers never close a window themselves.
#include "app/number_conversions.h"
#include "saver/frm_quorex.h"
#include "surface/platform.h"

namespace quorex {

void frmQuorex::Form_Click() { ExitRequested = True; }

void frmQuorex::Form_KeyDown(int16_t /*keyCode*/, int16_t /*shift*/) { ExitRequested = True; }

// The first position only becomes the reference (the pointer may rest where the window opened
// under it); any later position that differs in whole logical units ends the show. (0, 0)
// means no reference yet, so a first position at the centre is recorded again.
void frmQuorex::Form_MouseMove(int16_t /*button*/, int16_t /*shift*/, float x, float y) {
  const int32_t xi = RoundToLong(x);
  const int32_t yi = RoundToLong(y);
  if (LastMouseX == 0 && LastMouseY == 0) {
    LastMouseX = xi;
    LastMouseY = yi;
  } else if (xi != LastMouseX || yi != LastMouseY) {
    ExitRequested = True;
  }
}

void frmQuorex::Form_Unload(int16_t& /*cancel*/) {
  platform_.system.SystemParametersInfoA(kScreenSaveActive, 1, nullptr, 0);
}

void frmQuorex::tmrExitNotify_Timer() { Close(); }

// A close from outside ends a running frame loop after this yield, like input does, and
// closes the window now: the system may not wait for a timer tick.
void frmQuorex::Form_CloseRequested() {
  ExitRequested = True;
  Close();
}

void frmQuorex::Close() {
  if (!open_) return;
  open_ = false;
  int16_t cancel = 0;
  Form_Unload(cancel);
  window_->Destroy();
}

}  // namespace quorex
