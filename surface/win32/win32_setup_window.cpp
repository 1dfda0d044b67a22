#include "surface/win32/win32_setup_window.h"

#include <string_view>

#include "surface/win32/win32_window_class.h"

namespace quorex::win32 {
namespace {

constexpr char kClassName[] = "QuorexSetup";
// Control ids start above IDOK and IDCANCEL, so Enter and Esc, which the dialog manager turns
// into those two, press nothing.
constexpr int kFirstControlId = 100;
constexpr int kOkId = 99;

constexpr DWORD kFrameStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME;
constexpr DWORD kFrameExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

}  // namespace

Win32SetupWindow::Win32SetupWindow(const DialogDescription& description,
                                   SetupWindowEvents& events)
    : events_(events) {
  RegisterWindowClass(kClassName, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  HDC screen = GetDC(nullptr);
  dpi_ = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  if (dpi_ <= 0) dpi_ = 96;

  RECT frame{0, 0, ToPixels(description.clientWidth), ToPixels(description.clientHeight)};
  AdjustWindowRectEx(&frame, kFrameStyle, FALSE, kFrameExStyle);
  const std::string caption(description.caption);
  hwnd_ = CreateWindowExA(kFrameExStyle, kClassName, caption.c_str(), kFrameStyle, 0, 0,
                          frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                          GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));

  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  font_ = CreateFontIndirectA(&metrics.lfMessageFont);
  CreateControls(description);
}

Win32SetupWindow::~Win32SetupWindow() {
  Close();
  if (font_) DeleteObject(font_);
}

// Controls are created in tab order, which is the order the dialog manager's Tab key follows.
void Win32SetupWindow::CreateControls(const DialogDescription& description) {
  std::vector<const ControlDescription*> byTab(description.controls.size());
  for (const auto& control : description.controls) {
    byTab.at(static_cast<size_t>(control.tabIndex)) = &control;
  }
  std::map<std::string_view, POINT> origins;  // frames' positions, for their children
  for (const auto& control : description.controls) {
    if (control.kind == ControlKind::Frame) origins[control.name] = {control.left, control.top};
  }
  options_.assign(6, nullptr);
  int id = kFirstControlId;
  bool firstOption = true;
  for (const ControlDescription* control : byTab) {
    const POINT origin = control->parent.empty() ? POINT{0, 0} : origins[control->parent];
    const char* windowClass = "BUTTON";
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD exStyle = 0;
    switch (control->kind) {
      case ControlKind::Frame: style |= BS_GROUPBOX | WS_GROUP; break;
      case ControlKind::OptionButton:
        style |= BS_AUTORADIOBUTTON;
        if (firstOption) style |= WS_GROUP | WS_TABSTOP;
        firstOption = false;
        break;
      case ControlKind::Label: windowClass = "STATIC"; style |= SS_LEFT | WS_GROUP; break;
      case ControlKind::TextBox:
        windowClass = "EDIT";
        style |= ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP;
        exStyle = WS_EX_CLIENTEDGE;
        break;
      case ControlKind::CommandButton: style |= BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP; break;
    }
    const int controlId = control->kind == ControlKind::CommandButton ? kOkId : id++;
    const std::string caption(control->caption);
    HWND child = CreateWindowExA(
        exStyle, windowClass, caption.c_str(), style, ToPixels(origin.x + control->left),
        ToPixels(origin.y + control->top), ToPixels(control->width), ToPixels(control->height),
        hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
        GetModuleHandleA(nullptr), nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    if (control->kind == ControlKind::TextBox) textBoxes_[std::string(control->name)] = child;
    if (control->kind == ControlKind::OptionButton) {
      options_.at(static_cast<size_t>(control->index)) = child;
    }
    if (control->kind == ControlKind::CommandButton) okButton_ = child;
  }
}

double Win32SetupWindow::ScreenWidth() const { return ToTwips(GetSystemMetrics(SM_CXSCREEN)); }
double Win32SetupWindow::ScreenHeight() const { return ToTwips(GetSystemMetrics(SM_CYSCREEN)); }

double Win32SetupWindow::OuterWidth() const {
  RECT outer{};
  GetWindowRect(hwnd_, &outer);
  return ToTwips(outer.right - outer.left);
}

double Win32SetupWindow::OuterHeight() const {
  RECT outer{};
  GetWindowRect(hwnd_, &outer);
  return ToTwips(outer.bottom - outer.top);
}

void Win32SetupWindow::Move(int32_t left, int32_t top) {
  SetWindowPos(hwnd_, nullptr, ToPixels(left), ToPixels(top), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string Win32SetupWindow::Text(std::string_view textBox) const {
  const auto found = textBoxes_.find(textBox);
  if (found == textBoxes_.end()) return {};
  const int length = GetWindowTextLengthA(found->second);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(found->second, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

void Win32SetupWindow::SetText(std::string_view textBox, const std::string& text) {
  const auto found = textBoxes_.find(textBox);
  if (found != textBoxes_.end()) SetWindowTextA(found->second, text.c_str());
}

void Win32SetupWindow::CheckOption(int16_t index) {
  for (size_t i = 0; i < options_.size(); ++i) {
    SendMessageA(options_[i], BM_SETCHECK, static_cast<int>(i) == index ? BST_CHECKED : BST_UNCHECKED,
                 0);
  }
}

void Win32SetupWindow::ShowModal() {
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  SetFocus(okButton_);
  MSG message;
  while (hwnd_ && GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (hwnd_ && IsDialogMessageA(hwnd_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void Win32SetupWindow::Close() {
  if (!hwnd_) return;
  HWND closing = hwnd_;
  hwnd_ = nullptr;
  DestroyWindow(closing);
}

LRESULT CALLBACK Win32SetupWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  auto* window = reinterpret_cast<Win32SetupWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!window || window->hwnd_ != hwnd) return DefWindowProcA(hwnd, message, wParam, lParam);
  return window->Handle(hwnd, message, wParam, lParam);
}

LRESULT Win32SetupWindow::Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (HIWORD(wParam) != BN_CLICKED) return 0;
      if (id == kOkId) {
        events_.cmdOK_Click();
      } else {
        for (size_t i = 0; i < options_.size(); ++i) {
          if (reinterpret_cast<HWND>(lParam) == options_[i] && lParam != 0) {
            events_.optAction_Click(static_cast<int16_t>(i));
          }
        }
      }
      return 0;  // IDOK and IDCANCEL (Enter, Esc) do nothing
    }
    case WM_CLOSE:
      Close();  // the title bar's close box: nothing is written
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

}  // namespace quorex::win32
