#include "contour/colour_scheme.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace velkar::contour {
namespace {

using data::Rgb;

struct Case {
  ColourScheme scheme;
  bool discrete;
  double value;
  double maximum;
  Rgb expected;
};

void ExpectColours(const Case* begin, const Case* end, const SchemeColours& colours = {}) {
  for (const Case* c = begin; c != end; ++c) {
    EXPECT_EQ(ContourColour(c->scheme, c->discrete, c->value, 0, c->maximum, colours), c->expected)
        << "scheme " << static_cast<int>(c->scheme) << (c->discrete ? " discrete" : "") << " value " << c->value
        << " of " << c->maximum;
  }
}

TEST(ContourColour, BlueGreenRedRamp) {
  constexpr auto S = ColourScheme::BlueGreenRed;
  // A maximum of 510 puts t at the value.
  const Case cases[] = {
      {S, false, 0, 510, {0, 0, 255}},      {S, false, 100, 510, {0, 100, 155}}, {S, false, 255, 510, {0, 255, 0}},
      {S, false, 256, 510, {2, 255, 0}},    {S, false, 382, 510, {254, 255, 0}}, {S, false, 383, 510, {255, 255, 0}},
      {S, false, 510, 510, {255, 1, 0}},
      // Halves to even: 0.5 -> 0, 1.5 -> 2.
      {S, false, 1, 1020, {0, 0, 255}},     {S, false, 3, 1020, {0, 2, 253}},
      // Outside the ramp: its end colours.
      {S, false, 600, 510, {255, 1, 0}},    {S, false, -5, 510, {0, 0, 255}},
      // Discrete: value and maximum truncated, 2 of 5 -> t 204.
      {S, true, 2.7, 5.9, {0, 204, 51}},    {S, true, 5.95, 5.9, {255, 1, 0}},
  };
  ExpectColours(std::begin(cases), std::end(cases));
}

TEST(ContourColour, RainbowRamp) {
  constexpr auto S = ColourScheme::Rainbow;
  const Case cases[] = {
      {S, false, 0, 766, {0, 2, 255}},       {S, false, 126, 766, {0, 254, 255}}, {S, false, 127, 766, {0, 255, 255}},
      {S, false, 254, 766, {0, 255, 1}},     {S, false, 255, 766, {0, 255, 0}},   {S, false, 382, 766, {254, 255, 0}},
      {S, false, 383, 766, {255, 255, 0}},   {S, false, 510, 766, {255, 1, 0}},   {S, false, 511, 766, {255, 0, 0}},
      {S, false, 638, 766, {255, 0, 254}},   {S, false, 639, 766, {255, 0, 255}}, {S, false, 766, 766, {255, 254, 255}},
      {S, false, 900, 766, {255, 254, 255}},
      // Discrete: t to a multiple of 100, halves to the even multiple.
      {S, true, 50, 766, {0, 2, 255}},       {S, true, 150, 766, {0, 255, 109}},  {S, true, 3.2, 7.9, {90, 255, 0}},
      {S, true, 0.9, 7.9, {0, 2, 255}},
      // t of 750 and more rounds to 800, past the ramp: its end colour.
      {S, true, 7.5, 7.9, {255, 254, 255}},  {S, true, 750, 766, {255, 254, 255}},
  };
  ExpectColours(std::begin(cases), std::end(cases));
}

TEST(ContourColour, SwatchSchemes) {
  constexpr auto T = ColourScheme::TwoColours;
  constexpr auto H = ColourScheme::ThreeColours;
  const Case defaults[] = {
      {T, false, 0, 1, {255, 255, 253}},   {T, false, 1, 1, {0, 128, 255}},   {T, false, 0.5, 1, {127, 191, 254}},
      {T, false, 3, 1, {0, 128, 255}},     {T, false, -1, 1, {255, 255, 253}},
      {H, false, 0, 1, {0, 128, 255}},     {H, false, 0.25, 1, {128, 192, 191}}, {H, false, 0.5, 1, {255, 255, 128}},
      {H, false, 1, 1, {255, 0, 0}},       {H, false, 0.75, 1, {255, 127, 64}},
      {T, true, 0.9, 2.5, {255, 255, 253}}, {T, true, 2.2, 2.5, {0, 128, 255}},
  };
  ExpectColours(std::begin(defaults), std::end(defaults));

  // White is never drawn as such: the net disc and the paper stay apart.
  SchemeColours white;
  white.minimum = white.maximum = white.at_0 = white.at_50 = white.at_100 = {255, 255, 255};
  const Case whitened[] = {{T, false, 0, 10, {254, 255, 255}}, {T, false, 7, 10, {254, 255, 255}},
                           {H, false, 0, 10, {253, 253, 253}}, {H, false, 9, 10, {253, 253, 253}}};
  ExpectColours(std::begin(whitened), std::end(whitened), white);
}

TEST(ContourColour, DegenerateScales) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const ColourScheme s :
       {ColourScheme::BlueGreenRed, ColourScheme::TwoColours, ColourScheme::Rainbow, ColourScheme::ThreeColours}) {
    // A scale of zero width and values that are no number give the start.
    const Rgb start = ContourColour(s, false, 0, 0, 1);
    EXPECT_EQ(ContourColour(s, false, 0, 0, 0), start) << static_cast<int>(s);
    EXPECT_EQ(ContourColour(s, false, nan, 0, 1), start) << static_cast<int>(s);
    EXPECT_EQ(ContourColour(s, true, 0.5, 0, 0.7), start) << static_cast<int>(s);
    EXPECT_EQ(ContourColour(s, false, 1, 0, 0), ContourColour(s, false, 1, 0, 1)) << static_cast<int>(s);
  }
  EXPECT_EQ(ColourSchemeFromCode(7), ColourScheme::ThreeColours);
  EXPECT_FALSE(ColourSchemeFromCode(4));
  EXPECT_FALSE(ColourSchemeFromCode(0));
}

TEST(ContourColour, PreviewStrips) {
  raster::RasterImage image(5, 5);
  DrawSchemePreview(image, ColourScheme::BlueGreenRed);
  ASSERT_EQ(image.width(), 40);
  ASSERT_EQ(image.height(), 12);
  for (const int j : {0, 11}) {
    EXPECT_EQ(image.Pixel(0, j), raster::Argb::Opaque({255, 1, 0}));     // value 40: the top
    EXPECT_EQ(image.Pixel(39, j), raster::Argb::Opaque({0, 13, 242}));  // value 1: t = R(12.75)
  }
  DrawSchemePreview(image, ColourScheme::Rainbow);
  EXPECT_EQ(image.Pixel(0, 5), raster::Argb::Opaque({255, 254, 255}));
  EXPECT_EQ(image.Pixel(20, 5), raster::Argb::Opaque({255, 255, 0}));  // value 20: t = 383
}

}  // namespace
}  // namespace velkar::contour
