// Windows, event processing and message boxes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "surface/dialog_description.h"
#include "surface/saver_window.h"
#include "surface/setup_window.h"

namespace quorex {

// Message box styles used by the program.
enum MessageBoxStyle : int32_t { OkOnly = 0, Exclamation = 48 };

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  virtual std::unique_ptr<SaverWindow> CreateSaverWindow(SaverWindowEvents& events) = 0;
  virtual std::unique_ptr<SetupWindow> CreateSetupWindow(const DialogDescription& description,
                                                         SetupWindowEvents& events) = 0;
  // Delivers every pending event to its handler and returns without waiting.
  virtual void DoEvents() = 0;
  // Processes events until no window of the program is left.
  virtual void RunUntilNoWindows() = 0;
  // Modal; returns when dismissed.
  virtual int32_t MsgBox(const std::string& text, int32_t style, const std::string& caption) = 0;
};

}  // namespace quorex
