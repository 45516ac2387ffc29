#include "geometry/vectors.hpp"

#include <gtest/gtest.h>

#include "geometry/angles.hpp"

namespace velkar::geometry {
namespace {

void ExpectOrientation(Orientation got, Orientation want, double tol = 1e-9) {
  EXPECT_NEAR(got.azimuth, want.azimuth, tol);
  EXPECT_NEAR(got.dip, want.dip, tol);
}

void ExpectVector(Vector3 got, Vector3 want, double tol = 1e-12) {
  EXPECT_NEAR(got.x, want.x, tol);
  EXPECT_NEAR(got.y, want.y, tol);
  EXPECT_NEAR(got.z, want.z, tol);
}

TEST(Vectors, NormaliseOrientation) {
  struct Case {
    Orientation in, out;
  };
  const Case cases[] = {
      {{10, -30}, {190, 30}}, {{10, 120}, {190, 60}}, {{200, 0}, {20, 0}},   {{123, 90}, {0, 90}},
      {{370, 45}, {10, 45}},  {{0, -90}, {0, 90}},    {{350, -0.0}, {170, 0}}, {{-30, 10}, {330, 10}},
      // negative dip, then the horizontal rule: 100 + 180 = 280 -> 100
      {{100, -180}, {100, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.in.azimuth << "/" << c.in.dip);
    ExpectOrientation(NormaliseOrientation(c.in), c.out);
  }
}

TEST(Vectors, VectorToOrientation) {
  struct Case {
    Vector3 in;
    Orientation out;
  };
  const Case cases[] = {
      {{0, 0, 0}, {0, 0}},     {{0, 0, 1}, {0, 90}},   {{0, 0, -1}, {0, -90}},      {{-1, 0, 0}, {180, 0}},
      {{0, -1, 0}, {270, 0}},  {{0, 0, 5}, {0, 90}},   {{1, 1, 0}, {45, 0}},        {{1e300, 1e300, 0}, {45, 0}},
  };
  for (const Case& c : cases) ExpectOrientation(VectorToOrientation(c.in), c.out);
}

TEST(Vectors, OrientationToVectorLeavesCosineResidue) {
  const Vector3 v = OrientationToVector({90, 0});
  EXPECT_NE(v.x, 0.0);  // cos 90 deg in floating point
  EXPECT_NEAR(v.x, 0, 1e-15);
  EXPECT_EQ(v.y, 1);
  EXPECT_EQ(v.z, 0);
  ExpectVector(OrientationToVector({45, 30}), {CosDeg(45) * CosDeg(30), SinDeg(45) * CosDeg(30), 0.5});
}

TEST(Vectors, RoundTripOrientationVector) {
  for (double az = 0; az < 360; az += 37)
    for (double dip = -80; dip <= 80; dip += 20)
      ExpectOrientation(VectorToOrientation(OrientationToVector({az, dip})), {az, dip}, 1e-9);
}

TEST(Vectors, PlaneToPoleAndStrike) {
  ExpectOrientation(PlaneToPole({300, 90}), {120, 0});
  ExpectOrientation(PlaneToPole({45, 0}), {225, 90});
  ExpectOrientation(PlaneToPole(PlaneToPole({120, 45})), {120, 45});
  ExpectOrientation(DipDirectionToStrike({30, 40}), {300, 40});
}

TEST(Vectors, ToLowerHemisphere) {
  ExpectVector(ToLowerHemisphere({1, 0, -0.5}), {-1, 0, 0.5});
  ExpectVector(ToLowerHemisphere({-1, 0, 0}), {1, 0, 0});
  ExpectVector(ToLowerHemisphere({0, 0, 0}), {0, 0, 0});
  ExpectVector(ToLowerHemisphere({3, -1, 0}), {-3, 1, 0});
  ExpectVector(ToLowerHemisphere({3, 1, 0}), {3, 1, 0});
  ExpectVector(ToLowerHemisphere({-3, -1, 2}), {-3, -1, 2});
}

TEST(Vectors, Algebra) {
  ExpectVector(Normalise({0, 0, 0}), {0, 0, 0});
  ExpectVector(Normalise({3, 0, 4}), {0.6, 0, 0.8});
  ExpectVector(Cross({1, 0, 0}, {0, 1, 0}), {0, 0, 1});
  EXPECT_EQ(Dot({1, 2, 3}, {4, -5, 6}), 12);
  EXPECT_EQ(Length({2, 3, 6}), 7);
  ExpectVector(Add(Scale({1, 2, 3}, 2), Negate({1, 1, 1})), {1, 3, 5});
}

TEST(Vectors, PoleToDipLine) {
  // Pole of the plane 120/45 is 300/45; the dip line of the plane is 120/45.
  const Vector3 pole = OrientationToVector({300, 45});
  const Vector3 dip_line = PoleToDipLine(pole);
  ExpectOrientation(VectorToOrientation(dip_line), {120, 45});
  // Applied to the dip line it gives the pole back.
  ExpectVector(PoleToDipLine(dip_line), pole);
  ExpectVector(PoleToDipLine({0, 0, 1}), {0, 0, 0});
  ExpectVector(PoleToDipLine({1, 0, 0}), {0, 0, 0});
}

TEST(Vectors, LineInPlaneAtPitch) {
  struct Case {
    Orientation plane;
    double pitch;
    Orientation line;
  };
  const Case cases[] = {
      {{90, 30}, 90, {90, 30}},  // pitch 90 is the dip line
      {{90, 30}, 0, {0, 0}},     // along the strike
      {{90, 90}, 45, {0, 45}},   // vertical plane striking north
      {{0, 0}, 30, {0, 0}},      // horizontal plane: trend 0
      {{90, 30}, 180, {180, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.plane.azimuth << "/" << c.plane.dip << " pitch " << c.pitch);
    const Orientation o = LineInPlaneAtPitch(c.plane, c.pitch);
    EXPECT_NEAR(Wrap360(o.azimuth + 1e-12), c.line.azimuth, 1e-9);
    EXPECT_NEAR(o.dip, c.line.dip, 1e-9);
  }
  // The line lies in the plane: perpendicular to the pole.
  const Orientation plane{130, 50};
  for (double pitch = 10; pitch < 180; pitch += 20) {
    const Vector3 line = OrientationToVector(LineInPlaneAtPitch(plane, pitch));
    EXPECT_NEAR(Dot(line, OrientationToVector(PlaneToPole(plane))), 0, 1e-12) << pitch;
  }
}

}  // namespace
}  // namespace velkar::geometry
