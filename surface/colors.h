// Colour composition and the standard 16-colour palette.
#pragma once

#include <cstdint>

namespace quorex {

// Composes a colour value; a component above 255 counts as 255, one below 0 as 0.
int32_t RGB(int16_t red, int16_t green, int16_t blue);

// The standard 16-colour palette; an index outside 0..15 wraps modulo 16.
int32_t QBColor(int16_t index);

constexpr uint8_t RedOf(int32_t color) { return static_cast<uint8_t>(color & 0xFF); }
constexpr uint8_t GreenOf(int32_t color) { return static_cast<uint8_t>((color >> 8) & 0xFF); }
constexpr uint8_t BlueOf(int32_t color) { return static_cast<uint8_t>((color >> 16) & 0xFF); }

}  // namespace quorex
