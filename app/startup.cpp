#include "app/startup.h"

#include "app/identity.h"
#include "saver/frm_quorex.h"
#include "setup/frm_qsetup.h"
#include "surface/platform.h"

namespace quorex {

std::string SwitchOf(std::string_view argumentText) {
  std::string result(argumentText.substr(0, 2));
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

void RunStartupSequence(frmQuorex& saver, Platform& platform) {
  // Off first, for every switch: the system must not start a saver over this one.
  platform.system.SystemParametersInfoA(kScreenSaveActive, 0, nullptr, 0);

  const std::string switchText = SwitchOf(platform.argumentText);
  if (switchText == "/P") {
    saver.Close();  // no preview
  } else if (switchText == "/C") {
    frmQsetup setup(platform);
    setup.ShowModal();
    saver.Close();
  } else if (switchText == "/A") {
    platform.windows.MsgBox("No password for this screen saver", OkOnly, identity::kTitle);
    saver.Close();
  } else if (switchText == "/S") {
    saver.RunShow();  // the exit handling closes the window later
  } else {
    saver.Close();
  }
}

}  // namespace quorex
