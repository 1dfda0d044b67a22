#include "surface/fltk/fltk_saver_window.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>

namespace quorex::fltk {
namespace {

constexpr double kTimerInterval = 0.001;

int16_t ShiftState() {
  const int state = Fl::event_state();
  return static_cast<int16_t>(((state & FL_SHIFT) ? 1 : 0) | ((state & FL_CTRL) ? 2 : 0) |
                              ((state & FL_ALT) ? 4 : 0));
}

void SetColor(int32_t color) {
  fl_color(static_cast<uchar>(color & 0xFF), static_cast<uchar>((color >> 8) & 0xFF),
           static_cast<uchar>((color >> 16) & 0xFF));
}

}  // namespace

class FltkSaverWindow::Frame final : public Fl_Window {
 public:
  Frame(FltkSaverWindow& owner, int w, int h)
      : Fl_Window(0, 0, w, h, "Form1"), owner_(owner) {}

  void draw() override {
    if (owner_.offscreen_) fl_copy_offscreen(0, 0, w(), h(), owner_.offscreen_, 0, 0);
  }

  int handle(int event) override {
    SaverWindowEvents& events = owner_.events_;
    switch (event) {
      case FL_PUSH:
      case FL_ENTER:  // its coordinates may be stale; ReportPointer gives the opening position
      case FL_FOCUS:
      case FL_UNFOCUS:
        return 1;  // wanted, so that releases, moves and keys follow
      case FL_RELEASE:
        events.Form_Click();
        return 1;
      case FL_KEYDOWN:
      case FL_SHORTCUT:
        events.Form_KeyDown(static_cast<int16_t>(Fl::event_key() & 0x7FFF), ShiftState());
        return 1;
      case FL_MOVE:
      case FL_DRAG: {
        float x = 0, y = 0;
        owner_.ToLogical(Fl::event_x(), Fl::event_y(), x, y);
        events.Form_MouseMove(static_cast<int16_t>((Fl::event_buttons() >> 24) & 7), ShiftState(),
                              x, y);
        return 1;
      }
      default:
        return Fl_Window::handle(event);
    }
  }

 private:
  FltkSaverWindow& owner_;
};

FltkSaverWindow::FltkSaverWindow(SaverWindowEvents& events, bool& open)
    : events_(events), open_(open) {
  fl_open_display();
  int x = 0, y = 0;
  Fl::screen_xywh(x, y, width_, height_, 0);
  window_ = new Frame(*this, width_, height_);
  window_->position(x, y);
  window_->border(0);
  window_->clear_border();
  window_->set_override();  // above every other window, with or without a window manager
  window_->color(fl_rgb_color(192, 192, 192));
  window_->end();
  window_->callback([](Fl_Widget*, void* self) {
    // The window manager's close: the owner decides how to close.
    static_cast<FltkSaverWindow*>(self)->events_.Form_CloseRequested();
  }, this);
  SetCanvasSize(width_, height_);
  open_ = true;
}

FltkSaverWindow::~FltkSaverWindow() { Destroy(); }

void FltkSaverWindow::Show() {
  window_->show();
  // FLTK names no override-redirect window; tools that look for the saver find it by its title.
  XStoreName(fl_display, fl_xid(window_), "Form1");
  Fl::flush();
  offscreen_ = fl_create_offscreen(width_, height_);
  FillCanvas(GetBackgroundColor());
  Fl::grab(window_);  // keys and buttons come to the show wherever the focus was
  window_->take_focus();
  Present();
  // As on Windows, a window opening under the pointer reports where it rests, in the first
  // yield; X sends no motion for a pointer that has not moved.
  Fl::add_timeout(0.0, &ReportPointer, this);
}

void FltkSaverWindow::ReportPointer(void* self) {
  auto* window = static_cast<FltkSaverWindow*>(self);
  if (!window->window_) return;
  int x = 0, y = 0;
  Fl::get_mouse(x, y);
  float logicalX = 0, logicalY = 0;
  window->ToLogical(x - window->window_->x_root(), y - window->window_->y_root(), logicalX,
                    logicalY);
  window->events_.Form_MouseMove(0, 0, logicalX, logicalY);
}

void FltkSaverWindow::SetTimerEnabled(bool enabled) {
  if (enabled == timer_ || !window_) return;
  timer_ = enabled;
  if (enabled) {
    Fl::add_timeout(kTimerInterval, &Tick, this);
  } else {
    Fl::remove_timeout(&Tick, this);
  }
}

void FltkSaverWindow::Tick(void* self) {
  auto* window = static_cast<FltkSaverWindow*>(self);
  if (!window->timer_) return;
  Fl::repeat_timeout(kTimerInterval, &Tick, self);
  window->events_.tmrExitNotify_Timer();
}

void FltkSaverWindow::Destroy() {
  if (!window_) return;
  Fl::remove_timeout(&ReportPointer, this);
  SetTimerEnabled(false);
  EndDrawing();
  if (Fl::grab() == window_) Fl::grab(nullptr);
  window_->hide();
  Fl::delete_widget(window_);  // deleted once no event handler of it is running
  window_ = nullptr;
  if (offscreen_) fl_delete_offscreen(offscreen_);
  offscreen_ = 0;
  open_ = false;
}

void FltkSaverWindow::SetPointerVisible(bool visible) {
  if (window_) window_->cursor(visible ? FL_CURSOR_DEFAULT : FL_CURSOR_NONE);
}

void FltkSaverWindow::Present() {
  if (!window_) return;
  EndDrawing();
  window_->damage(FL_DAMAGE_ALL);
}

bool FltkSaverWindow::BeginDrawing(int32_t color) {
  if (!offscreen_) return false;
  if (!drawing_) {
    window_->make_current();
    // What fl_begin_offscreen does, kept open across calls until the frame's yield.
    drawable_ = fl_window;
    fl_window = offscreen_;
    surface_ = Fl_Surface_Device::surface();
    Fl_Display_Device::display_device()->set_current();
    fl_push_no_clip();
    drawing_ = true;
    color_ = -1;
    lineWidth_ = -1;
  }
  if (color != color_) SetColor(color);
  color_ = color;
  // Width 0 is X's fast one-pixel line; wider pens get round caps so that short segments show.
  const int width = PenWidth() > 1 ? PenWidth() : 0;
  if (width != lineWidth_) fl_line_style(width ? FL_SOLID | FL_CAP_ROUND : FL_SOLID, width);
  lineWidth_ = width;
  return true;
}

void FltkSaverWindow::EndDrawing() {
  if (!drawing_) return;
  fl_pop_clip();
  fl_window = drawable_;
  surface_->set_current();
  drawing_ = false;
}

void FltkSaverWindow::FillCanvas(int32_t color) {
  if (!BeginDrawing(color)) return;
  fl_rectf(0, 0, width_, height_);
}

void FltkSaverWindow::CanvasLine(PixelPoint from, PixelPoint to, int32_t color) {
  if (!BeginDrawing(color)) return;
  fl_line(from.x, from.y, to.x, to.y);
}

void FltkSaverWindow::CanvasBox(PixelPoint a, PixelPoint b, int32_t color) {
  if (!BeginDrawing(color)) return;
  fl_rect(std::min(a.x, b.x), std::min(a.y, b.y), std::abs(a.x - b.x) + 1,
          std::abs(a.y - b.y) + 1);
}

void FltkSaverWindow::CanvasCircle(PixelPoint centre, int radius, int32_t color) {
  if (!BeginDrawing(color)) return;
  fl_arc(centre.x - radius, centre.y - radius, 2 * radius + 1, 2 * radius + 1, 0, 360);
}

}  // namespace quorex::fltk
