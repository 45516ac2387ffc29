// 24-bit colours and the 80 colour codes of the data text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace velkar::data {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  // The integer form red + 256 green + 65536 blue.
  std::uint32_t ToInteger() const { return red + 256u * green + 65536u * blue; }
  static Rgb FromInteger(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value & 0xff), static_cast<std::uint8_t>((value >> 8) & 0xff),
            static_cast<std::uint8_t>((value >> 16) & 0xff)};
  }
  bool operator==(const Rgb&) const = default;
};

// "#rrggbb".
std::string ToHex(Rgb c);
// Parses "#rrggbb" or "rrggbb"; empty on anything else.
std::optional<Rgb> ParseHexColour(std::string_view text);

// The colour of a colour code: codes above 80 wrap around (81 is 1); 0 and
// below mean the element colour and give no value. Codes 1..80 form eight
// ramps of ten, each a base colour lightened toward white in nine steps and
// ending in (254, 255, 255).
std::optional<Rgb> ColourOfCode(std::int64_t code);

}  // namespace velkar::data
