// The setup dialog of real Windows controls, laid out from the core's description: twips are
// converted to pixels at the screen's DPI.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "surface/dialog_description.h"
#include "surface/setup_window.h"

namespace quorex::win32 {

class Win32SetupWindow final : public SetupWindow {
 public:
  Win32SetupWindow(const DialogDescription& description, SetupWindowEvents& events);
  ~Win32SetupWindow() override;

  double ScreenWidth() const override;
  double ScreenHeight() const override;
  double OuterWidth() const override;
  double OuterHeight() const override;
  void Move(int32_t left, int32_t top) override;
  std::string Text(std::string_view textBox) const override;
  void SetText(std::string_view textBox, const std::string& text) override;
  void CheckOption(int16_t index) override;
  void ShowModal() override;
  void Close() override;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls(const DialogDescription& description);
  int ToPixels(double twips) const { return MulDiv(static_cast<int>(twips), dpi_, 1440); }
  double ToTwips(int pixels) const { return pixels * 1440.0 / dpi_; }

  SetupWindowEvents& events_;
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  int dpi_ = 96;
  std::map<std::string, HWND, std::less<>> textBoxes_;
  std::vector<HWND> options_;
  HWND okButton_ = nullptr;
};

}  // namespace quorex::win32
