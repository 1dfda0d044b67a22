// The setup dialog described once, as data: every platform lays it out from this table.
#pragma once

#include <array>
#include <string_view>

#include "surface/dialog_description.h"

namespace quorex {

inline constexpr int16_t kModeCount = 6;

// Captions of the six modes; option index i stands for mode i + 1.
inline constexpr std::array<std::string_view, kModeCount> kModeCaptions = {
    "Drifting lines, mirrored in each corner",
    "Drifting boxes, mirrored in each corner",
    "Circles, mirrored in each corner",
    "Parallelograms, twisting and turning",
    "A drifting line, the screen is its cage",
    "A drifting box, frenetically caged",
};

inline constexpr std::string_view kLineCountBox = "txtLineCount";
inline constexpr std::string_view kLineWidthBox = "txtLineWidth";

const DialogDescription& SetupDialogDescription();

}  // namespace quorex
