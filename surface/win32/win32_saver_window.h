// The saver window on GDI: a top-most borderless window over the primary screen, drawn into a
// backing bitmap that is copied to the screen at every yield and on WM_PAINT.
#pragma once

#include <windows.h>

#include "surface/pixel_surface.h"

namespace quorex::win32 {

class Win32SaverWindow final : public PixelSurface {
 public:
  Win32SaverWindow(SaverWindowEvents& events, int& openWindows);
  ~Win32SaverWindow() override;

  void Show() override;
  void SetTimerEnabled(bool enabled) override;
  void Destroy() override;

  void Present();  // copies what was drawn since the last yield to the screen
  HWND Handle() const { return hwnd_; }

 protected:
  void FillCanvas(int32_t color) override;
  void CanvasLine(PixelPoint from, PixelPoint to, int32_t color) override;
  void CanvasBox(PixelPoint corner1, PixelPoint corner2, int32_t color) override;
  void CanvasCircle(PixelPoint centre, int radius, int32_t color) override;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void UsePen(int32_t color);

  SaverWindowEvents& events_;
  int& openWindows_;
  HWND hwnd_ = nullptr;
  HDC memory_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  HPEN pen_ = nullptr;
  int32_t penColor_ = -1;
  int penWidth_ = 0;
  int width_ = 0, height_ = 0;
  bool dirty_ = false;
};

}  // namespace quorex::win32
