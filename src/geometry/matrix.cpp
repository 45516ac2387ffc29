#include "geometry/matrix.hpp"

namespace velkar::geometry {

Matrix3 ZeroMatrix() { return Matrix3{}; }

Matrix3 OuterProduct(Vector3 v) {
  const double c[3] = {v.x, v.y, v.z};
  Matrix3 r;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) r(i, j) = c[i] * c[j];
  return r;
}

Matrix3 AddMatrix(const Matrix3& a, const Matrix3& b) {
  Matrix3 r;
  for (int i = 0; i < 9; ++i) r.m[i] = a.m[i] + b.m[i];
  return r;
}

Matrix3 Transpose(const Matrix3& a) {
  Matrix3 r;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) r(i, j) = a(j, i);
  return r;
}

Vector3 MulMatrixVector(const Matrix3& m, Vector3 v) {
  return {m(0, 0) * v.x + m(0, 1) * v.y + m(0, 2) * v.z,
          m(1, 0) * v.x + m(1, 1) * v.y + m(1, 2) * v.z,
          m(2, 0) * v.x + m(2, 1) * v.y + m(2, 2) * v.z};
}

Vector3 MulTransposeVector(const Matrix3& m, Vector3 v) {
  return {m(0, 0) * v.x + m(1, 0) * v.y + m(2, 0) * v.z,
          m(0, 1) * v.x + m(1, 1) * v.y + m(2, 1) * v.z,
          m(0, 2) * v.x + m(1, 2) * v.y + m(2, 2) * v.z};
}

void AccumulateOuterProduct(Matrix3& tensor, Vector3 v) {
  const double c[3] = {v.x, v.y, v.z};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) tensor(i, j) += c[i] * c[j];
}

}  // namespace velkar::geometry
