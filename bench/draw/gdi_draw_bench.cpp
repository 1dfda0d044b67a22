// The drawing benchmark on GDI: the show on the Windows platform beside the same primitives
// drawn with GDI's own calls into a memory bitmap, copied to a full-screen window.
//   gdi_draw_bench [SECONDS-PER-RUN [ROW]]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "bench/draw/draw_bench.h"
#include "surface/win32/win32_platform.h"

namespace quorex::bench {
namespace {

constexpr char kClassName[] = "QuorexBaseline";

COLORREF ToColorRef(int32_t color) { return static_cast<COLORREF>(color & 0xFFFFFF); }

class GdiBaseline final : public Baseline {
 public:
  GdiBaseline() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
    width_ = GetSystemMetrics(SM_CXSCREEN);
    height_ = GetSystemMetrics(SM_CYSCREEN);
  }
  int Width() const override { return width_; }
  int Height() const override { return height_; }

  double Replay(const RecordedFrames& frames) override {
    window_ = CreateWindowExA(WS_EX_TOPMOST, kClassName, "Baseline", WS_POPUP, 0, 0, width_,
                              height_, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window_, SW_SHOWMAXIMIZED);
    HDC screen = GetDC(window_);
    memory_ = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width_, height_);
    ReleaseDC(window_, screen);
    HGDIOBJ oldBitmap = SelectObject(memory_, bitmap);
    SelectObject(memory_, GetStockObject(NULL_BRUSH));

    Frame(frames.front());
    const auto start = std::chrono::steady_clock::now();
    for (size_t i = 1; i < frames.size(); ++i) Frame(frames[i]);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    SelectObject(memory_, oldBitmap);
    DeleteObject(bitmap);
    if (pen_) DeleteObject(pen_);
    pen_ = nullptr;
    DeleteDC(memory_);
    DestroyWindow(window_);
    return elapsed.count();
  }

 private:
  // What a show's frame and yield do, straight on GDI and the message queue.
  void Frame(const std::vector<CanvasOp>& ops) {
    for (const CanvasOp& op : ops) Draw(op);
    HDC screen = GetDC(window_);
    BitBlt(screen, 0, 0, width_, height_, memory_, 0, 0, SRCCOPY);
    ReleaseDC(window_, screen);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }

  void UsePen(const CanvasOp& op) {
    if (pen_ && op.color == penColor_ && op.penWidth == penWidth_) return;
    HPEN pen = CreatePen(PS_SOLID, op.penWidth, ToColorRef(op.color));
    SelectObject(memory_, pen);
    if (pen_) DeleteObject(pen_);
    pen_ = pen;
    penColor_ = op.color;
    penWidth_ = op.penWidth;
  }

  void Draw(const CanvasOp& op) {
    if (op.kind == CanvasOp::Kind::Fill) {
      HBRUSH brush = CreateSolidBrush(ToColorRef(op.color));
      RECT all{0, 0, width_, height_};
      FillRect(memory_, &all, brush);
      DeleteObject(brush);
      return;
    }
    UsePen(op);
    switch (op.kind) {
      case CanvasOp::Kind::Line:
        MoveToEx(memory_, op.a.x, op.a.y, nullptr);
        LineTo(memory_, op.b.x, op.b.y);
        SetPixelV(memory_, op.b.x, op.b.y, ToColorRef(op.color));
        break;
      case CanvasOp::Kind::Box:
        Rectangle(memory_, std::min(op.a.x, op.b.x), std::min(op.a.y, op.b.y),
                  std::max(op.a.x, op.b.x) + 1, std::max(op.a.y, op.b.y) + 1);
        break;
      case CanvasOp::Kind::Circle:
        Ellipse(memory_, op.a.x - op.radius, op.a.y - op.radius, op.a.x + op.radius + 1,
                op.a.y + op.radius + 1);
        break;
      case CanvasOp::Kind::Fill: break;
    }
  }

  int width_ = 0, height_ = 0;
  HWND window_ = nullptr;
  HDC memory_ = nullptr;
  HPEN pen_ = nullptr;
  int32_t penColor_ = -1;
  int penWidth_ = -1;
};

}  // namespace
}  // namespace quorex::bench

int main(int argc, char** argv) {
  quorex::win32::Win32Platform platform;
  quorex::bench::GdiBaseline baseline;
  quorex::Platform& real = platform.Get();
  return quorex::bench::RunDrawBench("GDI under wine", real.windows, real.system, baseline, argc,
                                     argv);
}
