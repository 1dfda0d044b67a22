// The fixed inputs of a benchmark show: its stored settings, one seed and a clock that stands
// still, so that every run of a row draws exactly the same pictures.
#pragma once

#include <string>

#include "bench/draw/draw_rows.h"
#include "surface/test/test_platform.h"

namespace quorex::bench {

inline void StoreRow(test::TestPlatform& fixed, const DrawRow& row) {
  fixed.log.enabled = false;
  fixed.settings.Store("Action", std::to_string(row.mode));
  fixed.settings.Store("LineCount", std::to_string(row.lines));
  fixed.settings.Store("LineWidth", std::to_string(row.width));
}

}  // namespace quorex::bench
