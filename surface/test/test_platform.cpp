#include "surface/test/test_platform.h"

#include <cmath>
#include <sstream>

#include "app/program.h"

namespace quorex::test {
namespace {

std::string Number(double value) {
  std::ostringstream out;
  out << value;
  return out.str();
}

// The program owns its window handles; these forward to windows the test keeps.
class SaverWindowHandle final : public SaverWindow {
 public:
  explicit SaverWindowHandle(RecordingSurface& window) : w_(window) {}
  void Show() override { w_.Show(); }
  void SetBackgroundColor(int32_t color) override { w_.SetBackgroundColor(color); }
  int32_t GetBackgroundColor() const override { return w_.GetBackgroundColor(); }
  void SetForegroundColor(int32_t color) override { w_.SetForegroundColor(color); }
  void SetPenWidth(int16_t pixels) override { w_.SetPenWidth(pixels); }
  void SetScale(float x1, float y1, float x2, float y2) override { w_.SetScale(x1, y1, x2, y2); }
  void DrawLine(int16_t options, float x1, float y1, float x2, float y2, int32_t color) override {
    w_.DrawLine(options, x1, y1, x2, y2, color);
  }
  void DrawCircle(float x, float y, float radius) override { w_.DrawCircle(x, y, radius); }
  void SetTimerEnabled(bool enabled) override { w_.SetTimerEnabled(enabled); }
  void Destroy() override { w_.Destroy(); }

 private:
  RecordingSurface& w_;
};

class SetupWindowHandle final : public SetupWindow {
 public:
  explicit SetupWindowHandle(TestSetupWindow& window) : w_(window) {}
  double ScreenWidth() const override { return w_.ScreenWidth(); }
  double ScreenHeight() const override { return w_.ScreenHeight(); }
  double OuterWidth() const override { return w_.OuterWidth(); }
  double OuterHeight() const override { return w_.OuterHeight(); }
  void Move(int32_t left, int32_t top) override { w_.Move(left, top); }
  std::string Text(std::string_view box) const override { return w_.Text(box); }
  void SetText(std::string_view box, const std::string& text) override { w_.SetText(box, text); }
  void CheckOption(int16_t index) override { w_.CheckOption(index); }
  void ShowModal() override { w_.ShowModal(); }
  void Close() override { w_.Close(); }

 private:
  TestSetupWindow& w_;
};

}  // namespace

std::string SurfaceCall::ToString() const {
  switch (op) {
    case Op::SetForegroundColor: return "SetForegroundColor(" + std::to_string(color) + ")";
    case Op::DrawLine:
      return "DrawLine(" + std::to_string(options) + ", " + Number(a) + ", " + Number(b) + ", " +
             Number(c) + ", " + Number(d) + ", " + std::to_string(color) + ")";
    case Op::DrawCircle:
      return "DrawCircle(" + Number(a) + ", " + Number(b) + ", " + Number(c) + ")";
  }
  return "?";
}

// --- RecordingSurface ---

void RecordingSurface::Show() {
  visible = true;
  log_.Add("Show");
}

void RecordingSurface::SetBackgroundColor(int32_t color) {
  background = color;
  log_.Add("SetBackgroundColor(" + std::to_string(color) + ")");
}

void RecordingSurface::SetPenWidth(int16_t pixels) {
  log_.Add("SetPenWidth(" + std::to_string(pixels) + ")");
}

void RecordingSurface::SetScale(float x1, float y1, float x2, float y2) {
  log_.Add("SetScale(" + Number(x1) + ", " + Number(y1) + ", " + Number(x2) + ", " + Number(y2) +
           ")");
}

void RecordingSurface::SetForegroundColor(int32_t color) {
  Record({SurfaceCall::Op::SetForegroundColor, 0, 0, 0, 0, 0, color});
}

void RecordingSurface::DrawLine(int16_t options, float x1, float y1, float x2, float y2,
                                int32_t color) {
  Record({SurfaceCall::Op::DrawLine, options, x1, y1, x2, y2, color});
}

void RecordingSurface::DrawCircle(float x, float y, float radius) {
  Record({SurfaceCall::Op::DrawCircle, 0, x, y, radius, 0, 0});
}

void RecordingSurface::Record(const SurfaceCall& call) {
  ++drawingCalls;
  if (destroyed) drawnAfterDestroy = true;
  if (recordCalls) calls.push_back(call);
  if (observer) observer(call);
}

void RecordingSurface::SetTimerEnabled(bool enabled) {
  timerEnabled = enabled;
  log_.Add(std::string("SetTimerEnabled(") + (enabled ? "true" : "false") + ")");
}

void RecordingSurface::Destroy() {
  destroyed = true;
  timerEnabled = false;
  log_.Add("Destroy");
}

// --- TestSetupWindow ---

TestSetupWindow::TestSetupWindow(EventLog& log, SetupWindowEvents& events,
                                 std::function<void(TestSetupWindow&)>& user)
    : log_(log), events_(events), user_(user) {}

void TestSetupWindow::Move(int32_t newLeft, int32_t newTop) {
  left = newLeft;
  top = newTop;
}

std::string TestSetupWindow::Text(std::string_view textBox) const {
  const auto found = texts.find(textBox);
  return found == texts.end() ? std::string() : found->second;
}

void TestSetupWindow::SetText(std::string_view textBox, const std::string& text) {
  texts[std::string(textBox)] = text;
}

void TestSetupWindow::CheckOption(int16_t index) { checkedOption = index; }

void TestSetupWindow::ShowModal() {
  log_.Add("Dialog shown");
  if (user_) user_(*this);
  if (open) Close();  // the user closes it through its title bar
}

void TestSetupWindow::Close() {
  if (!open) return;
  open = false;
  log_.Add("Dialog closed");
}

void TestSetupWindow::Type(std::string_view textBox, const std::string& text) {
  if (open) SetText(textBox, text);
}

void TestSetupWindow::ClickOption(int16_t index) {
  if (!open) return;
  CheckOption(index);
  events_.optAction_Click(index);
}

void TestSetupWindow::ClickOK() {
  if (open) events_.cmdOK_Click();
}

// --- TestWindowSystem ---

std::unique_ptr<SaverWindow> TestWindowSystem::CreateSaverWindow(SaverWindowEvents& events) {
  saverEvents_ = &events;
  saver = std::make_unique<RecordingSurface>(log_);
  return std::make_unique<SaverWindowHandle>(*saver);
}

std::unique_ptr<SetupWindow> TestWindowSystem::CreateSetupWindow(const DialogDescription&,
                                                                 SetupWindowEvents& events) {
  ++dialogsCreated;
  dialog = std::make_unique<TestSetupWindow>(log_, events, user);
  dialog->screenWidth = screenWidth;
  dialog->screenHeight = screenHeight;
  dialog->outerWidth = dialogOuterWidth;
  dialog->outerHeight = dialogOuterHeight;
  return std::make_unique<SetupWindowHandle>(*dialog);
}

void TestWindowSystem::Deliver(const InputEvent& event) {
  if (saver->destroyed) return;  // a closed window raises no events
  switch (event.kind) {
    case InputEvent::Kind::Click: log_.Add("Click"); saverEvents_->Form_Click(); break;
    case InputEvent::Kind::KeyDown: log_.Add("KeyDown"); saverEvents_->Form_KeyDown(65, 0); break;
    case InputEvent::Kind::MouseMove:
      log_.Add("MouseMove(" + Number(event.x) + ", " + Number(event.y) + ")");
      saverEvents_->Form_MouseMove(0, 0, event.x, event.y);
      break;
    case InputEvent::Kind::CloseRequest:
      log_.Add("CloseRequest");
      saverEvents_->Form_CloseRequested();
      break;
  }
}

void TestWindowSystem::DoEvents() {
  ++yields;
  log_.Add("DoEvents");
  if (onYield) onYield(yields);
  if (yields >= maxYields && !saver->destroyed) {
    yieldLimitHit = true;
    Deliver(InputEvent::Close());
  }
  const auto due = script_.find(yields);
  if (due != script_.end()) {
    for (const InputEvent& event : due->second) Deliver(event);
  }
  if (saver->timerEnabled && !saver->destroyed) {
    if (dialog && dialog->open) dialogOpenAtTick = true;
    log_.Add("Tick");
    saverEvents_->tmrExitNotify_Timer();
  }
}

void TestWindowSystem::RunUntilNoWindows() {
  log_.Add("Event loop");
  while (!saver->destroyed) DoEvents();
  log_.Add("No windows");
}

int32_t TestWindowSystem::MsgBox(const std::string& text, int32_t style,
                                 const std::string& caption) {
  log_.Add("MsgBox(" + text + ", " + std::to_string(style) + ", " + caption + ")");
  return 1;
}

// --- InMemorySettings ---

std::optional<std::string> InMemorySettings::Read(const std::string& application,
                                                  const std::string& section,
                                                  const std::string& key) {
  log_.Add("Read " + application + "/" + section + "/" + key);
  const auto found = values.find({application, section, key});
  if (found == values.end()) return std::nullopt;
  return found->second;
}

void InMemorySettings::Write(const std::string& application, const std::string& section,
                             const std::string& key, const std::string& text) {
  ++writes;
  log_.Add("Write " + application + "/" + section + "/" + key + " = " + text);
  values[{application, section, key}] = text;
}

std::optional<std::string> InMemorySettings::Get(const std::string& key) const {
  const auto found = values.find({"Quorex", "Options", key});
  if (found == values.end()) return std::nullopt;
  return found->second;
}

// --- ScriptedRandom, SettableClock ---

float ScriptedRandom::Rnd() {
  ++draws;
  if (next_ < script_.size()) return script_[next_++];
  if (!script_.empty()) scriptRanOut = true;
  return generator_.NextSingle();
}

void ScriptedRandom::Script(std::vector<float> numbers) {
  script_ = std::move(numbers);
  next_ = 0;
  scriptRanOut = false;
}

float SettableClock::Timer() {
  ++reads;
  const float reading = now;
  if (step != 0) now = std::fmod(now + step, 86400.0f);
  return reading;
}

// --- RecordedSystemCalls ---

int32_t RecordedSystemCalls::SystemParametersInfoA(uint32_t action, uint32_t param, void* pvParam,
                                                   uint32_t winIni) {
  log_.Add("SystemParametersInfoA(" + std::to_string(action) + ", " + std::to_string(param) +
           ", " + (pvParam ? "ptr" : "0") + ", " + std::to_string(winIni) + ")");
  if (action == kScreenSaveActive) screenSaverActive = param != 0;
  return 1;
}

int32_t RecordedSystemCalls::ShowCursor(int32_t show) {
  cursorCount += show ? 1 : -1;
  lowestCursorCount = std::min(lowestCursorCount, cursorCount);
  log_.Add("ShowCursor(" + std::to_string(show) + ")");
  return cursorCount;
}

// --- TestPlatform ---

TestPlatform::TestPlatform() : platform{windows, settings, random, clock, system, ""} {}

void TestPlatform::Run(const std::string& argumentText) {
  platform.argumentText = argumentText;
  RunProgram(platform);
}

std::vector<std::string> TestPlatform::LogLines(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const std::string& line : log.lines) {
    if (line.rfind(prefix, 0) == 0) found.push_back(line);
  }
  return found;
}

}  // namespace quorex::test
