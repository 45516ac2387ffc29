// Data texts for the benchmarks: n lines "az/dip/code" from the program's
// linear congruential generator, so every run sees the same data.
#pragma once

#include <cstddef>
#include <string>

namespace velkar::bench {

// Symbol codes 0..8 in turn when codes_in_turn, else drawn with the values.
inline std::string SyntheticLines(std::size_t n, bool codes_in_turn) {
  std::string text;
  text.reserve(n * 12);
  unsigned seed = 0;
  for (std::size_t i = 0; i < n; ++i) {
    seed = seed * 134775813u + 1u;
    const unsigned code = codes_in_turn ? static_cast<unsigned>(i % 9) : (seed >> 4) % 9;
    text += std::to_string((seed >> 8) % 360) + "/" + std::to_string((seed >> 20) % 91) + "/" +
            std::to_string(code) + "\n";
  }
  return text;
}

}  // namespace velkar::bench
