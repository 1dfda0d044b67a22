#include "app/number_conversions.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quorex {
namespace {

// Adding and taking away 1.5 * 2^(mantissa bits) leaves the nearest whole number, halves to
// even, for every magnitude below 2^(mantissa bits - 1): the sum has no fraction bits left. It
// is inline, where nearbyint is a library call, and this runs four times per line and frame.
template <typename Fraction>
Fraction NearestWhole(Fraction value) {
  constexpr int bits = std::numeric_limits<Fraction>::digits - 1;
  constexpr Fraction shift = Fraction(1.5) * static_cast<Fraction>(1LL << bits);
  constexpr Fraction exact = static_cast<Fraction>(1LL << (bits - 1));
  if (!(std::fabs(value) < exact)) return value;  // already whole, infinite or NaN
  return (value + shift) - shift;
}

template <typename Whole, typename Fraction>
Whole RoundHalfEven(Fraction value) {
  constexpr auto lowest = static_cast<Fraction>(std::numeric_limits<Whole>::min());
  constexpr auto highest = static_cast<Fraction>(std::numeric_limits<Whole>::max());
  if (std::isnan(value)) return 0;
  const Fraction rounded = NearestWhole(value);
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
