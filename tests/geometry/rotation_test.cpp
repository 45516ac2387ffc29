#include "geometry/rotation.hpp"

#include <gtest/gtest.h>

namespace velkar::geometry {
namespace {

void ExpectVector(Vector3 got, Vector3 want) {
  EXPECT_NEAR(got.x, want.x, 1e-12);
  EXPECT_NEAR(got.y, want.y, 1e-12);
  EXPECT_NEAR(got.z, want.z, 1e-12);
}

TEST(Rotation, SenseOfRotation) {
  struct Case {
    Orientation axis;
    double angle;
    Vector3 in, out;
  };
  const Case cases[] = {
      {{0, 90}, 90, {1, 0, 0}, {0, 1, 0}},    // about down: north to east
      {{0, 90}, -90, {1, 0, 0}, {0, -1, 0}},  // ... and to west
      {{0, 0}, 90, {0, 1, 0}, {0, 0, 1}},     // about north: east to down
      {{0, 90}, 0, {0.6, 0, 0.8}, {0.6, 0, 0.8}},
      {{0, 90}, 360, {0.6, 0, 0.8}, {0.6, 0, 0.8}},
  };
  for (const Case& c : cases) ExpectVector(MulMatrixVector(RotationAboutOrientation(c.axis, c.angle), c.in), c.out);
}

TEST(Rotation, AxisStaysAndTransposeUndoes) {
  const Vector3 axis = OrientationToVector({123, 34});
  const Matrix3 r = RotationAboutVector(axis, 71);
  ExpectVector(MulMatrixVector(r, axis), axis);
  const Vector3 v = OrientationToVector({10, 20});
  ExpectVector(MulTransposeVector(r, MulMatrixVector(r, v)), v);
  ExpectVector(MulMatrixVector(Transpose(r), MulMatrixVector(r, v)), v);
}

}  // namespace
}  // namespace velkar::geometry
