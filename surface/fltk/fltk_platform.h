// The Linux platform on FLTK 1.3 and X11: an override-redirect full-screen saver window drawn
// into an offscreen pixmap, the setup dialog of FLTK widgets, a settings file under the XDG
// config folder, and the X screen saver suspended in place of the Windows activation switch.
//
// Implements: WindowSystem, SaverWindow (through PixelSurface), SetupWindow, SettingsStore,
// RandomSource, Clock, SystemCalls. Needs: an X display (DISPLAY). Turns SIGTERM, SIGINT and the
// loss of the X server into the saver window's close request.
#pragma once

#include <memory>
#include <string>

#include "surface/platform.h"

namespace quorex::fltk {

// The arguments joined by single blanks.
std::string ArgumentText(int argc, char** argv);

class FltkPlatform {
 public:
  explicit FltkPlatform(std::string argumentText);
  ~FltkPlatform();
  Platform& Get();

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace quorex::fltk
