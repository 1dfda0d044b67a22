// The setup dialog's window as the platform provides it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorex {

// What the dialog reports to its owner: user actions only.
class SetupWindowEvents {
 public:
  virtual ~SetupWindowEvents() = default;
  virtual void optAction_Click(int16_t index) = 0;  // the user selected an option
  virtual void cmdOK_Click() = 0;
};

// Created hidden from a DialogDescription. Lengths are twips.
class SetupWindow {
 public:
  virtual ~SetupWindow() = default;
  virtual double ScreenWidth() const = 0;
  virtual double ScreenHeight() const = 0;
  virtual double OuterWidth() const = 0;   // frame and title bar included
  virtual double OuterHeight() const = 0;
  virtual void Move(int32_t left, int32_t top) = 0;
  virtual std::string Text(std::string_view textBox) const = 0;
  virtual void SetText(std::string_view textBox, const std::string& text) = 0;
  // Checks option `index` of the control array and unchecks the others; raises no event.
  virtual void CheckOption(int16_t index) = 0;
  // Shows the dialog modally; returns once it has been closed, by Close() or by the user.
  virtual void ShowModal() = 0;
  virtual void Close() = 0;
};

}  // namespace quorex
