// quorex.scr: the Windows entry.
#include <windows.h>

#include "app/program.h"
#include "surface/win32/win32_platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  quorex::win32::Win32Platform platform;
  quorex::RunProgram(platform.Get());
  return 0;
}
