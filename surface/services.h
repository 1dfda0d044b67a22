// The small platform services besides windows: settings, randomness, clock, system calls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quorex {

// Per-user text values addressed by application, section and key.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::optional<std::string> Read(const std::string& application, const std::string& section,
                                          const std::string& key) = 0;
  virtual void Write(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& text) = 0;
};

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void Randomize() = 0;  // seeds the sequence from the system clock
  virtual float Rnd() = 0;       // 0 <= r < 1
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual float Timer() = 0;  // seconds since midnight, with a fractional part
};

// The two operating-system calls the program makes directly.
class SystemCalls {
 public:
  virtual ~SystemCalls() = default;
  virtual int32_t SystemParametersInfoA(uint32_t action, uint32_t param, void* pvParam,
                                        uint32_t winIni) = 0;
  virtual int32_t ShowCursor(int32_t show) = 0;
};

// SystemParametersInfoA action SPI_SETSCREENSAVEACTIVE.
constexpr uint32_t kScreenSaveActive = 17;

}  // namespace quorex
