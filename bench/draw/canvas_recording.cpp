#include "bench/draw/canvas_recording.h"

#include <memory>

#include "app/program.h"
#include "bench/draw/bench_settings.h"

namespace quorex::bench {
namespace {

class RecordingCanvas final : public PixelSurface {
 public:
  RecordingCanvas(RecordedFrames& frames, int width, int height) : frames_(frames) {
    SetCanvasSize(width, height);
  }
  void Show() override {}
  void SetTimerEnabled(bool) override {}
  void Destroy() override {}

 protected:
  void FillCanvas(int32_t color) override { Add({CanvasOp::Kind::Fill, 1, color, {}, {}, 0}); }
  void CanvasLine(PixelPoint from, PixelPoint to, int32_t color) override {
    Add({CanvasOp::Kind::Line, Pen(), color, from, to, 0});
  }
  void CanvasBox(PixelPoint a, PixelPoint b, int32_t color) override {
    Add({CanvasOp::Kind::Box, Pen(), color, a, b, 0});
  }
  void CanvasCircle(PixelPoint centre, int radius, int32_t color) override {
    Add({CanvasOp::Kind::Circle, Pen(), color, centre, {}, radius});
  }

 private:
  int16_t Pen() const { return static_cast<int16_t>(PenWidth()); }
  void Add(const CanvasOp& op) { frames_.back().push_back(op); }
  RecordedFrames& frames_;
};

// Each yield closes a frame; the last one asks the show to end.
class RecordingWindows final : public WindowSystem {
 public:
  RecordingWindows(RecordedFrames& frames, int width, int height, int64_t wanted)
      : frames_(frames), width_(width), height_(height), wanted_(wanted) {}

  std::unique_ptr<SaverWindow> CreateSaverWindow(SaverWindowEvents& events) override {
    events_ = &events;
    frames_.assign(1, {});
    return std::make_unique<RecordingCanvas>(frames_, width_, height_);
  }
  std::unique_ptr<SetupWindow> CreateSetupWindow(const DialogDescription&,
                                                 SetupWindowEvents&) override {
    return nullptr;
  }
  void DoEvents() override {
    if (static_cast<int64_t>(frames_.size()) >= wanted_) {
      events_->Form_KeyDown(0, 0);
    } else {
      frames_.emplace_back();
    }
  }
  void RunUntilNoWindows() override {
    if (events_) events_->tmrExitNotify_Timer();
  }
  int32_t MsgBox(const std::string&, int32_t, const std::string&) override { return 1; }

 private:
  RecordedFrames& frames_;
  int width_, height_;
  int64_t wanted_;
  SaverWindowEvents* events_ = nullptr;
};

}  // namespace

RecordedFrames RecordFrames(const DrawRow& row, int width, int height, int64_t frames) {
  RecordedFrames recorded;
  test::TestPlatform fixed;
  StoreRow(fixed, row);
  RecordingWindows windows(recorded, width, height, frames);
  Platform platform{windows, fixed.settings, fixed.random, fixed.clock, fixed.system, "/S"};
  RunProgram(platform);
  return recorded;
}

}  // namespace quorex::bench
