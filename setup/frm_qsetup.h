// The setup dialog: shows the three settings, checks the two numbers, and is their only writer.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "surface/setup_window.h"

namespace quorex {

struct Platform;

class frmQsetup final : public SetupWindowEvents {
 public:
  explicit frmQsetup(Platform& platform);

  // Loads the dialog (its load step), shows it modally and returns once it has closed.
  void ShowModal();

  // Events.
  void Form_Load();
  void optAction_Click(int16_t index) override;
  void cmdOK_Click() override;

  std::string ActionText;  // the mode to be written under "Action": "1" to "6"

 private:
  void SelectOption(int16_t index);
  // True when the box's value is in range; otherwise shows `message` and returns false.
  bool CheckRange(std::string_view textBox, double lowest, double highest, const char* message);

  Platform& platform_;
  std::unique_ptr<SetupWindow> window_;
};

}  // namespace quorex
