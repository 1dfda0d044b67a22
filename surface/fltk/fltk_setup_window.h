// The setup dialog of FLTK widgets, laid out from the core's description at the screen's DPI.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "surface/dialog_description.h"
#include "surface/setup_window.h"

class Fl_Button;
class Fl_Input;
class Fl_Round_Button;
class Fl_Window;

namespace quorex::fltk {

// Pixels per inch of the screen, for converting twips.
double ScreenDpi();

class FltkSetupWindow final : public SetupWindow {
 public:
  FltkSetupWindow(const DialogDescription& description, SetupWindowEvents& events);
  ~FltkSetupWindow() override;

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
  int ToPixels(double twips) const;
  double ToTwips(int pixels) const { return pixels * 1440.0 / dpi_; }
  void Build(const DialogDescription& description);

  SetupWindowEvents& events_;
  double dpi_;
  Fl_Window* window_ = nullptr;
  std::map<std::string, Fl_Input*, std::less<>> textBoxes_;
  std::vector<Fl_Round_Button*> options_;
  Fl_Button* ok_ = nullptr;
  std::vector<std::string> captions_;  // FLTK keeps label pointers
};

}  // namespace quorex::fltk
