#include "export/emf_primitives.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "picture_walk.hpp"

namespace velkar::export_ {
namespace {

using geometry::Orientation;
using testing::Drawn;
using testing::Kind;
using testing::kNoBrush;
using testing::kNoPen;
using testing::SolidBrush;
using testing::SolidPen;
using testing::Walk;

constexpr data::Rgb kBlack{0, 0, 0};
constexpr data::Rgb kRed{200, 10, 20};

TEST(EmfConstants, TickLengthIsTheEighthOfTheBaseRoundedToEven) {
  EXPECT_EQ(kTickLength, 188);
  EXPECT_EQ(kTickLength, static_cast<int>(std::nearbyint(kTickBaseX / 8.0)));
}

struct ProjectCase {
  Orientation o;
  Point expected;
};

TEST(EmfProject, ReferencePoints) {
  const ProjectCase cases[] = {
      {{0, 90}, {5940, 6300}},    // vertical: centre
      {{90, 0}, {11340, 6299}},   // cos 90 = 6e-17 rounds up to a whole unit
      {{0, 0}, {5940, 900}},      //
      {{180, 0}, {5941, 11700}},  // and so does sin 180
      {{270, 0}, {540, 6300}},    //
      {{45, 0}, {9759, 2481}},    // 3818.38 rounds up in both axes
      {{300, 45}, {3410, 4838}},  // -2530.92 up to -2530, 1461.23 up to 1462
      {{180, 60}, {5941, 8276}},  // -1976.54 up to -1976 (nearest would be 8277); sin 180 up to 1
      {{30, 0}, {8640, 1623}},    // sin 30 = 0.49999999999999994: 2700, not 2701
      {{45, 30}, {8640, 3600}},   //
      {{90, 30}, {9759, 6299}},   //
      {{0, -30}, {5940, -314}},   // above the horizontal: outside the net, not mirrored
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.o.azimuth << "/" << c.o.dip);
    EXPECT_EQ(EmfProject(c.o), c.expected);
  }
}

TEST(EmfNetDisc, NoPenLightDiscOverTheNet) {
  VectorPicture picture;
  EmfNetDisc(picture);
  const auto shapes = Walk(picture);
  ASSERT_EQ(shapes.size(), 1u);
  EXPECT_EQ(shapes[0].kind, Kind::kEllipse);
  EXPECT_EQ(shapes[0].pen, kNoPen);
  EXPECT_EQ(shapes[0].brush, SolidBrush({254, 254, 254}));
  EXPECT_EQ(shapes[0].box, (Box{540, 900, 11340, 11700}));
}

TEST(EmfFrame, ElementBitsChooseCrossTicksAndLetter) {
  const std::vector<Point> cross_h = {{5752, 6300}, {6128, 6300}};
  const std::vector<Point> cross_v = {{5940, 6112}, {5940, 6488}};
  const std::vector<Point> west = {{540, 6300}, {728, 6300}};
  const std::vector<Point> east = {{11340, 6300}, {11152, 6300}};
  const std::vector<Point> south = {{5940, 11700}, {5940, 11512}};
  const std::vector<Point> north = {{5940, 712}, {5940, 1088}};
  const std::vector<Point> letter = {{5820, 650}, {5820, 350}, {6060, 650}, {6060, 350}};
  struct Case {
    int e;
    std::vector<std::vector<Point>> lines;
  };
  const Case cases[] = {
      {0, {}},
      {1, {cross_h, cross_v}},
      {2, {west, east, south, north}},
      {3, {cross_h, cross_v, west, east, south, north}},
      {4, {north, letter}},
      {5, {cross_h, cross_v, north, letter}},
      {6, {west, east, south, north, letter}},
      {7, {cross_h, cross_v, west, east, south, north, letter}},
      {8, {}},
      {-1, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.e);
    VectorPicture picture;
    EmfFrame(picture, c.e);
    const auto shapes = Walk(picture);
    ASSERT_EQ(shapes.size(), c.lines.size() + 1);
    EXPECT_EQ(shapes[0].kind, Kind::kEllipse);
    EXPECT_EQ(shapes[0].box, (Box{540, 900, 11340, 11700}));
    EXPECT_EQ(shapes[0].pen, SolidPen(40, kBlack));
    EXPECT_EQ(shapes[0].brush, kNoBrush);
    for (std::size_t i = 0; i < c.lines.size(); ++i) {
      EXPECT_EQ(shapes[i + 1].kind, Kind::kPolyline);
      EXPECT_EQ(shapes[i + 1].pen, SolidPen(25, kBlack));
      EXPECT_EQ(shapes[i + 1].points, c.lines[i]);
    }
  }
}

TEST(EmfPoint, DiscOneUnitWiderToTheLowerRight) {
  VectorPicture picture;
  EmfPoint(picture, {45, 0}, kBlack, 40);  // projects to (9759, 2481)
  const auto shapes = Walk(picture);
  ASSERT_EQ(shapes.size(), 1u);
  EXPECT_EQ(shapes[0].kind, Kind::kEllipse);
  EXPECT_EQ(shapes[0].pen, kNoPen);
  EXPECT_EQ(shapes[0].brush, SolidBrush(kBlack));
  EXPECT_EQ(shapes[0].box, (Box{9719, 2441, 9800, 2522}));
}

TEST(EmfSymbol, ShapesPenAndFill) {
  const Orientation o{45, 0};  // (9759, 2481)
  struct Case {
    SymbolShape shape;
    bool filled;
    double b;
    Kind kind;
    Box box;
    std::vector<Point> corners;
  };
  const Case cases[] = {
      {SymbolShape::kCircle, true, 48, Kind::kEllipse, {9711, 2433, 9807, 2529}, {}},
      {SymbolShape::kCircle, false, 0, Kind::kEllipse, {9759, 2481, 9759, 2481}, {}},
      {SymbolShape::kTriangle, true, 54, Kind::kPolygon, {}, {{9759, 2427}, {9813, 2535}, {9705, 2535}}},
      {SymbolShape::kSquare,
       false,
       48,
       Kind::kPolygon,
       {},
       {{9711, 2433}, {9807, 2433}, {9807, 2529}, {9711, 2529}}},
      {SymbolShape::kDiamond,
       false,
       66,
       Kind::kPolygon,
       {},
       {{9759, 2415}, {9825, 2481}, {9759, 2547}, {9693, 2481}}},
      // Fractional half sizes round to the nearest corner, halves to even.
      {SymbolShape::kSquare,
       true,
       0.5,
       Kind::kPolygon,
       {},
       {{9758, 2480}, {9760, 2480}, {9760, 2482}, {9758, 2482}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.shape));
    VectorPicture picture;
    EmfSymbol(picture, c.shape, o, kRed, c.filled, c.b);
    const auto shapes = Walk(picture);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].kind, c.kind);
    EXPECT_EQ(shapes[0].pen, SolidPen(10, kRed));
    EXPECT_EQ(shapes[0].brush, c.filled ? SolidBrush(kRed) : kNoBrush);
    if (c.kind == Kind::kEllipse) {
      EXPECT_EQ(shapes[0].box, c.box);
    } else {
      EXPECT_EQ(shapes[0].points, c.corners);
    }
  }
}

TEST(EmfRing, OpenRingOfRadius120) {
  VectorPicture picture;
  EmfSymbol(picture, SymbolShape::kCircle, {0, 90}, kRed, true, 10);  // leaves a brush behind
  EmfRing(picture, {0, 90}, kBlack);
  const auto shapes = Walk(picture);
  ASSERT_EQ(shapes.size(), 2u);
  EXPECT_EQ(shapes[1].kind, Kind::kEllipse);
  EXPECT_EQ(shapes[1].pen, SolidPen(5, kBlack));
  EXPECT_EQ(shapes[1].brush, kNoBrush);
  EXPECT_EQ(shapes[1].box, (Box{5820, 6180, 6061, 6421}));
}

struct GreatCircleCase {
  Orientation plane;
  std::vector<std::pair<int, Point>> points;  // index, point
};

TEST(EmfGreatCircle, StrikeEndToStrikeEndThroughTheDipPoint) {
  const GreatCircleCase cases[] = {
      // Horizontal: the half rim around the dip direction, 2 degrees a step.
      {{0, 0},
       {{0, {540, 6300}},
        {1, {543, 6112}},
        {44, {5752, 903}},
        {45, {5940, 900}},
        {46, {6128, 903}},
        {90, {11340, 6300}}}},
      // Vertical: the diameter along the strike, the dip point at the centre.
      {{90, 90},
       {{0, {5940, 900}},
        {1, {5940, 995}},
        {44, {5940, 6167}},
        {45, {5940, 6300}},
        {46, {5940, 6433}},
        {90, {5940, 11700}}}},
      // The dip point rounds to the nearest (9758), where EmfProject rounds up (9759).
      {{90, 30},
       {{0, {5940, 900}},
        {1, {6102, 950}},
        {20, {8555, 2701}},
        {45, {9758, 6300}},
        {70, {8555, 9899}},
        {90, {5940, 11700}}}},
      {{300, 60}, {{0, {3240, 10977}}, {20, {3078, 8476}}, {45, {4228, 5312}}, {90, {8640, 1623}}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.plane.azimuth << "/" << c.plane.dip);
    const auto points = GreatCirclePoints(c.plane);
    for (const auto& [i, p] : c.points) EXPECT_EQ(points[i], p) << "point " << i;
    VectorPicture picture;
    EmfGreatCircle(picture, c.plane, kRed);
    const auto shapes = Walk(picture);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].kind, Kind::kPolyline);
    EXPECT_EQ(shapes[0].pen, SolidPen(20, kRed));
    EXPECT_EQ(shapes[0].points, std::vector<Point>(points.begin(), points.end()));
  }
}

TEST(EmfGreatCircle, VerticalPlaneRunsStraightAlongItsStrike) {
  const auto points = GreatCirclePoints({90, 90});
  for (int i = 1; i < kGreatCirclePoints; ++i) {
    EXPECT_EQ(points[i].x, 5940) << i;
    EXPECT_GT(points[i].y, points[i - 1].y) << i;
  }
}

}  // namespace
}  // namespace velkar::export_
