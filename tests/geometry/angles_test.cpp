#include "geometry/angles.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace velkar::geometry {
namespace {

TEST(Angles, SignOf) {
  EXPECT_EQ(SignOf(2.5), 1);
  EXPECT_EQ(SignOf(-1e-300), -1);
  EXPECT_EQ(SignOf(0.0), 0);
  EXPECT_EQ(SignOf(-0.0), 0);
}

TEST(Angles, WrapFunctions) {
  struct Case {
    double (*wrap)(double);
    double in, out;
  };
  const Case cases[] = {
      {Wrap360, -720, 0},  {Wrap360, 360, 0},    {Wrap360, 370, 10},  {Wrap360, -10, 350},
      {Wrap360, 0, 0},     {Wrap360, 1080.5, 0.5}, {Wrap360, -1e-20, 0}, {Wrap180, 200, 20},
      {Wrap180, 180, 0},   {Wrap180, -30, 150},  {Wrap90, 90, 0},     {Wrap90, 100, 10},
      {Wrap90, -10, 80},
  };
  for (const Case& c : cases) {
    const double r = c.wrap(c.in);
    EXPECT_NEAR(r, c.out, 1e-12) << c.in;
    EXPECT_FALSE(std::signbit(r)) << c.in;
  }
  // Huge angles reduce without looping forever.
  EXPECT_GE(Wrap360(1e300), 0);
  EXPECT_LT(Wrap360(1e300), 360);
}

TEST(Angles, TrigonometryFallbacks) {
  EXPECT_EQ(TanDeg(0), 0);
  EXPECT_NEAR(TanDeg(45), 1, 1e-15);
  // cos(90 deg) is not exactly 0 in floating point, so the stand-in value is
  // only taken where the cosine really is zero.
  EXPECT_GT(TanDeg(90), 1e15);
  EXPECT_EQ(ArcSinDeg(1), 90);
  EXPECT_EQ(ArcSinDeg(-1.5), -90);
  EXPECT_NEAR(ArcSinDeg(0.5), 30, 1e-12);
  EXPECT_EQ(ArcCosDeg(0), 90);
  EXPECT_EQ(ArcCosDeg(-1), 180);
  EXPECT_EQ(ArcCosDeg(-7), 180);
  EXPECT_EQ(ArcCosDeg(1), 0);
  EXPECT_EQ(ArcCosDeg(3), 0);
  EXPECT_NEAR(ArcCosDeg(0.5), 60, 1e-12);
  EXPECT_NEAR(ArcTanDeg(1), 45, 1e-12);
}

TEST(Angles, AzimuthOfQuadrants) {
  struct Case {
    double east, north, azimuth;
  };
  const Case cases[] = {
      {0, 0, 0},     {1, 0, 90},    {-1, 0, 270},  {0, 1, 0},     {0, -1, 180},
      {1, 1, 45},    {1, -1, 135},  {-1, -1, 225}, {-1, 1, 315},  {1e-200, 1e-200, 45},
      {-1e-200, 1e-200, 315},
  };
  for (const Case& c : cases) EXPECT_NEAR(AzimuthOf(c.east, c.north), c.azimuth, 1e-12) << c.east << " " << c.north;
}

}  // namespace
}  // namespace velkar::geometry

namespace velkar::geometry {
namespace {

TEST(Angles, SinCosDegMatchesSeparateCalls) {
  for (double a : {0.0, 1.0, 30.0, 360.0, 361.0, 0.5, -0.0, 45.0, 89.999, 90.0, 123.456, 180.0, 270.0, 359.9, -45.0, 725.5, 1e300}) {
    double s = 0, c = 0;
    SinCosDeg(a, s, c);
    EXPECT_EQ(s, SinDeg(a)) << a;
    EXPECT_EQ(c, CosDeg(a)) << a;
  }
}

}  // namespace
}  // namespace velkar::geometry
