#include "bench/draw/timed_show.h"

#include <chrono>
#include <memory>

#include "app/program.h"
#include "bench/draw/bench_settings.h"

namespace quorex::bench {
namespace {

using SteadyClock = std::chrono::steady_clock;

// The platform's own windows, with a stopwatch on the yields and a key press at the end.
class TimedWindows final : public WindowSystem {
 public:
  TimedWindows(WindowSystem& platform, double seconds) : platform_(platform), seconds_(seconds) {}

  std::unique_ptr<SaverWindow> CreateSaverWindow(SaverWindowEvents& events) override {
    events_ = &events;
    return platform_.CreateSaverWindow(events);
  }
  std::unique_ptr<SetupWindow> CreateSetupWindow(const DialogDescription& description,
                                                 SetupWindowEvents& events) override {
    return platform_.CreateSetupWindow(description, events);
  }
  void DoEvents() override {
    platform_.DoEvents();
    if (done_) return;
    const auto now = SteadyClock::now();
    if (++result_.frames == 1) start_ = now;
    result_.seconds = std::chrono::duration<double>(now - start_).count();
    if (result_.seconds >= seconds_) {
      done_ = true;
      events_->Form_KeyDown(0, 0);
    }
  }
  void RunUntilNoWindows() override { platform_.RunUntilNoWindows(); }
  int32_t MsgBox(const std::string& text, int32_t style, const std::string& caption) override {
    return platform_.MsgBox(text, style, caption);
  }

  TimedFrames Result() const { return result_; }

 private:
  WindowSystem& platform_;
  double seconds_;
  SaverWindowEvents* events_ = nullptr;
  SteadyClock::time_point start_;
  TimedFrames result_;
  bool done_ = false;
};

}  // namespace

TimedFrames TimeShow(const DrawRow& row, WindowSystem& windows, SystemCalls& system,
                     double seconds) {
  test::TestPlatform fixed;
  StoreRow(fixed, row);
  TimedWindows timed(windows, seconds);
  Platform platform{timed, fixed.settings, fixed.random, fixed.clock, system, "/S"};
  RunProgram(platform);
  return timed.Result();
}

}  // namespace quorex::bench
