#include "surface/win32/win32_saver_window.h"

#include <windowsx.h>

#include "surface/win32/win32_window_class.h"

#include <algorithm>

namespace quorex::win32 {
namespace {

constexpr char kClassName[] = "QuorexSaver";
constexpr UINT_PTR kExitTimer = 1;

COLORREF ToColorRef(int32_t color) { return static_cast<COLORREF>(color & 0xFFFFFF); }

int16_t ShiftState() {
  int16_t shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= 1;
  if (GetKeyState(VK_CONTROL) < 0) shift |= 2;
  if (GetKeyState(VK_MENU) < 0) shift |= 4;
  return shift;
}

}  // namespace

Win32SaverWindow::Win32SaverWindow(SaverWindowEvents& events, int& openWindows)
    : events_(events), openWindows_(openWindows) {
  RegisterWindowClass(kClassName, nullptr);
  width_ = GetSystemMetrics(SM_CXSCREEN);
  height_ = GetSystemMetrics(SM_CYSCREEN);
  hwnd_ = CreateWindowExA(WS_EX_TOPMOST, kClassName, "Form1", WS_POPUP, 0, 0, width_, height_,
                          nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
  ++openWindows_;

  HDC screen = GetDC(hwnd_);
  memory_ = CreateCompatibleDC(screen);
  bitmap_ = CreateCompatibleBitmap(screen, width_, height_);
  ReleaseDC(hwnd_, screen);
  oldBitmap_ = SelectObject(memory_, bitmap_);
  SelectObject(memory_, GetStockObject(NULL_BRUSH));
  SetCanvasSize(width_, height_);
  FillCanvas(GetBackgroundColor());
}

Win32SaverWindow::~Win32SaverWindow() {
  Destroy();
  SelectObject(memory_, oldBitmap_);
  DeleteObject(bitmap_);
  if (pen_) DeleteObject(pen_);
  DeleteDC(memory_);
}

void Win32SaverWindow::Show() {
  ShowWindow(hwnd_, SW_SHOWMAXIMIZED);
  SetForegroundWindow(hwnd_);
  SetFocus(hwnd_);
  Present();
}

void Win32SaverWindow::SetTimerEnabled(bool enabled) {
  if (!hwnd_) return;
  if (enabled) {
    SetTimer(hwnd_, kExitTimer, 1, nullptr);
  } else {
    KillTimer(hwnd_, kExitTimer);
  }
}

void Win32SaverWindow::Destroy() {
  if (!hwnd_) return;
  HWND closing = hwnd_;
  hwnd_ = nullptr;  // no event is raised from here on
  KillTimer(closing, kExitTimer);
  DestroyWindow(closing);
  --openWindows_;
}

void Win32SaverWindow::Present() {
  if (!hwnd_ || !dirty_) return;
  HDC screen = GetDC(hwnd_);
  BitBlt(screen, 0, 0, width_, height_, memory_, 0, 0, SRCCOPY);
  ReleaseDC(hwnd_, screen);
  dirty_ = false;
}

void Win32SaverWindow::FillCanvas(int32_t color) {
  HBRUSH brush = CreateSolidBrush(ToColorRef(color));
  RECT all{0, 0, width_, height_};
  FillRect(memory_, &all, brush);
  DeleteObject(brush);
  dirty_ = true;
  Present();  // "fills the whole drawing area at once"
}

void Win32SaverWindow::UsePen(int32_t color) {
  if (pen_ && color == penColor_ && PenWidth() == penWidth_) return;
  HPEN pen = CreatePen(PS_SOLID, PenWidth(), ToColorRef(color));
  SelectObject(memory_, pen);
  if (pen_) DeleteObject(pen_);
  pen_ = pen;
  penColor_ = color;
  penWidth_ = PenWidth();
}

void Win32SaverWindow::CanvasLine(PixelPoint from, PixelPoint to, int32_t color) {
  UsePen(color);
  MoveToEx(memory_, from.x, from.y, nullptr);
  LineTo(memory_, to.x, to.y);
  SetPixelV(memory_, to.x, to.y, ToColorRef(color));  // LineTo leaves out the last pixel
  dirty_ = true;
}

void Win32SaverWindow::CanvasBox(PixelPoint a, PixelPoint b, int32_t color) {
  UsePen(color);
  // Rectangle leaves out the right and bottom edges; one more pixel includes both corners.
  Rectangle(memory_, std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1,
            std::max(a.y, b.y) + 1);
  dirty_ = true;
}

void Win32SaverWindow::CanvasCircle(PixelPoint centre, int radius, int32_t color) {
  UsePen(color);
  Ellipse(memory_, centre.x - radius, centre.y - radius, centre.x + radius + 1,
          centre.y + radius + 1);
  dirty_ = true;
}

LRESULT CALLBACK Win32SaverWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  auto* window = reinterpret_cast<Win32SaverWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!window || window->hwnd_ != hwnd) return DefWindowProcA(hwnd, message, wParam, lParam);
  return window->Handle(message, wParam, lParam);
}

LRESULT Win32SaverWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_XBUTTONUP:
      events_.Form_Click();
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      events_.Form_KeyDown(static_cast<int16_t>(wParam & 0x7FFF), ShiftState());
      break;  // the default handling turns Alt+F4 into WM_CLOSE
    case WM_MOUSEMOVE: {
      float x = 0, y = 0;
      ToLogical(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), x, y);
      const auto buttons = static_cast<int16_t>(
          ((wParam & MK_LBUTTON) ? 1 : 0) | ((wParam & MK_RBUTTON) ? 2 : 0) |
          ((wParam & MK_MBUTTON) ? 4 : 0));
      events_.Form_MouseMove(buttons, ShiftState(), x, y);
      return 0;
    }
    case WM_TIMER:
      if (wParam == kExitTimer) events_.tmrExitNotify_Timer();
      return 0;
    case WM_CLOSE:
      events_.Form_CloseRequested();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) events_.Form_CloseRequested();
      return 0;
    case WM_SYSCOMMAND:
      // The system must not start another screen saver over this one.
      if ((wParam & 0xFFF0) == SC_SCREENSAVE) return 0;
      break;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC screen = BeginPaint(hwnd_, &paint);
      BitBlt(screen, 0, 0, width_, height_, memory_, 0, 0, SRCCOPY);
      EndPaint(hwnd_, &paint);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace quorex::win32
