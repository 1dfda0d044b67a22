// The Linux settings file: "[Section]" lines and "Key=text" lines, the text kept exactly as
// written (blanks included) with backslash, newline and carriage return escaped.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "surface/services.h"

namespace quorex::fltk {

using SectionValues = std::map<std::string, std::map<std::string, std::string>>;

// Reads any bytes; lines it cannot understand are skipped, so a damaged file keeps what it
// still holds and never fails.
SectionValues ParseSettings(std::string_view text);
std::string FormatSettings(const SectionValues& values);

// $XDG_CONFIG_HOME/<application>/settings.ini, else ~/.config/<application>/settings.ini.
std::string SettingsPath(const std::string& application);

// One file per application. Writes go to a temporary file renamed over the old one, so a
// crash or a full disk leaves the old values in place.
class SettingsFile final : public SettingsStore {
 public:
  std::optional<std::string> Read(const std::string& application, const std::string& section,
                                  const std::string& key) override;
  void Write(const std::string& application, const std::string& section, const std::string& key,
             const std::string& text) override;
};

}  // namespace quorex::fltk
