// Rotation matrices about an axis. Sense: right-handed about the axis in the
// north-east-down frame, so about the downward vertical a positive angle
// turns north toward east. Apply with MulMatrixVector, undo with
// MulTransposeVector.
#pragma once

#include "geometry/matrix.hpp"

namespace velkar::geometry {

// Axis given as an orientation (turned into its unit vector), angle in degrees.
Matrix3 RotationAboutOrientation(Orientation axis, double angle);
// Axis given as a unit vector, used unchanged (not normalised).
Matrix3 RotationAboutVector(Vector3 axis, double angle);

}  // namespace velkar::geometry
