// The drawing operations of the saver window, mapped once onto a platform's pixel canvas.
// A platform implements only the five canvas primitives; option decoding, the current
// point, colours and the logical-to-pixel mapping live here for every platform alike.
#pragma once

#include <cstdint>

#include "surface/saver_window.h"

namespace quorex {

struct PixelPoint {
  int x;
  int y;
};

class PixelSurface : public SaverWindow {
 public:
  void SetBackgroundColor(int32_t color) override;
  int32_t GetBackgroundColor() const override { return background_; }
  void SetForegroundColor(int32_t color) override { foreground_ = color; }
  void SetPenWidth(int16_t pixels) override;
  void SetScale(float x1, float y1, float x2, float y2) override;
  void DrawLine(int16_t options, float x1, float y1, float x2, float y2, int32_t color) override;
  void DrawCircle(float x, float y, float radius) override;

  // The pixel a logical point falls on; far-away points saturate well outside the canvas.
  // Inline: every line drawn maps two points.
  PixelPoint ToPixel(float x, float y) const {
    return {ToPixelCoordinate((x - static_cast<double>(left_)) * scaleX_),
            ToPixelCoordinate((y - static_cast<double>(top_)) * scaleY_)};
  }
  // The logical point at the centre of a pixel, for mouse positions.
  void ToLogical(int px, int py, float& x, float& y) const;
  int PenWidth() const { return penWidth_; }

 protected:
  // Call when the canvas is created or changes size; keeps the logical scale.
  void SetCanvasSize(int width, int height);

  virtual void FillCanvas(int32_t color) = 0;
  virtual void CanvasLine(PixelPoint from, PixelPoint to, int32_t color) = 0;
  virtual void CanvasBox(PixelPoint corner1, PixelPoint corner2, int32_t color) = 0;
  virtual void CanvasCircle(PixelPoint centre, int radius, int32_t color) = 0;

 private:
  // Far beyond any screen, yet safe for 16-bit X11 coordinates after adding a pen width.
  static constexpr double kPixelLimit = 16000;

  static int ToPixelCoordinate(double value) {
    if (!(value > -kPixelLimit)) return static_cast<int>(-kPixelLimit);  // also NaN
    if (value > kPixelLimit) return static_cast<int>(kPixelLimit);
    // floor, without the library call it costs on processors without SSE4.1
    const int truncated = static_cast<int>(value);
    return value < truncated ? truncated - 1 : truncated;
  }

  int32_t background_ = 0xC0C0C0;  // light grey until the show sets black
  int32_t foreground_ = 0;
  int penWidth_ = 1;
  float currentX_ = 0, currentY_ = 0;
  float left_ = 0, top_ = 0, right_ = 1, bottom_ = 1;
  int width_ = 1, height_ = 1;
  double scaleX_ = 1, scaleY_ = 1;
};

}  // namespace quorex
