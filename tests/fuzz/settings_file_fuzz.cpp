// The Linux settings file reader on any bytes, and the round trip of what it read.
#include <string_view>

#include "surface/fltk/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto values = quorex::fltk::ParseSettings(bytes);
  const auto again = quorex::fltk::ParseSettings(quorex::fltk::FormatSettings(values));
  if (again != values) __builtin_trap();
  return 0;
}
