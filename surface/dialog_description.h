// A dialog described as data, so every platform lays out the same controls from one table.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace quorex {

enum class ControlKind { Frame, OptionButton, Label, TextBox, CommandButton };

// Geometry is in twips (1440 to the inch), relative to the parent's top-left corner.
struct ControlDescription {
  std::string_view name;    // e.g. "optAction"
  int16_t index;            // position in a control array, -1 for a single control
  ControlKind kind;
  std::string_view parent;  // "" for the dialog itself
  std::string_view caption;
  int32_t left, top, width, height;
  int16_t tabIndex;
};

struct DialogDescription {
  std::string_view caption;
  int32_t clientWidth, clientHeight;  // twips
  std::span<const ControlDescription> controls;
};

}  // namespace quorex
