#include "surface/win32/win32_platform.h"

#include <windows.h>

#include "surface/win32/win32_saver_window.h"
#include "surface/win32/win32_services.h"
#include "surface/win32/win32_setup_window.h"

namespace quorex::win32 {
namespace {

class Win32WindowSystem final : public WindowSystem {
 public:
  std::unique_ptr<SaverWindow> CreateSaverWindow(SaverWindowEvents& events) override {
    auto window = std::make_unique<Win32SaverWindow>(events, openWindows_);
    saver_ = window.get();
    return window;
  }

  std::unique_ptr<SetupWindow> CreateSetupWindow(const DialogDescription& description,
                                                 SetupWindowEvents& events) override {
    return std::make_unique<Win32SetupWindow>(description, events);
  }

  // The frame's drawings reach the screen, then every pending message is delivered.
  void DoEvents() override {
    if (saver_) saver_->Present();
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) break;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }

  void RunUntilNoWindows() override {
    if (saver_) saver_->Present();
    MSG message;
    while (openWindows_ > 0 && GetMessageA(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }

  int32_t MsgBox(const std::string& text, int32_t style, const std::string& caption) override {
    return MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(),
                       static_cast<UINT>(style) | MB_SETFOREGROUND);
  }

 private:
  Win32SaverWindow* saver_ = nullptr;
  int openWindows_ = 0;
};

}  // namespace

std::string ArgumentText(const char* commandLine) {
  std::string_view text = commandLine ? commandLine : "";
  size_t at = 0;
  if (!text.empty() && text[0] == '"') {
    const size_t closing = text.find('"', 1);
    at = closing == std::string_view::npos ? text.size() : closing + 1;
  } else {
    while (at < text.size() && text[at] != ' ' && text[at] != '\t') ++at;
  }
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
  return std::string(text.substr(at));
}

struct Win32Platform::Parts {
  Win32WindowSystem windows;
  RegistrySettings settings;
  ClockRandom random;
  LocalClock clock;
  User32Calls system;
  Platform platform{windows, settings, random, clock, system, ArgumentText(GetCommandLineA())};
};

Win32Platform::Win32Platform() : parts_(std::make_unique<Parts>()) {}
Win32Platform::~Win32Platform() = default;
Platform& Win32Platform::Get() { return parts_->platform; }

}  // namespace quorex::win32
