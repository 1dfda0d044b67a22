// The saver window's graphics: the drawing operations the animation relies on.
#pragma once

#include <cstdint>

namespace quorex {

// DrawLine options; they add up.
enum DrawLineOption : int16_t {
  ColorGiven = 2,       // without it the foreground colour is used
  FirstPointGiven = 4,  // without it the segment starts at the current point
  Box = 16,             // outline of the axis-parallel rectangle with the two points as corners
};

// Colours are RGB values: red in bits 0-7, green 8-15, blue 16-23. Coordinates are logical units.
class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  virtual void Show() = 0;  // not modal; returns at once
  virtual void SetBackgroundColor(int32_t color) = 0;  // fills the whole drawing area
  virtual int32_t GetBackgroundColor() const = 0;
  virtual void SetForegroundColor(int32_t color) = 0;
  virtual void SetPenWidth(int16_t pixels) = 0;
  // (x1, y1) becomes the top-left corner, (x2, y2) the bottom-right; the axes are independent.
  virtual void SetScale(float x1, float y1, float x2, float y2) = 0;
  // Afterwards the current point is (x2, y2).
  virtual void DrawLine(int16_t options, float x1, float y1, float x2, float y2, int32_t color) = 0;
  // A true circle on screen; the radius is in logical x units.
  virtual void DrawCircle(float x, float y, float radius) = 0;
};

}  // namespace quorex
