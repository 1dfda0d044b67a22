// Conversions of fractional values to whole numbers: nearest, halves to even, saturating.
// NaN gives 0; values beyond the target range give its nearest limit.
#pragma once

#include <cstdint>

namespace quorex {

int32_t RoundToLong(double value);
int16_t RoundToInteger(double value);
int16_t RoundToInteger(float value);  // a Single product rounded to a 16-bit integer

// A Long narrowed to an Integer, saturating.
int16_t ToInteger(int32_t value);

}  // namespace quorex
