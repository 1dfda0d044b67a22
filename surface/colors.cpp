#include "surface/colors.h"

#include <algorithm>
#include <array>

namespace quorex {
namespace {

int32_t Component(int16_t value) { return std::clamp<int32_t>(value, 0, 255); }

constexpr std::array<int32_t, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

}  // namespace

int32_t RGB(int16_t red, int16_t green, int16_t blue) {
  return Component(red) | (Component(green) << 8) | (Component(blue) << 16);
}

int32_t QBColor(int16_t index) { return kPalette[static_cast<size_t>(index & 15)]; }

}  // namespace quorex
