#include "geometry/rotation.hpp"

#include "geometry/angles.hpp"

namespace velkar::geometry {

Matrix3 RotationAboutOrientation(Orientation axis, double angle) {
  return RotationAboutVector(OrientationToVector(axis), angle);
}

Matrix3 RotationAboutVector(Vector3 u, double angle) {
  const double co = CosDeg(angle);
  const double si = SinDeg(angle);
  const double t = 1 - co;
  Matrix3 r;
  r(0, 0) = co + u.x * u.x * t;
  r(0, 1) = u.x * u.y * t - u.z * si;
  r(0, 2) = u.x * u.z * t + u.y * si;
  r(1, 0) = u.x * u.y * t + u.z * si;
  r(1, 1) = co + u.y * u.y * t;
  r(1, 2) = u.y * u.z * t - u.x * si;
  r(2, 0) = u.x * u.z * t - u.y * si;
  r(2, 1) = u.y * u.z * t + u.x * si;
  r(2, 2) = co + u.z * u.z * t;
  return r;
}

}  // namespace velkar::geometry
