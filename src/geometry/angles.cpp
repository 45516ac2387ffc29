#include "geometry/angles.hpp"

#include <cmath>

namespace velkar::geometry {

int SignOf(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

namespace {

// Reduction by a floating remainder, exact for every finite double; the final
// comparison catches the one case where a tiny negative remainder rounds up to
// the period itself.
double WrapInto(double a, double period) {
  if (!std::isfinite(a)) return a;
  double r = std::fmod(a, period);
  if (r < 0) r += period;
  if (r >= period) r -= period;
  return r + 0.0;  // no negative zero
}

}  // namespace

double Wrap360(double a) { return WrapInto(a, 360.0); }
double Wrap180(double a) { return WrapInto(a, 180.0); }
double Wrap90(double a) { return WrapInto(a, 90.0); }

namespace {

// Angles are converted as they are (sin 360 is the tiny -2.4e-16 of sin 2 pi,
// as everywhere else); only angles so huge that degrees * pi would overflow
// lose their whole turns first, exactly, in degrees.
double ReduceTurns(double a) { return std::fabs(a) < 1e300 ? a : std::fmod(a, 360.0); }

// Field data come mostly in whole degrees and the projection halves them:
// multiples of half a degree in [0, 360] take their values from a table
// filled by the same library call, so the results are identical.
struct HalfDegreeTable {
  static constexpr int kSteps = 720;
  double sine[kSteps + 1];
  double cosine[kSteps + 1];
  HalfDegreeTable() {
    for (int i = 0; i <= kSteps; ++i) ::sincos(DegToRad(i / 2.0), &sine[i], &cosine[i]);
  }
};

// The table index of a, or -1.
int HalfDegreeIndex(double a) {
  const double twice = a * 2;
  if (!(twice >= 0 && twice <= HalfDegreeTable::kSteps)) return -1;
  const int i = static_cast<int>(twice);
  return i == twice ? i : -1;
}

const HalfDegreeTable& Table() {
  static const HalfDegreeTable table;
  return table;
}

}  // namespace

double SinDeg(double a) {
  const int i = HalfDegreeIndex(a);
  return i >= 0 ? Table().sine[i] : std::sin(DegToRad(ReduceTurns(a)));
}

double CosDeg(double a) {
  const int i = HalfDegreeIndex(a);
  return i >= 0 ? Table().cosine[i] : std::cos(DegToRad(ReduceTurns(a)));
}

void SinCosDeg(double a, double& sine, double& cosine) {
  const int i = HalfDegreeIndex(a);
  if (i >= 0) {
    sine = Table().sine[i];
    cosine = Table().cosine[i];
    return;
  }
  ::sincos(DegToRad(ReduceTurns(a)), &sine, &cosine);
}

double TanDeg(double a) {
  const double c = CosDeg(a);
  if (c == 0) return SignOf(a) * kTanRightAngle;
  return SinDeg(a) / c;
}

double ArcSinDeg(double x) {
  if (std::fabs(x) >= 1) return SignOf(x) * 90.0;
  return RadToDeg(std::asin(x));
}

double ArcCosDeg(double x) {
  if (x == 0) return 90.0;
  if (x <= -1) return 180.0;
  if (x >= 1) return 0.0;
  return RadToDeg(std::acos(x));
}

double ArcTanDeg(double x) { return RadToDeg(std::atan(x)); }

double AzimuthOf(double east, double north) {
  if (east == 0 && north == 0) return 0.0;
  if (north == 0) return east > 0 ? 90.0 : 270.0;
  if (east == 0) return north > 0 ? 0.0 : 180.0;
  // The sign of the product is taken from the signs themselves so that tiny
  // components whose product underflows still land in the right quadrant.
  return Wrap360((2 - SignOf(east) - SignOf(east) * SignOf(north)) * 90.0 + ArcTanDeg(east / north));
}

}  // namespace velkar::geometry
