// The line colours and when they change.
#include "app/number_conversions.h"
#include "saver/frm_quorex.h"
#include "surface/colors.h"
#include "surface/platform.h"

namespace quorex {
namespace {

// A due time is never more than 5.3 seconds ahead of the clock. One that seems further ahead
// means the time-of-day clock has restarted (midnight) or been set back, and the colours are
// due at once instead of freezing until the clock catches up.
constexpr float kClockRestartGap = 60.0f;

}  // namespace

void frmQuorex::ColorReset() {
  if (Action <= 4) {
    for (int32_t i = 1; i <= LineCount; ++i) {
      const float r1 = Rnd();
      const float r2 = Rnd();
      const float r3 = Rnd();
      // Each product is a Single; 256 (from r >= 255.5/256) is composed as 255.
      LineColor(i) = RGB(RoundToInteger(r1 * 256.0f), RoundToInteger(r2 * 256.0f),
                         RoundToInteger(r3 * 256.0f));
    }
    return;
  }
  // The bright half of the 16-colour palette, 8 to 15; 8 * r stays below 8 for every r < 1.
  const auto n = static_cast<int16_t>(static_cast<int16_t>(8.0f * Rnd()) + 8);
  LineColor(0) = QBColor(n);
}

bool frmQuorex::ColorsDue(float clockReading) const {
  const auto due = static_cast<float>(NextColorTime);
  return clockReading > due || due - clockReading > kClockRestartGap;
}

void frmQuorex::RunColorSchedule() {
  if (!ColorsDue(platform_.clock.Timer())) return;
  ColorReset();
  const float r = Rnd();
  const float now = platform_.clock.Timer();
  if (LineCount < 5) {
    NextColorTime = static_cast<double>(now) + LineCount * static_cast<double>(r) + 0.3;
  } else {
    const float partial = now + 5.0f * r;  // a Single, as the five-line spread is
    NextColorTime = static_cast<double>(partial) + 0.3;
  }
}

}  // namespace quorex
