// The drawing benchmark on FLTK: the show on the Linux platform beside the same primitives
// drawn with FLTK's own calls into an offscreen pixmap, copied to a full-screen window.
//   fltk_draw_bench [SECONDS-PER-RUN [ROW]]
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "bench/draw/draw_bench.h"
#include "surface/fltk/fltk_platform.h"

namespace quorex::bench {
namespace {

class CopyingWindow final : public Fl_Window {
 public:
  CopyingWindow(int w, int h, Fl_Offscreen& offscreen)
      : Fl_Window(0, 0, w, h), offscreen_(offscreen) {}
  void draw() override { fl_copy_offscreen(0, 0, w(), h(), offscreen_, 0, 0); }

 private:
  Fl_Offscreen& offscreen_;
};

class FltkBaseline final : public Baseline {
 public:
  FltkBaseline() {
    int x = 0, y = 0;
    Fl::screen_xywh(x, y, width_, height_, 0);
  }
  int Width() const override { return width_; }
  int Height() const override { return height_; }

  double Replay(const RecordedFrames& frames) override {
    CopyingWindow window(width_, height_, offscreen_);
    window.border(0);
    window.set_override();
    window.end();
    window.show();
    Fl::flush();
    offscreen_ = fl_create_offscreen(width_, height_);
    Frame(window, frames.front());
    const auto start = std::chrono::steady_clock::now();
    for (size_t i = 1; i < frames.size(); ++i) Frame(window, frames[i]);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    window.hide();
    Fl::check();
    fl_delete_offscreen(offscreen_);
    offscreen_ = 0;
    return elapsed.count();
  }

 private:
  // What a show's frame and yield do, straight on FLTK and Xlib.
  void Frame(Fl_Window& window, const std::vector<CanvasOp>& ops) {
    fl_begin_offscreen(offscreen_);
    int32_t color = -1;
    int width = -1;
    for (const CanvasOp& op : ops) {
      if (op.color != color) {
        fl_color(static_cast<uchar>(op.color & 0xFF), static_cast<uchar>((op.color >> 8) & 0xFF),
                 static_cast<uchar>((op.color >> 16) & 0xFF));
        color = op.color;
      }
      const int pen = op.penWidth > 1 ? op.penWidth : 0;
      if (pen != width) {
        fl_line_style(pen ? FL_SOLID | FL_CAP_ROUND : FL_SOLID, pen);
        width = pen;
      }
      Draw(op);
    }
    fl_end_offscreen();
    window.damage(FL_DAMAGE_ALL);
    Fl::flush();
    XSync(fl_display, False);
    Fl::check();
  }

  void Draw(const CanvasOp& op) const {
    switch (op.kind) {
      case CanvasOp::Kind::Fill: fl_rectf(0, 0, width_, height_); break;
      case CanvasOp::Kind::Line: fl_line(op.a.x, op.a.y, op.b.x, op.b.y); break;
      case CanvasOp::Kind::Box:
        fl_rect(std::min(op.a.x, op.b.x), std::min(op.a.y, op.b.y), std::abs(op.a.x - op.b.x) + 1,
                std::abs(op.a.y - op.b.y) + 1);
        break;
      case CanvasOp::Kind::Circle:
        fl_arc(op.a.x - op.radius, op.a.y - op.radius, 2 * op.radius + 1, 2 * op.radius + 1, 0,
               360);
        break;
    }
  }

  int width_ = 0, height_ = 0;
  Fl_Offscreen offscreen_ = 0;
};

}  // namespace
}  // namespace quorex::bench

int main(int argc, char** argv) {
  quorex::fltk::FltkPlatform platform("/S");
  quorex::bench::FltkBaseline baseline;
  quorex::Platform& real = platform.Get();
  return quorex::bench::RunDrawBench("FLTK on Xvfb", real.windows, real.system, baseline, argc,
                                     argv);
}
