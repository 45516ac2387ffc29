#include "geometry/tensor.hpp"

#include <Eigen/Eigenvalues>
#include <cmath>

#include "geometry/numbers.hpp"
#include "text/texts.hpp"

namespace velkar::geometry {

EigenResult EigenAnalysis(const Matrix3& tensor) {
  Eigen::Matrix3d a;
  for (int i = 0; i < 3; ++i)
    for (int j = i; j < 3; ++j) a(i, j) = a(j, i) = tensor(i, j);

  // The iterative solver, not the closed form: it stays accurate when two
  // eigenvalues are nearly equal, as they are for girdles.
  const Eigen::SelfAdjointEigenSolver<Eigen::Matrix3d> solver(a, Eigen::ComputeEigenvectors);
  const Eigen::Vector3d ascending = solver.eigenvalues();
  const Eigen::Matrix3d columns = solver.eigenvectors();

  EigenResult r;
  for (int i = 0; i < 3; ++i) {
    const int source = 2 - i;  // largest first
    r.values[i] = ascending(source);
    r.vectors[i] = ToLowerHemisphere({columns(0, source), columns(1, source), columns(2, source)});
    r.orientations[i] = VectorToOrientation(r.vectors[i]);
  }

  const double n = std::sqrt(r.values[0] * r.values[0] + r.values[1] * r.values[1] + r.values[2] * r.values[2]);
  for (int i = 0; i < 3; ++i)
    if (r.values[i] < kEigenvalueFloor[i]) r.values[i] = kEigenvalueFloor[i];
  if (n > 0)
    for (int i = 0; i < 3; ++i) r.normalised[i] = r.values[i] / n;
  r.differences[0] = r.normalised[0] - r.normalised[2];
  r.differences[1] = r.normalised[1] - r.normalised[2];
  return r;
}

namespace {

std::optional<double> IfFinite(double x) {
  if (std::isfinite(x)) return x;
  return std::nullopt;
}

}  // namespace

ShapeParameters ComputeShapeParameters(const EigenResult& r) {
  const double e1 = r.values[0], e2 = r.values[1], e3 = r.values[2];
  ShapeParameters p;
  p.fi = IfFinite((e2 - e3) / (e1 - e3));
  p.lode = IfFinite((2 * e2 - e1 - e3) / (e1 - e3));
  p.zeta = IfFinite(std::log(e1 / e2));
  p.gamma = IfFinite(std::log(e1 / e2) / std::log(e2 / e3));
  return p;
}

std::string OrientationMatrixText(const EigenResult& r, text::Language language, char decimal_separator,
                                  MatrixTextItems items) {
  using text::TextId;
  const auto text = [language](TextId id) { return std::string(text::Text(id, language)); };
  const auto value = [&](const std::optional<double>& v, int decimals) {
    return v ? FormatRounded(*v, decimals, decimal_separator) : text(TextId::UndefinedValue);
  };

  std::string out = text(TextId::MatrixHeader) + '\n' + std::string(32, '_') + '\n';
  for (int i = 0; i < 3; ++i) {
    out += FormatRounded(r.orientations[i].azimuth, 0, decimal_separator) + "/" +
           FormatRounded(r.orientations[i].dip, 0, decimal_separator) + "\t\t" +
           FormatRounded(r.values[i], 4, decimal_separator) + '\n';
  }
  const ShapeParameters p = ComputeShapeParameters(r);
  out += '\n';
  out += text(TextId::MatrixFi) + '\t' + value(p.fi, 3) + '\n';
  out += text(TextId::MatrixLode) + '\t' + value(p.lode, 3);
  if (items == MatrixTextItems::All) {
    out += '\n' + text(TextId::MatrixZeta) + '\t' + value(p.zeta, 4) + '\n';
    out += text(TextId::MatrixGamma) + '\t' + value(p.gamma, 4);
  }
  return out;
}

}  // namespace velkar::geometry
