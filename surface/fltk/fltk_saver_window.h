// The saver window on FLTK: borderless, override-redirect over the whole screen, holding the
// keyboard and pointer while it is shown; drawings go to an offscreen pixmap copied to the
// window at every yield, so the picture survives being covered.
#pragma once

#include <FL/Fl_Window.H>
#include <FL/Fl_Device.H>
#include <FL/x.H>

#include "surface/pixel_surface.h"

namespace quorex::fltk {

class FltkSaverWindow final : public PixelSurface {
 public:
  FltkSaverWindow(SaverWindowEvents& events, bool& open);
  ~FltkSaverWindow() override;

  void Show() override;
  void SetTimerEnabled(bool enabled) override;
  void Destroy() override;

  void Present();  // ends this frame's offscreen drawing and schedules the copy to the screen
  void SetPointerVisible(bool visible);
  SaverWindowEvents& Events() { return events_; }

 protected:
  void FillCanvas(int32_t color) override;
  void CanvasLine(PixelPoint from, PixelPoint to, int32_t color) override;
  void CanvasBox(PixelPoint corner1, PixelPoint corner2, int32_t color) override;
  void CanvasCircle(PixelPoint centre, int radius, int32_t color) override;

 private:
  class Frame;
  bool BeginDrawing(int32_t color);
  void EndDrawing();
  static void Tick(void* self);
  static void ReportPointer(void* self);

  SaverWindowEvents& events_;
  bool& open_;
  Frame* window_ = nullptr;
  Fl_Offscreen offscreen_ = 0;
  int width_ = 0, height_ = 0;
  bool drawing_ = false;
  ::Window drawable_ = 0;                 // what FLTK drew on before the offscreen pixmap
  Fl_Surface_Device* surface_ = nullptr;
  int32_t color_ = -1;
  int lineWidth_ = -1;
  bool timer_ = false;
};

}  // namespace quorex::fltk
