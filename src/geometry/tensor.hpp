// The orientation tensor (sum of v v^T over the data, not divided by their
// number) and its eigen-analysis with the shape parameters.
#pragma once

#include <optional>
#include <string>

#include "geometry/matrix.hpp"
#include "text/language.hpp"

namespace velkar::geometry {

// Floors applied to the eigenvalues after the norm is taken; they keep the
// logarithmic shape parameters finite for one or two data.
inline constexpr double kEigenvalueFloor[3] = {1e-9, 1e-10, 1e-11};

struct EigenResult {
  double values[3] = {0, 0, 0};      // E1 >= E2 >= E3, floored
  double normalised[3] = {0, 0, 0};  // Ei / sqrt(E1^2 + E2^2 + E3^2), norm from the raw values; 0 when the norm is 0
  double differences[2] = {0, 0};    // normalised E1 - E3, E2 - E3
  Vector3 vectors[3];                // unit eigenvectors, lower hemisphere
  Orientation orientations[3];       // their orientations
};

// Eigen-analysis of a symmetric tensor (its upper triangle is read). The zero
// tensor gives the floors as eigenvalues and zero normalised values.
EigenResult EigenAnalysis(const Matrix3& tensor);

// Shape parameters of the floored eigenvalues. A parameter whose quotient is
// not a finite number (E1 = E3, or E2 = E3 for gamma) is empty.
struct ShapeParameters {
  std::optional<double> fi;     // (E2 - E3) / (E1 - E3)
  std::optional<double> lode;   // (2 E2 - E1 - E3) / (E1 - E3)
  std::optional<double> zeta;   // ln(E1 / E2)
  std::optional<double> gamma;  // ln(E1 / E2) / ln(E2 / E3)
};
ShapeParameters ComputeShapeParameters(const EigenResult& r);

// Which lines of the orientation-matrix text to write: the plot command
// writes all, the contour redraw and the manual rotation the first six items.
enum class MatrixTextItems { All, WithoutZetaGamma };

// The orientation-matrix text, one line per element, joined by '\n' and
// without a final line break.
std::string OrientationMatrixText(const EigenResult& r, text::Language language, char decimal_separator,
                                  MatrixTextItems items = MatrixTextItems::All);

}  // namespace velkar::geometry
