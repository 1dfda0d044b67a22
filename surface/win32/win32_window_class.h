// Registers a window class of this program: its icon, the arrow cursor, DefWindowProc until the
// window installs its own procedure. Registering a name twice does nothing.
#pragma once

#include <windows.h>

namespace quorex::win32 {

void RegisterWindowClass(const char* name, HBRUSH background);

}  // namespace quorex::win32
