// 3 x 3 matrices: the orientation tensor and rotations.
#pragma once

#include "geometry/vectors.hpp"

namespace velkar::geometry {

// Nine entries row by row: m[0] = m11, m[1] = m12, ..., m[8] = m33.
struct Matrix3 {
  double m[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
  double operator()(int row, int col) const { return m[3 * row + col]; }
  double& operator()(int row, int col) { return m[3 * row + col]; }
};

Matrix3 ZeroMatrix();
// Entry (i, j) = vi * vj.
Matrix3 OuterProduct(Vector3 v);
Matrix3 AddMatrix(const Matrix3& a, const Matrix3& b);
Matrix3 Transpose(const Matrix3& a);
// M v.
Vector3 MulMatrixVector(const Matrix3& m, Vector3 v);
// M^T v: undoes a rotation M.
Vector3 MulTransposeVector(const Matrix3& m, Vector3 v);

// Adds v v^T to the tensor in place; the streaming commands call this per datum.
void AccumulateOuterProduct(Matrix3& tensor, Vector3 v);

}  // namespace velkar::geometry
