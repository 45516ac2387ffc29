#include "data/colour.hpp"

#include <gtest/gtest.h>

namespace velkar::data {
namespace {

TEST(Colour, CodeExamples) {
  struct Case {
    std::int64_t code;
    Rgb rgb;
  };
  const Case cases[] = {
      {1, {255, 0, 0}},     {11, {0, 128, 0}},     {12, {28, 142, 28}},  {23, {57, 57, 255}},
      {47, {255, 213, 191}}, {10, {254, 255, 255}}, {80, {254, 255, 255}}, {81, {255, 0, 0}},
      {161, {255, 0, 0}},   {172, {28, 142, 28}},  {51, {112, 48, 160}}, {61, {128, 196, 26}},
      {71, {255, 0, 255}},  {31, {255, 255, 0}},   {41, {255, 128, 64}}, {49, {255, 241, 234}},
      {INT64_MAX, *ColourOfCode((INT64_MAX - 1) % 80 + 1)},
  };
  for (const Case& c : cases) {
    const auto got = ColourOfCode(c.code);
    ASSERT_TRUE(got) << c.code;
    EXPECT_EQ(*got, c.rgb) << c.code << " " << ToHex(*got);
  }
  EXPECT_FALSE(ColourOfCode(0));
  EXPECT_FALSE(ColourOfCode(-5));
}

TEST(Colour, RampsLightenTowardWhite) {
  for (int ramp = 0; ramp < 8; ++ramp)
    for (int k = 1; k < 9; ++k) {
      const Rgb darker = *ColourOfCode(10 * ramp + k);
      const Rgb lighter = *ColourOfCode(10 * ramp + k + 1);
      EXPECT_GE(lighter.red, darker.red);
      EXPECT_GE(lighter.green, darker.green);
      EXPECT_GE(lighter.blue, darker.blue);
    }
}

TEST(Colour, HexAndInteger) {
  EXPECT_EQ(ToHex({57, 57, 255}), "#3939ff");
  EXPECT_EQ(ParseHexColour("#3939FF"), (Rgb{57, 57, 255}));
  EXPECT_EQ(ParseHexColour("ff0000"), (Rgb{255, 0, 0}));
  EXPECT_FALSE(ParseHexColour("#12345"));
  EXPECT_FALSE(ParseHexColour("#12345g"));
  EXPECT_EQ((Rgb{1, 2, 3}).ToInteger(), 1u + 256u * 2 + 65536u * 3);
  EXPECT_EQ(Rgb::FromInteger(1u + 256u * 2 + 65536u * 3), (Rgb{1, 2, 3}));
}

}  // namespace
}  // namespace velkar::data
