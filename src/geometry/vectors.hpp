// Orientations, direction vectors and the conversions between them.
//
// Frame: x north, y east, z down; the lower hemisphere is z > 0. An
// Orientation is (azimuth, dip) in degrees: trend and plunge for a line, dip
// direction and dip for a plane. None of these functions fails: degenerate
// input gives the fallback stated with each.
#pragma once

namespace velkar::geometry {

struct Orientation {
  double azimuth = 0;  // degrees clockwise from north
  double dip = 0;      // degrees below the horizontal; negative means above
};

struct Vector3 {
  double x = 0;  // north
  double y = 0;  // east
  double z = 0;  // down
};

// (cos az cos dip, sin az cos dip, sin dip): a unit vector.
Vector3 OrientationToVector(Orientation o);
// Any length; the zero vector gives (0, 0). No hemisphere is imposed: z < 0
// gives a negative dip. A vertical vector gives azimuth 0.
Orientation VectorToOrientation(Vector3 v);
// Dip into [0, 90]: a negative dip is mirrored, a dip over 90 folded back,
// both turning the azimuth by 180; a horizontal line gets an azimuth in
// [0, 180), a vertical one azimuth 0.
Orientation NormaliseOrientation(Orientation o);
// Pole of a plane (azimuth + 180, 90 - dip); the same turns a pole back into
// its plane.
Orientation PlaneToPole(Orientation plane);
// Strike of a plane given by dip direction: azimuth - 90, dip kept.
Orientation DipDirectionToStrike(Orientation plane);
// The line lying in the plane at the given pitch (0..180 degrees, measured in
// the plane from the strike). A horizontal plane gives trend 0.
Orientation LineInPlaneAtPitch(Orientation plane, double pitch);
// Pole of a plane to its dip line and back. Vertical and horizontal input
// both give the zero vector.
Vector3 PoleToDipLine(Vector3 v);

double Length(Vector3 v);
double Dot(Vector3 a, Vector3 b);
Vector3 Cross(Vector3 a, Vector3 b);
Vector3 Negate(Vector3 v);
Vector3 Scale(Vector3 v, double s);
Vector3 Add(Vector3 a, Vector3 b);
// v / |v|; the zero vector stays zero.
Vector3 Normalise(Vector3 v);
// v or -v, so that z > 0, or z = 0 and y > 0, or z = y = 0 and x >= 0.
Vector3 ToLowerHemisphere(Vector3 v);

}  // namespace velkar::geometry
