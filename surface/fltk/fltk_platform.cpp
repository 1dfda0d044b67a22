#include "surface/fltk/fltk_platform.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/extensions/scrnsaver.h>

#include <chrono>
#include <ctime>
#include <cstdlib>
#include <unistd.h>

#include "surface/fltk/fltk_message_box.h"
#include "surface/fltk/fltk_saver_window.h"
#include "surface/fltk/fltk_setup_window.h"
#include "surface/fltk/fltk_signals.h"
#include "surface/fltk/settings_file.h"
#include "surface/seeded_random.h"

namespace quorex::fltk {
namespace {

class FltkWindowSystem final : public WindowSystem {
 public:
  std::unique_ptr<SaverWindow> CreateSaverWindow(SaverWindowEvents& events) override {
    auto window = std::make_unique<FltkSaverWindow>(events, saverOpen_);
    saver_ = window.get();
    return window;
  }

  std::unique_ptr<SetupWindow> CreateSetupWindow(const DialogDescription& description,
                                                 SetupWindowEvents& events) override {
    return std::make_unique<FltkSetupWindow>(description, events);
  }

  // One pass that never waits for input: this frame reaches the screen, then every pending
  // event is delivered. Waiting for the server to finish the frame keeps the show from queuing
  // frames ahead of the screen, so that the server, and a key press, never wait behind them.
  void DoEvents() override {
    if (saverOpen_) saver_->Present();
    Fl::flush();
    XSync(fl_display, False);
    Fl::check();
    DeliverCloseSignal();
  }

  void RunUntilNoWindows() override {
    if (saverOpen_) saver_->Present();
    while (saverOpen_) {
      Fl::wait(0.05);
      DeliverCloseSignal();
    }
    Fl::check();  // lets the closed window go
  }

  int32_t MsgBox(const std::string& text, int32_t style, const std::string& caption) override {
    ShowMessageBox(text, style == Exclamation, caption);
    return 1;
  }

  FltkSaverWindow* Saver() { return saverOpen_ ? saver_ : nullptr; }

 private:
  void DeliverCloseSignal() {
    if (saverOpen_ && CloseSignalled()) saver_->Events().Form_CloseRequested();
  }

  FltkSaverWindow* saver_ = nullptr;
  bool saverOpen_ = false;
};

class TimeRandom final : public RandomSource {
 public:
  void Randomize() override {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    generator_.Seed(static_cast<uint64_t>(now) ^ (static_cast<uint64_t>(getpid()) << 40));
  }
  float Rnd() override { return generator_.NextSingle(); }

 private:
  SeededRandom generator_;
};

class LocalClock final : public Clock {
 public:
  float Timer() override {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    const int seconds = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    return static_cast<float>(seconds + static_cast<double>(now.tv_nsec) / 1e9);
  }
};

// The X analogues of the two Windows calls: screen-saver activation becomes the X server's
// screen saver suspended for this client, and the pointer's display count hides the pointer
// over the saver window while it is below 0.
class X11Calls final : public SystemCalls {
 public:
  explicit X11Calls(FltkWindowSystem& windows) : windows_(windows) {}

  int32_t SystemParametersInfoA(uint32_t action, uint32_t param, void*, uint32_t) override {
    if (action != kScreenSaveActive || !fl_display) return 0;
    int event = 0, error = 0;
    if (!XScreenSaverQueryExtension(fl_display, &event, &error)) return 0;
    XScreenSaverSuspend(fl_display, param == 0 ? True : False);
    XFlush(fl_display);
    return 1;
  }

  int32_t ShowCursor(int32_t show) override {
    displayCount_ += show ? 1 : -1;
    if (FltkSaverWindow* saver = windows_.Saver()) saver->SetPointerVisible(displayCount_ >= 0);
    return displayCount_;
  }

 private:
  FltkWindowSystem& windows_;
  int32_t displayCount_ = 0;
};

}  // namespace

std::string ArgumentText(int argc, char** argv) {
  std::string text;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) text += ' ';
    text += argv[i];
  }
  return text;
}

struct FltkPlatform::Parts {
  explicit Parts(std::string argumentText)
      : platform{windows, settings, random, clock, system, std::move(argumentText)} {}
  FltkWindowSystem windows;
  SettingsFile settings;
  TimeRandom random;
  LocalClock clock;
  X11Calls system{windows};
  Platform platform;
};

FltkPlatform::FltkPlatform(std::string argumentText)
    : parts_(std::make_unique<Parts>(std::move(argumentText))) {
  CatchCloseSignals();
  // Keys end the show and the dialog takes numbers: an input method serves neither. FLTK opens
  // one with the display all the same, and Xlib's parse of the locale's compose table was two
  // thirds of the start-up's work; an empty table leaves nothing to parse.
  setenv("XCOMPOSEFILE", "/dev/null", 0);
  Fl::disable_im();
  fl_open_display();
}

FltkPlatform::~FltkPlatform() = default;
Platform& FltkPlatform::Get() { return parts_->platform; }

}  // namespace quorex::fltk
