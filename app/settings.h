// The program's three settings: one table of keys and defaults, and the store access.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "surface/services.h"

namespace quorex {

inline constexpr char kApplication[] = "Quorex";
inline constexpr char kSection[] = "Options";

struct SettingDefinition {
  std::string_view key;
  std::string_view showDefault;    // what the show reads while nothing is stored
  std::string_view dialogDefault;  // what the setup dialog offers while nothing is stored
  int32_t lowest, highest;         // the range the setup dialog admits
};

enum class Setting { Action, LineCount, LineWidth };

inline constexpr std::array<SettingDefinition, 3> kSettings = {{
    {"Action", "1", "1", 1, 6},
    {"LineCount", "1", "5", 1, 1000},
    {"LineWidth", "1", "1", 1, 100},
}};

constexpr const SettingDefinition& Definition(Setting setting) {
  return kSettings[static_cast<size_t>(setting)];
}

// The stored text, or `fallback` when the key is absent.
std::string ReadSetting(SettingsStore& store, const std::string& application,
                        const std::string& section, const std::string& key,
                        const std::string& fallback);
void WriteSetting(SettingsStore& store, const std::string& application, const std::string& section,
                  const std::string& key, const std::string& text);

// The show's reading: the stored text (or the show's default) through NumericValue, rounded to
// the nearest Long with halves to even.
int32_t ReadShowSetting(SettingsStore& store, Setting setting);

}  // namespace quorex
