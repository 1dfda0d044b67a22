#include "surface/win32/win32_window_class.h"

namespace quorex::win32 {

void RegisterWindowClass(const char* name, HBRUSH background) {
  WNDCLASSA windowClass{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), name, &windowClass)) return;
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  RegisterClassA(&windowClass);
}

}  // namespace quorex::win32
