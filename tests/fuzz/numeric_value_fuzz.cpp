// NumericValue and the conversions to whole numbers on any text.
#include <cmath>
#include <string_view>

#include "app/number_conversions.h"
#include "app/numeric_value.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = quorex::NumericValue(text);
  if (!std::isfinite(value)) __builtin_trap();  // always a finite number
  const int32_t whole = quorex::RoundToLong(value);
  if (std::fabs(value) < 2e9 && std::fabs(whole - value) > 0.5) __builtin_trap();
  quorex::RoundToInteger(value);
  quorex::RoundToInteger(static_cast<float>(value));
  return 0;
}
