#include "geometry/vectors.hpp"

#include <cmath>

#include "geometry/angles.hpp"

namespace velkar::geometry {

namespace {

// Components so large that the squared length overflows are scaled down
// first; the direction is what matters to the callers.
Vector3 WithFiniteLength(Vector3 v, double& length) {
  length = Length(v);
  if (std::isinf(length)) {
    const double m = std::fmax(std::fabs(v.x), std::fmax(std::fabs(v.y), std::fabs(v.z)));
    v = {v.x / m, v.y / m, v.z / m};
    length = Length(v);
  }
  return v;
}

}  // namespace

Vector3 OrientationToVector(Orientation o) {
  double sin_az, cos_az, sin_dip, cos_dip;
  SinCosDeg(o.azimuth, sin_az, cos_az);
  SinCosDeg(o.dip, sin_dip, cos_dip);
  return {cos_az * cos_dip, sin_az * cos_dip, sin_dip};
}

Orientation VectorToOrientation(Vector3 v) {
  double l = 0;
  v = WithFiniteLength(v, l);
  if (l == 0 || !std::isfinite(l)) return {0, 0};
  return {AzimuthOf(v.y / l, v.x / l), ArcSinDeg(v.z / l)};
}

Orientation NormaliseOrientation(Orientation o) {
  if (o.dip < 0) {
    o.dip = -o.dip;
    o.azimuth += kHalfTurn;
  }
  if (o.dip > 90) {
    o.dip = kHalfTurn - o.dip;
    o.azimuth += kHalfTurn;
  }
  o.azimuth = o.dip == 0 ? Wrap180(o.azimuth) : Wrap360(o.azimuth);
  if (o.dip == 90) o.azimuth = 0;
  return o;
}

Orientation PlaneToPole(Orientation plane) {
  return {Wrap360(plane.azimuth + kHalfTurn), 90 - plane.dip};
}

Orientation DipDirectionToStrike(Orientation plane) {
  return {Wrap360(plane.azimuth - 90), plane.dip};
}

Orientation LineInPlaneAtPitch(Orientation plane, double pitch) {
  const double plunge = ArcSinDeg(SinDeg(pitch) * SinDeg(plane.dip));
  double trend = 0;
  if (plane.dip != 0) trend = Wrap360(plane.azimuth - ArcCosDeg(TanDeg(plunge) / TanDeg(plane.dip)));
  if (pitch > 90) trend = plane.azimuth + (plane.azimuth - trend);
  if (trend < 0) trend += 360;
  if (trend > 360) trend -= 360;
  return {trend, plunge};
}

Vector3 PoleToDipLine(Vector3 v) {
  const double z2 = v.z * v.z;
  const double h = z2 < 1 ? std::sqrt(1 - z2) : 0.0;
  const double f = z2 < 1 ? v.z / h : 0.0;
  return {-SignOf(v.x) * std::fabs(v.x * f), -SignOf(v.y) * std::fabs(v.y * f), SignOf(v.z) * h};
}

double Length(Vector3 v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }
double Dot(Vector3 a, Vector3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vector3 Cross(Vector3 a, Vector3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vector3 Negate(Vector3 v) { return {-v.x, -v.y, -v.z}; }
Vector3 Scale(Vector3 v, double s) { return {s * v.x, s * v.y, s * v.z}; }
Vector3 Add(Vector3 a, Vector3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

Vector3 Normalise(Vector3 v) {
  double l = 0;
  v = WithFiniteLength(v, l);
  if (l == 0 || !std::isfinite(l)) return {0, 0, 0};
  return {v.x / l, v.y / l, v.z / l};
}

Vector3 ToLowerHemisphere(Vector3 v) {
  const bool flip = v.z < 0 || (v.z == 0 && (v.y < 0 || (v.y == 0 && v.x < 0)));
  return flip ? Negate(v) : v;
}

}  // namespace velkar::geometry
