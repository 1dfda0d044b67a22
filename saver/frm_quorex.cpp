#include "saver/frm_quorex.h"

#include "app/startup.h"
#include "surface/platform.h"

namespace quorex {

frmQuorex::frmQuorex(Platform& platform)
    : platform_(platform), window_(platform.windows.CreateSaverWindow(*this)) {}

void frmQuorex::Form_Load() { RunStartupSequence(*this, platform_); }

float frmQuorex::Rnd() { return platform_.random.Rnd(); }

}  // namespace quorex
