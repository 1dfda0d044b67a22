#include "app/number_conversions.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quorex {
namespace {

template <typename Whole, typename Fraction>
Whole RoundHalfEven(Fraction value) {
  constexpr auto lowest = static_cast<Fraction>(std::numeric_limits<Whole>::min());
  constexpr auto highest = static_cast<Fraction>(std::numeric_limits<Whole>::max());
  if (std::isnan(value)) return 0;
  // The default rounding mode rounds to nearest with ties to even.
  const Fraction rounded = std::nearbyint(value);
  if (rounded <= lowest) return std::numeric_limits<Whole>::min();
  if (rounded >= highest) return std::numeric_limits<Whole>::max();
  return static_cast<Whole>(rounded);
}

}  // namespace

int32_t RoundToLong(double value) { return RoundHalfEven<int32_t>(value); }
int16_t RoundToInteger(double value) { return RoundHalfEven<int16_t>(value); }
int16_t RoundToInteger(float value) { return RoundHalfEven<int16_t>(value); }

int16_t ToInteger(int32_t value) {
  return static_cast<int16_t>(std::clamp<int32_t>(value, INT16_MIN, INT16_MAX));
}

}  // namespace quorex
