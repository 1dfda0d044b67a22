#include "surface/pixel_surface.h"

#include <algorithm>
#include <cmath>

namespace quorex {
void PixelSurface::SetBackgroundColor(int32_t color) {
  background_ = color;
  FillCanvas(color);
}

void PixelSurface::SetPenWidth(int16_t pixels) { penWidth_ = std::max<int>(pixels, 1); }

void PixelSurface::SetScale(float x1, float y1, float x2, float y2) {
  left_ = x1;
  top_ = y1;
  right_ = x2;
  bottom_ = y2;
  SetCanvasSize(width_, height_);
}

void PixelSurface::SetCanvasSize(int width, int height) {
  width_ = std::max(width, 1);
  height_ = std::max(height, 1);
  const double spanX = static_cast<double>(right_) - left_;
  const double spanY = static_cast<double>(bottom_) - top_;
  scaleX_ = spanX != 0 ? width_ / spanX : 0;
  scaleY_ = spanY != 0 ? height_ / spanY : 0;
}

void PixelSurface::ToLogical(int px, int py, float& x, float& y) const {
  x = static_cast<float>(left_ + (scaleX_ != 0 ? (px + 0.5) / scaleX_ : 0));
  y = static_cast<float>(top_ + (scaleY_ != 0 ? (py + 0.5) / scaleY_ : 0));
}

void PixelSurface::DrawLine(int16_t options, float x1, float y1, float x2, float y2,
                            int32_t color) {
  if (!(options & FirstPointGiven)) {
    x1 = currentX_;
    y1 = currentY_;
  }
  if (!(options & ColorGiven)) color = foreground_;
  const PixelPoint from = ToPixel(x1, y1);
  const PixelPoint to = ToPixel(x2, y2);
  if (options & Box) {
    CanvasBox(from, to, color);
  } else {
    CanvasLine(from, to, color);
  }
  currentX_ = x2;
  currentY_ = y2;
}

void PixelSurface::DrawCircle(float x, float y, float radius) {
  // A radius of 0 or less draws nothing.
  const double pixels = std::min(std::fabs(radius * scaleX_), kPixelLimit);
  if (!(radius > 0) || pixels < 0.5) return;
  CanvasCircle(ToPixel(x, y), static_cast<int>(std::lround(pixels)), foreground_);
}

}  // namespace quorex
