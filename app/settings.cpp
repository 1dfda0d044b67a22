#include "app/settings.h"

#include "app/number_conversions.h"
#include "app/numeric_value.h"

namespace quorex {

std::string ReadSetting(SettingsStore& store, const std::string& application,
                        const std::string& section, const std::string& key,
                        const std::string& fallback) {
  return store.Read(application, section, key).value_or(fallback);
}

void WriteSetting(SettingsStore& store, const std::string& application, const std::string& section,
                  const std::string& key, const std::string& text) {
  store.Write(application, section, key, text);
}

int32_t ReadShowSetting(SettingsStore& store, Setting setting) {
  const SettingDefinition& definition = Definition(setting);
  const std::string text = ReadSetting(store, kApplication, kSection, std::string(definition.key),
                                       std::string(definition.showDefault));
  return RoundToLong(NumericValue(text));
}

}  // namespace quorex
