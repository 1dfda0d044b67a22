#include "setup/frm_qsetup.h"

#include "app/number_conversions.h"
#include "app/numeric_value.h"
#include "app/settings.h"
#include "setup/setup_controls.h"
#include "surface/platform.h"

namespace quorex {
namespace {

// (screen - outer) to the nearest whole twip, halved with the quotient truncated toward zero;
// a dialog larger than the screen gets a negative position.
int32_t CentredPosition(double screen, double outer) { return RoundToLong(screen - outer) / 2; }

std::string ReadDialogSetting(SettingsStore& store, Setting setting) {
  const SettingDefinition& definition = Definition(setting);
  return ReadSetting(store, kApplication, kSection, std::string(definition.key),
                     std::string(definition.dialogDefault));
}

void WriteDialogSetting(SettingsStore& store, Setting setting, const std::string& text) {
  WriteSetting(store, kApplication, kSection, std::string(Definition(setting).key), text);
}

}  // namespace

frmQsetup::frmQsetup(Platform& platform)
    : platform_(platform),
      window_(platform.windows.CreateSetupWindow(SetupDialogDescription(), *this)) {}

void frmQsetup::ShowModal() {
  Form_Load();
  window_->ShowModal();
}

void frmQsetup::Form_Load() {
  window_->Move(CentredPosition(window_->ScreenWidth(), window_->OuterWidth()),
                CentredPosition(window_->ScreenHeight(), window_->OuterHeight()));

  SettingsStore& store = platform_.settings;
  ActionText = ReadDialogSetting(store, Setting::Action);
  const int16_t k = RoundToInteger(NumericValue(ActionText) - 1);
  // A stored mode no option stands for (only a store this dialog did not write holds one)
  // opens on the first mode, the default, so OK always writes a mode the show can draw.
  SelectOption(k >= 0 && k < kModeCount ? k : 0);

  window_->SetText(kLineCountBox, ReadDialogSetting(store, Setting::LineCount));
  window_->SetText(kLineWidthBox, ReadDialogSetting(store, Setting::LineWidth));
}

void frmQsetup::SelectOption(int16_t index) {
  window_->CheckOption(index);
  optAction_Click(index);  // selecting an option raises its click, as a user's selection does
}

void frmQsetup::optAction_Click(int16_t index) { ActionText = std::to_string(index + 1); }

bool frmQsetup::CheckRange(std::string_view textBox, double lowest, double highest,
                           const char* message) {
  const double v = NumericValue(window_->Text(textBox));
  if (v < lowest || v > highest) {
    platform_.windows.MsgBox(message, Exclamation, "Quorex");
    return false;
  }
  return true;
}

void frmQsetup::cmdOK_Click() {
  const SettingDefinition& count = Definition(Setting::LineCount);
  const SettingDefinition& width = Definition(Setting::LineWidth);
  if (!CheckRange(kLineCountBox, count.lowest, count.highest,
                  "Line count should be a small positive integer") ||
      !CheckRange(kLineWidthBox, width.lowest, width.highest,
                  "Line thickness should be a small positive integer")) {
    return;  // the dialog stays open as the user left it; nothing is written
  }
  SettingsStore& store = platform_.settings;
  WriteDialogSetting(store, Setting::Action, ActionText);
  WriteDialogSetting(store, Setting::LineCount, window_->Text(kLineCountBox));
  WriteDialogSetting(store, Setting::LineWidth, window_->Text(kLineWidthBox));
  window_->Close();
}

}  // namespace quorex
