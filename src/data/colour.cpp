#include "data/colour.hpp"

#include <array>
#include <cstdio>

#include "geometry/numbers.hpp"

namespace velkar::data {

namespace {

constexpr std::array<Rgb, 8> kRampBase = {{
    {255, 0, 0},     // red
    {0, 128, 0},     // green
    {0, 0, 255},     // blue
    {255, 255, 0},   // yellow
    {255, 128, 64},  // orange
    {112, 48, 160},  // purple
    {128, 196, 26},  // yellow-green
    {255, 0, 255},   // magenta
}};

std::uint8_t Lighten(std::uint8_t v, int step) {
  return static_cast<std::uint8_t>(geometry::RoundHalfEven(v + (255.0 - v) * step / 9.0));
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string ToHex(Rgb c) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", c.red, c.green, c.blue);
  return buffer;
}

std::optional<Rgb> ParseHexColour(std::string_view text) {
  if (!text.empty() && text[0] == '#') text.remove_prefix(1);
  if (text.size() != 6) return std::nullopt;
  std::uint8_t channel[3];
  for (int i = 0; i < 3; ++i) {
    const int hi = HexDigit(text[2 * i]), lo = HexDigit(text[2 * i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    channel[i] = static_cast<std::uint8_t>(16 * hi + lo);
  }
  return Rgb{channel[0], channel[1], channel[2]};
}

std::optional<Rgb> ColourOfCode(std::int64_t code) {
  if (code <= 0) return std::nullopt;
  if (code > 80) code = (code - 1) % 80 + 1;
  const int ramp = static_cast<int>((code - 1) / 10);
  const int step = static_cast<int>((code - 1) % 10);
  if (step == 9) return Rgb{254, 255, 255};
  const Rgb base = kRampBase[static_cast<std::size_t>(ramp)];
  return Rgb{Lighten(base.red, step), Lighten(base.green, step), Lighten(base.blue, step)};
}

}  // namespace velkar::data
