// Settings in the registry, the clock, random numbers and the two user32 calls.
#include <windows.h>

#include <string>
#include <vector>

#include "surface/seeded_random.h"
#include "surface/win32/win32_services.h"

namespace quorex::win32 {
namespace {

std::string KeyPath(const std::string& application, const std::string& section) {
  return "Software\\" + application + "\\" + section;
}

}  // namespace

// Only string values count; another type, or a value that cannot be read, is absent.
std::optional<std::string> RegistrySettings::Read(const std::string& application,
                                                  const std::string& section,
                                                  const std::string& key) {
  HKEY handle = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath(application, section).c_str(), 0, KEY_QUERY_VALUE,
                    &handle) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::optional<std::string> result;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(handle, key.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      type == REG_SZ) {
    std::vector<char> buffer(size + 1, '\0');
    DWORD read = size;
    if (RegQueryValueExA(handle, key.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer.data()), &read) == ERROR_SUCCESS &&
        type == REG_SZ) {
      // The stored bytes may lack their terminating zero; the buffer has one more.
      result = std::string(buffer.data(), strnlen(buffer.data(), read));
    }
  }
  RegCloseKey(handle);
  return result;
}

void RegistrySettings::Write(const std::string& application, const std::string& section,
                             const std::string& key, const std::string& text) {
  HKEY handle = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath(application, section).c_str(), 0, nullptr, 0,
                      KEY_SET_VALUE, nullptr, &handle, nullptr) != ERROR_SUCCESS) {
    return;
  }
  RegSetValueExA(handle, key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>(text.size() + 1));
  RegCloseKey(handle);
}

void ClockRandom::Randomize() {
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  generator_.Seed(static_cast<uint64_t>(counter.QuadPart) ^
                  (static_cast<uint64_t>(GetCurrentProcessId()) << 32));
}

float ClockRandom::Rnd() { return generator_.NextSingle(); }

float LocalClock::Timer() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  const int seconds = now.wHour * 3600 + now.wMinute * 60 + now.wSecond;
  return static_cast<float>(seconds + now.wMilliseconds / 1000.0);
}

int32_t User32Calls::SystemParametersInfoA(uint32_t action, uint32_t param, void* pvParam,
                                           uint32_t winIni) {
  return ::SystemParametersInfoA(action, param, pvParam, winIni);
}

int32_t User32Calls::ShowCursor(int32_t show) { return ::ShowCursor(show); }

}  // namespace quorex::win32
