// Splits a fuzzer's bytes into texts at newlines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

inline std::vector<std::string> Texts(const uint8_t* data, size_t size, size_t count) {
  std::vector<std::string> texts(count);
  size_t at = 0;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == '\n' && at + 1 < count) {
      ++at;
    } else {
      texts[at] += static_cast<char>(data[i]);
    }
  }
  return texts;
}
