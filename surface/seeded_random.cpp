#include "surface/seeded_random.h"

namespace quorex {

void SeededRandom::Seed(uint64_t seed) {
  state_ = 0;
  increment_ = (seed << 1u) | 1u;
  NextBits();
  state_ += seed ^ 0x9E3779B97F4A7C15ULL;
  NextBits();
}

uint32_t SeededRandom::NextBits() {
  const uint64_t old = state_;
  state_ = old * 6364136223846793005ULL + increment_;
  const auto xorShifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
  const auto rotation = static_cast<uint32_t>(old >> 59u);
  return (xorShifted >> rotation) | (xorShifted << ((32u - rotation) & 31u));
}

}  // namespace quorex
