// The saver window as the platform provides it: a drawing surface with a close timer and events.
#pragma once

#include <cstdint>

#include "surface/drawing_surface.h"

namespace quorex {

// What the saver window reports to its owner. Input arrives only inside a yield.
class SaverWindowEvents {
 public:
  virtual ~SaverWindowEvents() = default;
  virtual void Form_Click() = 0;
  virtual void Form_KeyDown(int16_t keyCode, int16_t shift) = 0;
  virtual void Form_MouseMove(int16_t button, int16_t shift, float x, float y) = 0;
  // Something outside the program (the system shutting down, a window manager) wants the
  // window closed. The owner decides how to close it.
  virtual void Form_CloseRequested() = 0;
  virtual void tmrExitNotify_Timer() = 0;
};

// Created hidden: borderless, maximised, top-most, light grey, timer disabled with 1 ms interval.
class SaverWindow : public DrawingSurface {
 public:
  virtual void SetTimerEnabled(bool enabled) = 0;
  // Destroys the window and its timer; afterwards no event arrives from it.
  virtual void Destroy() = 0;
};

}  // namespace quorex
