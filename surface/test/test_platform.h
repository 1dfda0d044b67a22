// A platform for the tests: a recording surface, an in-memory settings store, input scripted to
// arrive at chosen yields, scripted or seeded random numbers, a settable clock and recorded
// system calls. Everything observable goes into one ordered log.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "surface/platform.h"
#include "surface/seeded_random.h"

namespace quorex::test {

// The ordered record of what the program did, one line per operation.
struct EventLog {
  std::vector<std::string> lines;
  bool enabled = true;
  void Add(std::string line) {
    if (enabled) lines.push_back(std::move(line));
  }
};

struct SurfaceCall {
  enum class Op { SetForegroundColor, DrawLine, DrawCircle } op;
  int16_t options = 0;
  float a = 0, b = 0, c = 0, d = 0;  // DrawLine x1 y1 x2 y2; DrawCircle x y radius
  int32_t color = 0;
  std::string ToString() const;
};

// The saver window: records every drawing call, in order, with its arguments.
class RecordingSurface final : public SaverWindow {
 public:
  explicit RecordingSurface(EventLog& log) : log_(log) {}

  void Show() override;
  void SetBackgroundColor(int32_t color) override;
  int32_t GetBackgroundColor() const override { return background; }
  void SetForegroundColor(int32_t color) override;
  void SetPenWidth(int16_t pixels) override;
  void SetScale(float x1, float y1, float x2, float y2) override;
  void DrawLine(int16_t options, float x1, float y1, float x2, float y2, int32_t color) override;
  void DrawCircle(float x, float y, float radius) override;
  void SetTimerEnabled(bool enabled) override;
  void Destroy() override;

  std::vector<SurfaceCall> calls;          // drawing calls, while `recordCalls`
  bool recordCalls = true;
  std::function<void(const SurfaceCall&)> observer;  // sees every drawing call
  int64_t drawingCalls = 0;                // counted always
  int32_t background = 0xC0C0C0;
  bool visible = false;
  bool timerEnabled = false;
  bool destroyed = false;
  bool drawnAfterDestroy = false;

 private:
  void Record(const SurfaceCall& call);
  EventLog& log_;
};

// The setup dialog's window, driven by a scripted user while it is shown modally.
class TestSetupWindow final : public SetupWindow {
 public:
  TestSetupWindow(EventLog& log, SetupWindowEvents& events,
                  std::function<void(TestSetupWindow&)>& user);

  double ScreenWidth() const override { return screenWidth; }
  double ScreenHeight() const override { return screenHeight; }
  double OuterWidth() const override { return outerWidth; }
  double OuterHeight() const override { return outerHeight; }
  void Move(int32_t left, int32_t top) override;
  std::string Text(std::string_view textBox) const override;
  void SetText(std::string_view textBox, const std::string& text) override;
  void CheckOption(int16_t index) override;
  void ShowModal() override;
  void Close() override;

  // What a user does.
  void Type(std::string_view textBox, const std::string& text);
  void ClickOption(int16_t index);
  void ClickOK();

  double screenWidth = 0, screenHeight = 0;
  double outerWidth = 0, outerHeight = 0;
  std::optional<int32_t> left, top;
  int16_t checkedOption = -1;
  std::map<std::string, std::string, std::less<>> texts;
  bool open = true;

 private:
  EventLog& log_;
  SetupWindowEvents& events_;
  std::function<void(TestSetupWindow&)>& user_;
};

// Input the test schedules for a yield.
struct InputEvent {
  enum class Kind { Click, KeyDown, MouseMove, CloseRequest } kind;
  float x = 0, y = 0;
  static InputEvent Click() { return {Kind::Click}; }
  static InputEvent Key() { return {Kind::KeyDown}; }
  static InputEvent Mouse(float x, float y) { return {Kind::MouseMove, x, y}; }
  static InputEvent Close() { return {Kind::CloseRequest}; }
};

class TestWindowSystem final : public WindowSystem {
 public:
  explicit TestWindowSystem(EventLog& log) : log_(log) {}

  std::unique_ptr<SaverWindow> CreateSaverWindow(SaverWindowEvents& events) override;
  std::unique_ptr<SetupWindow> CreateSetupWindow(const DialogDescription& description,
                                                 SetupWindowEvents& events) override;
  void DoEvents() override;
  void RunUntilNoWindows() override;
  int32_t MsgBox(const std::string& text, int32_t style, const std::string& caption) override;

  // Input delivered in yield number `yield` (the first yield is 1). The passes of the event
  // loop after the load event continue the count.
  void At(int64_t yield, InputEvent event) { script_[yield].push_back(event); }

  // The windows the program created; they outlive the program's own handles for inspection.
  std::unique_ptr<RecordingSurface> saver;
  std::unique_ptr<TestSetupWindow> dialog;
  std::function<void(TestSetupWindow&)> user;   // acts while the dialog is shown
  std::function<void(int64_t)> onYield;         // runs at the start of every yield
  int64_t yields = 0;
  int64_t maxYields = 1'000'000;  // a run still going then is closed from outside
  bool yieldLimitHit = false;
  int32_t dialogsCreated = 0;
  // Geometry the dialogs are created with, in twips.
  double screenWidth = 15360, screenHeight = 11520;  // 1024 x 768 pixels at 96 DPI
  double dialogOuterWidth = 7440 + 90, dialogOuterHeight = 3315 + 405;
  bool dialogOpenAtTick = false;

 private:
  void Deliver(const InputEvent& event);
  EventLog& log_;
  SaverWindowEvents* saverEvents_ = nullptr;
  std::map<int64_t, std::vector<InputEvent>> script_;
};

class InMemorySettings final : public SettingsStore {
 public:
  explicit InMemorySettings(EventLog& log) : log_(log) {}
  std::optional<std::string> Read(const std::string& application, const std::string& section,
                                  const std::string& key) override;
  void Write(const std::string& application, const std::string& section, const std::string& key,
             const std::string& text) override;
  void Store(const std::string& key, const std::string& text) {
    values[{"Quorex", "Options", key}] = text;
  }
  std::optional<std::string> Get(const std::string& key) const;

  std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
  int32_t writes = 0;

 private:
  EventLog& log_;
};

// Scripted numbers first; once they run out, a seeded sequence.
class ScriptedRandom final : public RandomSource {
 public:
  explicit ScriptedRandom(EventLog& log) : log_(log) { generator_.Seed(1); }
  void Randomize() override { log_.Add("Randomize"); }
  float Rnd() override;
  void Script(std::vector<float> numbers);
  void Seed(uint64_t seed) { generator_.Seed(seed); }

  int64_t draws = 0;
  bool scriptRanOut = false;

 private:
  EventLog& log_;
  std::vector<float> script_;
  size_t next_ = 0;
  SeededRandom generator_;
};

// Reads `now`, then advances it by `step` (wrapping at midnight).
class SettableClock final : public Clock {
 public:
  float Timer() override;
  float now = 1000.0f;
  float step = 0.0f;
  int64_t reads = 0;
};

class RecordedSystemCalls final : public SystemCalls {
 public:
  explicit RecordedSystemCalls(EventLog& log) : log_(log) {}
  int32_t SystemParametersInfoA(uint32_t action, uint32_t param, void* pvParam,
                                uint32_t winIni) override;
  int32_t ShowCursor(int32_t show) override;

  bool screenSaverActive = false;  // off before the run, to show the run switches it on
  int32_t cursorCount = 0;
  int32_t lowestCursorCount = 0;

 private:
  EventLog& log_;
};

class TestPlatform {
 public:
  TestPlatform();
  // Runs the program with this argument text until its last window has closed.
  void Run(const std::string& argumentText);
  // The log lines that start with `prefix`, in order.
  std::vector<std::string> LogLines(const std::string& prefix) const;

  EventLog log;
  TestWindowSystem windows{log};
  InMemorySettings settings{log};
  ScriptedRandom random{log};
  SettableClock clock;
  RecordedSystemCalls system{log};
  Platform platform;
};

}  // namespace quorex::test
