// Degree trigonometry and angle reduction.
//
// Conventions for the whole geometry module: angles in degrees; azimuths
// clockwise from north in [0, 360); the frame is x north, y east, z down, and
// the lower hemisphere is z > 0. Nothing here allocates, keeps state or reports
// errors: degenerate input yields the fallback value stated per function.
#pragma once

namespace velkar::geometry {

// The half turn in degrees; every degree/radian conversion goes through it.
inline constexpr double kHalfTurn = 180.0;
inline constexpr double kPi = 3.14159265358979323846;

// Stand-in for the tangent of a right angle (finite, so arithmetic goes on).
inline constexpr double kTanRightAngle = 1.699e308;

inline constexpr double DegToRad(double degrees) { return degrees * kPi / kHalfTurn; }
inline constexpr double RadToDeg(double radians) { return radians * kHalfTurn / kPi; }

// 1 for x > 0, -1 for x < 0, 0 for x = 0 (and for NaN).
int SignOf(double x);

// a reduced into [0, 360); 360 itself becomes 0.
double Wrap360(double a);
// a reduced into [0, 180).
double Wrap180(double a);
// a reduced into [0, 90).
double Wrap90(double a);

double SinDeg(double a);
double CosDeg(double a);
// Both at once; the same values as SinDeg and CosDeg, in one library call.
void SinCosDeg(double a, double& sine, double& cosine);
// SinDeg / CosDeg; when the cosine is exactly 0 the result is
// SignOf(a) * kTanRightAngle.
double TanDeg(double a);
// Arcsine in degrees; |x| >= 1 gives SignOf(x) * 90 without calling asin.
double ArcSinDeg(double x);
// Arccosine in degrees; x = 0 gives 90, x <= -1 gives 180, x >= 1 gives 0.
double ArcCosDeg(double x);
// Arctangent in degrees, in (-90, 90).
double ArcTanDeg(double x);

// Azimuth in [0, 360) of the horizontal direction (east, north); (0, 0) gives 0.
double AzimuthOf(double east, double north);

}  // namespace velkar::geometry
