// The Win32 services besides windows.
#pragma once

#include "surface/seeded_random.h"
#include "surface/services.h"

namespace quorex::win32 {

// HKEY_CURRENT_USER\Software\<application>\<section>, string values.
class RegistrySettings final : public SettingsStore {
 public:
  std::optional<std::string> Read(const std::string& application, const std::string& section,
                                  const std::string& key) override;
  void Write(const std::string& application, const std::string& section, const std::string& key,
             const std::string& text) override;
};

class ClockRandom final : public RandomSource {
 public:
  void Randomize() override;
  float Rnd() override;

 private:
  SeededRandom generator_;
};

class LocalClock final : public Clock {
 public:
  float Timer() override;
};

class User32Calls final : public SystemCalls {
 public:
  int32_t SystemParametersInfoA(uint32_t action, uint32_t param, void* pvParam,
                                uint32_t winIni) override;
  int32_t ShowCursor(int32_t show) override;
};

}  // namespace quorex::win32
