// The Win32 platform: GDI saver window with a backing bitmap, a dialog of real Windows
// controls, the registry as settings store, and the user32 calls.
//
// Implements: WindowSystem, SaverWindow (through PixelSurface), SetupWindow, SettingsStore,
// RandomSource, Clock, SystemCalls. Needs: a message loop only through DoEvents and
// RunUntilNoWindows. Leaves out: previews ("/P" draws nothing by design).
#pragma once

#include <memory>
#include <string>

#include "surface/platform.h"

namespace quorex::win32 {

// The argument text: the command line without the program's name and the blanks after it.
std::string ArgumentText(const char* commandLine);

class Win32Platform {
 public:
  Win32Platform();
  ~Win32Platform();
  Platform& Get();

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace quorex::win32
