#include "contour/colour_scheme.hpp"

#include <cmath>
#include <cstdlib>

#include "geometry/numbers.hpp"
#include "raster/pixels.hpp"

namespace velkar::contour {

using data::Rgb;

namespace {

constexpr int kSpanBlueGreenRed = 510;
constexpr int kSpanRainbow = 766;
constexpr int kDiscreteRainbowStep = 100;
constexpr Rgb kWhite{255, 255, 255};

std::uint8_t Byte(int v) { return static_cast<std::uint8_t>(v); }

// R(q) held to 0..span; NaN counts as 0.
int Position(double q, int span) {
  if (!(q > 0)) return 0;
  if (q >= span) return span;
  return geometry::RoundToInt(q);
}

// The position of value on a scale cut into span steps. A scale of zero
// width puts values above it at its end and the rest at its start.
int ScalePosition(double value, double minimum, double maximum, int span) {
  const double width = maximum - minimum;
  if (width == 0 || std::isnan(width)) return value > minimum ? span : 0;
  return Position((value - minimum) / (width / span), span);
}

Rgb BlueGreenRedAt(int t) {
  if (t <= 255) return {0, Byte(t), Byte(255 - t)};
  if (t <= 382) return {Byte(2 * (t - 255)), 255, 0};
  return {255, Byte(1021 - 2 * t), 0};
}

Rgb RainbowAt(int t) {
  if (t <= 126) return {0, Byte(2 * t + 2), 255};
  if (t <= 254) return {0, 255, Byte(509 - 2 * t)};
  if (t <= 382) return {Byte(2 * t - 510), 255, 0};
  if (t <= 510) return {255, Byte(1021 - 2 * t), 0};
  if (t <= 638) return {255, 0, Byte(2 * t - 1022)};
  return {255, Byte(2 * t - 1278), 255};
}

std::uint8_t Channel(std::uint8_t from, std::uint8_t to, double value, double minimum, double maximum) {
  if (from == to) return from;
  const int range = std::abs(to - from);
  const int amount = ScalePosition(value, minimum, maximum, range);
  return Byte(from < to ? from + amount : from - amount);
}

Rgb Between(Rgb from, Rgb to, double value, double minimum, double maximum) {
  return {Channel(from.red, to.red, value, minimum, maximum), Channel(from.green, to.green, value, minimum, maximum),
          Channel(from.blue, to.blue, value, minimum, maximum)};
}

Rgb Whitened(Rgb c, Rgb replacement) { return c == kWhite ? replacement : c; }

// One signature for every scheme; the value and maximum arrive already
// truncated in the discrete mode.
using SchemeFunction = Rgb (*)(bool discrete, double value, double minimum, double maximum, const SchemeColours&);

Rgb BlueGreenRed(bool, double value, double minimum, double maximum, const SchemeColours&) {
  return BlueGreenRedAt(ScalePosition(value, minimum, maximum, kSpanBlueGreenRed));
}

Rgb Rainbow(bool discrete, double value, double minimum, double maximum, const SchemeColours&) {
  int t = ScalePosition(value, minimum, maximum, kSpanRainbow);
  if (discrete) {
    t = kDiscreteRainbowStep * geometry::RoundToInt(static_cast<double>(t) / kDiscreteRainbowStep);
    t = std::min(t, kSpanRainbow);
  }
  return RainbowAt(t);
}

Rgb TwoColours(bool, double value, double minimum, double maximum, const SchemeColours& c) {
  return Whitened(Between(c.minimum, c.maximum, value, minimum, maximum), {254, 255, 255});
}

Rgb ThreeColours(bool, double value, double minimum, double maximum, const SchemeColours& c) {
  const double width = maximum - minimum;
  if (width == 0 || std::isnan(width)) return Whitened(value > minimum ? c.at_100 : c.at_0, {253, 253, 253});
  const double half = width / 2;
  // A value that is no number stays with the lower ramp's start.
  const Rgb colour = !(value >= half) ? Between(c.at_0, c.at_50, value, minimum, half)
                                      : Between(c.at_50, c.at_100, value, half, maximum);
  return Whitened(colour, {253, 253, 253});
}

struct SchemeEntry {
  ColourScheme scheme;
  SchemeFunction colour;
};
constexpr SchemeEntry kSchemes[] = {{ColourScheme::BlueGreenRed, BlueGreenRed},
                                    {ColourScheme::TwoColours, TwoColours},
                                    {ColourScheme::Rainbow, Rainbow},
                                    {ColourScheme::ThreeColours, ThreeColours}};

SchemeFunction FunctionOf(ColourScheme scheme) {
  for (const SchemeEntry& e : kSchemes) {
    if (e.scheme == scheme) return e.colour;
  }
  return BlueGreenRed;
}

}  // namespace

std::optional<ColourScheme> ColourSchemeFromCode(int code) {
  for (const SchemeEntry& e : kSchemes) {
    if (static_cast<int>(e.scheme) == code) return e.scheme;
  }
  return std::nullopt;
}

Rgb ContourColour(ColourScheme scheme, bool discrete, double value, double minimum, double maximum,
                  const SchemeColours& colours) {
  if (discrete) {
    value = std::trunc(value);
    maximum = std::trunc(maximum);
  }
  return FunctionOf(scheme)(discrete, value, minimum, maximum, colours);
}

void DrawSchemePreview(raster::RasterImage& image, ColourScheme scheme, const SchemeColours& colours) {
  constexpr int kWidth = 40, kHeight = 12;
  image.Resize(kWidth, kHeight);
  image.Flush();
  for (int j = 0; j < kHeight; ++j) {
    std::uint32_t* row = image.Row(j);
    for (int i = 0; i < kWidth; ++i) {
      const Rgb c = ContourColour(scheme, false, kWidth - i, 0, kWidth, colours);
      row[i] = raster::OpaquePixel(c);
    }
  }
  image.MarkDirty();
}

}  // namespace velkar::contour
