#include "app/program.h"

#include "saver/frm_quorex.h"
#include "surface/platform.h"

namespace quorex {

void RunProgram(Platform& platform) {
  frmQuorex saver(platform);
  saver.Form_Load();
  platform.windows.RunUntilNoWindows();
}

}  // namespace quorex
