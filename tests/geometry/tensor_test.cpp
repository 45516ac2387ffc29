#include "geometry/tensor.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velkar::geometry {
namespace {

Matrix3 TensorOf(const std::vector<Orientation>& data) {
  Matrix3 t = ZeroMatrix();
  for (const Orientation& o : data) t = AddMatrix(t, OuterProduct(OrientationToVector(o)));
  return t;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find('\n', from)) != std::string::npos; from = at + 1)
    lines.push_back(text.substr(from, at - from));
  lines.push_back(text.substr(from));
  return lines;
}

TEST(Tensor, OneVerticalDatum) {
  const EigenResult r = EigenAnalysis(TensorOf({{0, 90}}));
  EXPECT_NEAR(r.values[0], 1, 1e-15);
  EXPECT_EQ(r.values[1], 1e-10);
  EXPECT_EQ(r.values[2], 1e-11);
  EXPECT_NEAR(r.orientations[0].dip, 90, 1e-9);
  EXPECT_NEAR(r.normalised[0], 1, 1e-15);
  const auto lines = Lines(OrientationMatrixText(r, text::Language::English, '.'));
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[0], "Eigenvectors\tEigenvalues");
  EXPECT_EQ(lines[1], std::string(32, '_'));
  EXPECT_EQ(lines[2], "0/90\t\t1");
  EXPECT_EQ(lines[5], "");
  EXPECT_EQ(lines[6], "Shape factor Fi :    \t0");
  EXPECT_EQ(lines[7], "Lode ratio: \t-1");
  EXPECT_EQ(lines[8], "Strength parameter:\t23.0259");
  EXPECT_EQ(lines[9], "Shape parameter:\t10");
}

TEST(Tensor, TwoHorizontalData) {
  const EigenResult r = EigenAnalysis(TensorOf({{0, 0}, {90, 0}}));
  EXPECT_NEAR(r.values[0], 1, 1e-12);
  EXPECT_NEAR(r.values[1], 1, 1e-12);
  EXPECT_EQ(r.values[2], 1e-11);
  const ShapeParameters p = ComputeShapeParameters(r);
  EXPECT_NEAR(*p.fi, 1, 1e-9);
  EXPECT_NEAR(*p.lode, 1, 1e-9);
  EXPECT_NEAR(*p.zeta, 0, 1e-9);
  EXPECT_NEAR(*p.gamma, 0, 1e-9);
  // Third eigenvector is vertical.
  EXPECT_NEAR(r.orientations[2].dip, 90, 1e-6);
}

TEST(Tensor, FiftyEqualLinesCzech) {
  const EigenResult r = EigenAnalysis(TensorOf(std::vector<Orientation>(50, {120, 30})));
  const auto lines = Lines(OrientationMatrixText(r, text::Language::Czech, ','));
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[0], "Vektory\t\tČísla");
  EXPECT_EQ(lines[2], "120/30\t\t50");
  EXPECT_EQ(lines[6].rfind("Parametr Fi :    \t", 0), 0u);
  EXPECT_EQ(lines[7].rfind("Lodeho parametr: \t", 0), 0u);
  EXPECT_EQ(lines[8].rfind("Míra přednostní orientace zéta:\t", 0), 0u);
  EXPECT_NE(lines[8].find(','), std::string::npos);  // decimal comma
  EXPECT_EQ(lines[9].rfind("Tvarový parametr gama:\t", 0), 0u);
}

TEST(Tensor, EqualEigenvaluesGivePlaceholdersNotNumbers) {
  // Three mutually perpendicular data: E1 = E2 = E3 = 1.
  const EigenResult r = EigenAnalysis(TensorOf({{0, 0}, {90, 0}, {0, 90}}));
  const ShapeParameters p = ComputeShapeParameters(r);
  EXPECT_FALSE(p.fi);
  EXPECT_FALSE(p.lode);
  ASSERT_TRUE(p.zeta);
  EXPECT_EQ(*p.zeta, 0);
  EXPECT_FALSE(p.gamma);
  for (text::Language language : {text::Language::English, text::Language::Czech}) {
    const std::string text = OrientationMatrixText(r, language, '.');
    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), 10u);
    const std::string placeholder = language == text::Language::Czech ? "nedefinováno" : "undefined";
    EXPECT_EQ(lines[6].substr(lines[6].find('\t') + 1), placeholder);
    EXPECT_EQ(lines[7].substr(lines[7].find('\t') + 1), placeholder);
    EXPECT_EQ(lines[8].substr(lines[8].find('\t') + 1), "0");
    EXPECT_EQ(lines[9].substr(lines[9].find('\t') + 1), placeholder);
    EXPECT_EQ(text.find("NAN"), std::string::npos);
    EXPECT_EQ(text.find("INF"), std::string::npos);
  }
}

TEST(Tensor, SixItemVariantAndZeroTensor) {
  const EigenResult r = EigenAnalysis(ZeroMatrix());
  EXPECT_EQ(r.values[0], 1e-9);
  EXPECT_EQ(r.values[1], 1e-10);
  EXPECT_EQ(r.values[2], 1e-11);
  EXPECT_EQ(r.normalised[0], 0);
  const auto lines = Lines(OrientationMatrixText(r, text::Language::English, '.', MatrixTextItems::WithoutZetaGamma));
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[7].rfind("Lode ratio: \t", 0), 0u);
}

TEST(Tensor, EigenvectorsOfAGirdle) {
  // Data spread in the vertical east-west plane: the girdle's pole is north.
  std::vector<Orientation> data;
  for (int i = 0; i < 18; ++i) data.push_back({90, -80 + 10.0 * i});
  const EigenResult r = EigenAnalysis(TensorOf(data));
  EXPECT_NEAR(r.vectors[2].x, 1, 1e-9);
  EXPECT_GE(r.values[0], r.values[1]);
  EXPECT_GE(r.values[1], r.values[2]);
  EXPECT_NEAR(r.values[0] + r.values[1] + r.values[2], 18, 1e-9);
  for (const Vector3& v : r.vectors) {
    EXPECT_GE(v.z, 0);
    EXPECT_NEAR(Length(v), 1, 1e-12);
  }
  EXPECT_NEAR(r.differences[0], r.normalised[0] - r.normalised[2], 1e-15);
}

}  // namespace
}  // namespace velkar::geometry
