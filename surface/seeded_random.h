// A uniform generator of Singles in [0, 1) shared by the real platforms (PCG32).
#pragma once

#include <cstdint>

namespace quorex {

class SeededRandom {
 public:
  void Seed(uint64_t seed);
  uint32_t NextBits();
  // 24 random bits scaled by 2^-24: exact in a float, so never rounds up to 1.
  float NextSingle() { return static_cast<float>(NextBits() >> 8) * (1.0f / 16777216.0f); }

 private:
  uint64_t state_ = 0x853c49e6748fea9bULL;
  uint64_t increment_ = 0xda3e39cb94b95bdbULL;
};

}  // namespace quorex
