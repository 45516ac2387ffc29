// Data texts for the benchmarks, from the program's linear congruential
// generator, so every run sees the same data.
#pragma once

#include <cstddef>
#include <string>

namespace velkar::bench {

// n lines, line i made by line_of(i, seed) from the generator's i-th value.
template <typename LineOf>
std::string GeneratedLines(std::size_t n, LineOf line_of) {
  std::string text;
  text.reserve(n * 12);
  unsigned seed = 0;
  for (std::size_t i = 0; i < n; ++i) {
    seed = seed * 134775813u + 1u;
    text += line_of(i, seed);
    text += '\n';
  }
  return text;
}

// n lines "az/dip/code": symbol codes 0..8 in turn when codes_in_turn, else
// drawn with the values.
inline std::string SyntheticLines(std::size_t n, bool codes_in_turn) {
  return GeneratedLines(n, [codes_in_turn](std::size_t i, unsigned seed) {
    const unsigned code = codes_in_turn ? static_cast<unsigned>(i % 9) : (seed >> 4) % 9;
    return std::to_string((seed >> 8) % 360) + "/" + std::to_string((seed >> 20) % 91) + "/" + std::to_string(code);
  });
}

// n planes "dipdir/dip" with dips 1..89 (never horizontal or vertical): in
// whole degrees as field data mostly come, or with one decimal when tenths.
inline std::string SyntheticPlanes(std::size_t n, bool tenths) {
  return GeneratedLines(n, [tenths](std::size_t, unsigned seed) {
    const unsigned dip = 10 + (seed >> 20) % 881;  // tenths of a degree, 1.0..89.0
    return std::to_string((seed >> 8) % 360) + "/" + std::to_string(dip / 10) +
           (tenths ? "." + std::to_string(dip % 10) : std::string());
  });
}

}  // namespace velkar::bench
