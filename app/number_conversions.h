// Conversions of fractional values to whole numbers: nearest, halves to even, saturating.
// NaN gives 0; values beyond the target range give its nearest limit.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quorex {
namespace detail {

// Adding and taking away 1.5 * 2^(mantissa bits) leaves the nearest whole number, halves to
// even, for every magnitude below 2^(mantissa bits - 1): the sum has no fraction bits left.
// Inline, where nearbyint is a library call: the frame loop rounds four times per line.
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

}  // namespace detail

inline int32_t RoundToLong(double value) {
#if defined(__SSE2__)
  // In range, the processor's own conversion rounds the same way in one instruction.
  if (value > -2147483648.5 && value < 2147483647.5) return _mm_cvtsd_si32(_mm_set_sd(value));
#endif
  return detail::RoundHalfEven<int32_t>(value);  // NaN and the saturating cases
}
inline int16_t RoundToInteger(double value) { return detail::RoundHalfEven<int16_t>(value); }
// A Single product rounded to a 16-bit integer.
inline int16_t RoundToInteger(float value) { return detail::RoundHalfEven<int16_t>(value); }

// A Long narrowed to an Integer, saturating.
inline int16_t ToInteger(int32_t value) {
  return static_cast<int16_t>(std::clamp<int32_t>(value, INT16_MIN, INT16_MAX));
}

}  // namespace quorex
