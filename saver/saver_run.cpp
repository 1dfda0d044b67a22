// The show: prepare the window and the state record, then draw frames until the user is back.
#include <algorithm>

#include "app/number_conversions.h"
#include "app/settings.h"
#include "saver/frm_quorex.h"
#include "surface/platform.h"

namespace quorex {
namespace {

// Only a store not written by the setup dialog (which admits 1 to 1000 lines) holds values
// beyond these; they bound the arrays to a few hundred kilobytes and keep every frame short
// enough for the show to answer input promptly.
constexpr int32_t kMostLines = 10000;
constexpr int32_t kWidestPen = INT16_MAX;

}  // namespace

void frmQuorex::RunShow() {
  platform_.random.Randomize();
  window_->Show();
  Speed = 5;
  HalfWidth = 300;
  HalfHeight = 300;
  ReadSettings();
  window_->SetBackgroundColor(0);
  window_->SetPenWidth(ToInteger(LineWidth));
  window_->SetScale(static_cast<float>(-HalfWidth), static_cast<float>(-HalfHeight),
                    static_cast<float>(HalfWidth), static_cast<float>(HalfHeight));
  SizeArrays();

  platform_.system.ShowCursor(0);
  do {
    DoGraphics();
    platform_.windows.DoEvents();
  } while (ExitRequested != True);
  platform_.system.ShowCursor(-1);

  // A window closed from outside during the show has no timer left to start.
  if (open_) window_->SetTimerEnabled(true);
}

void frmQuorex::ReadSettings() {
  SettingsStore& store = platform_.settings;
  Action = ReadShowSetting(store, Setting::Action);
  LineCount = std::clamp(ReadShowSetting(store, Setting::LineCount), 0, kMostLines);
  LineWidth = std::clamp(ReadShowSetting(store, Setting::LineWidth), 1, kWidestPen);
}

void frmQuorex::SizeArrays() {
  LineColor.Resize(0, LineCount);
  for (auto* coordinate : {&X1, &X2, &Y1, &Y2}) coordinate->Resize(1, LineCount);

  if (Action < 5) {
    for (auto* velocity : {&VX1, &VX2, &VY1, &VY2}) velocity->Resize(1, LineCount);
    return;
  }
  // One shared set of velocities for the single drifting object, each drawn in this order.
  for (auto* velocity : {&VX1, &VX2, &VY1, &VY2}) {
    velocity->Resize(0, 0);
    (*velocity)(0) = static_cast<double>(Rnd()) * Speed;
  }
}

}  // namespace quorex
