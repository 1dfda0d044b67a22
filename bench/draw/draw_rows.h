// The settings the drawing benchmark measures: one light and a few heavy loads per mode kind.
#pragma once

#include <array>

namespace quorex::bench {

struct DrawRow {
  int mode;
  int lines;
  int width;
};

constexpr std::array<DrawRow, 5> kDrawRows{{
    {1, 1, 1},
    {1, 1000, 1},
    {2, 100, 10},
    {3, 100, 1},
    {6, 1000, 100},
}};

}  // namespace quorex::bench
