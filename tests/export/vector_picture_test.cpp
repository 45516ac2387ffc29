#include "export/vector_picture.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "picture_walk.hpp"

namespace velkar::export_ {
namespace {

using testing::Kind;
using testing::kNoBrush;
using testing::kNoPen;
using testing::SolidBrush;
using testing::SolidPen;
using testing::Walk;

constexpr data::Rgb kRed{255, 0, 0};
constexpr data::Rgb kBlue{0, 0, 255};

TEST(VectorPicture, StartsWithTheCanvasDefaults) {
  VectorPicture picture;
  EXPECT_TRUE(picture.Primitives().empty());
  EXPECT_EQ(picture.CurrentPen(), SolidPen(1, {0, 0, 0}));
  EXPECT_EQ(picture.CurrentBrush(), SolidBrush({255, 255, 255}));
  EXPECT_EQ(picture.CurrentFont(), kDefaultFont);
  // Asking for the state already in effect records nothing.
  picture.SetPen(1, {0, 0, 0});
  picture.SetBrush({255, 255, 255});
  picture.SetFont(kDefaultFont);
  EXPECT_TRUE(picture.Primitives().empty());
}

TEST(VectorPicture, RepeatedStateIsRecordedOnce) {
  VectorPicture picture;
  for (int i = 0; i < 1000; ++i) {
    picture.SetPen(10, kRed);
    picture.SetBrush(kRed);
    picture.AddEllipse({i, i, i + 10, i + 10});
  }
  picture.SetNoPen();
  picture.SetNoPen();
  picture.SetNoBrush();
  picture.AddEllipse({0, 0, 1, 1});
  EXPECT_EQ(picture.Primitives().size(), 1000u + 2 + 2 + 1);
  const auto shapes = Walk(picture);
  ASSERT_EQ(shapes.size(), 1001u);
  EXPECT_EQ(shapes[999].pen, SolidPen(10, kRed));
  EXPECT_EQ(shapes[999].brush, SolidBrush(kRed));
  EXPECT_EQ(shapes[999].box, (Box{999, 999, 1009, 1009}));
  EXPECT_EQ(shapes[1000].pen, kNoPen);
  EXPECT_EQ(shapes[1000].brush, kNoBrush);
}

TEST(VectorPicture, RecordsStaySmall) {
  // A million marks must not cost a heap block or more than a few words each.
  EXPECT_LE(sizeof(Primitive), 24u);
}

TEST(VectorPicture, PointListsShareOnePool) {
  VectorPicture picture;
  const Point triangle[] = {{0, 0}, {10, 0}, {5, 8}};
  const Point line[] = {{1, 1}, {2, 2}};
  const Point lonely[] = {{7, 7}};
  picture.AddPolygon(triangle);
  picture.AddPolyline(line);
  picture.AddPolyline(lonely);  // one point: nothing to draw
  picture.AddPolygon({});
  const auto shapes = Walk(picture);
  ASSERT_EQ(shapes.size(), 2u);
  EXPECT_EQ(shapes[0].kind, Kind::kPolygon);
  EXPECT_EQ(shapes[0].points, std::vector<Point>(std::begin(triangle), std::end(triangle)));
  EXPECT_EQ(shapes[1].kind, Kind::kPolyline);
  EXPECT_EQ(shapes[1].points, std::vector<Point>(std::begin(line), std::end(line)));
}

TEST(VectorPicture, PolyPolygonDropsRingsTooShortToDraw) {
  VectorPicture picture;
  const Point points[] = {{0, 0}, {9, 0}, {9, 9}, {5, 5}, {1, 1}, {3, 1}, {3, 3}, {8, 8}};
  const std::uint32_t rings[] = {3, 1, 3, 0, 5};  // the last ring has only 1 point left
  picture.AddPolyPolygon(points, rings);
  ASSERT_EQ(picture.Primitives().size(), 1u);
  const auto& shape = std::get<PolyPolygonShape>(picture.Primitives()[0]);
  const auto kept = picture.RingSizesOf(shape);
  EXPECT_EQ(std::vector<std::uint32_t>(kept.begin(), kept.end()), (std::vector<std::uint32_t>{3, 3}));
  const auto pts = picture.PointsOf(shape);
  EXPECT_EQ(std::vector<Point>(pts.begin(), pts.end()),
            (std::vector<Point>{{0, 0}, {9, 0}, {9, 9}, {1, 1}, {3, 1}, {3, 3}}));

  VectorPicture empty;
  const std::uint32_t dots[] = {1, 1};
  empty.AddPolyPolygon(std::span<const Point>(points, 2), dots);
  EXPECT_TRUE(empty.Primitives().empty());
}

TEST(VectorPicture, FontsAreSharedByValue) {
  VectorPicture picture;
  const Font label{"Arial", 400, 400, kBlue};
  const Font bold{"Arial", 400, 700, kBlue};
  picture.SetFont(label);
  picture.AddText({10, 20}, "n = 5");
  picture.SetFont(bold);
  picture.SetFont(label);
  picture.AddText({10, 600}, "");  // nothing to write
  picture.AddText({10, 600}, "kontury");
  ASSERT_EQ(picture.Fonts().size(), 3u);  // the default, label, bold
  EXPECT_EQ(picture.Fonts()[1], label);
  const auto& prims = picture.Primitives();
  ASSERT_EQ(prims.size(), 5u);
  EXPECT_EQ(std::get<FontChange>(prims[0]).font, 1u);
  EXPECT_EQ(std::get<FontChange>(prims[3]).font, 1u);
  const auto& text = std::get<TextShape>(prims[4]);
  EXPECT_EQ(picture.TextOf(text), "kontury");
  EXPECT_EQ(text.position, (Point{10, 600}));
}

TEST(SweepOf, CounterclockwiseOnThePicture) {
  constexpr double kPi = 3.14159265358979323846;
  struct Case {
    Point start;
    Point end;
    double start_angle;
    double sweep;
  };
  // Box centred at (100, 100), radii 100 x 50. y grows downward, so the top
  // of the picture is the angle -pi/2.
  const Case cases[] = {
      {{200, 100}, {100, 0}, 0, kPi / 2},                  // east to north: a quarter
      {{100, 0}, {200, 100}, -kPi / 2, 3 * kPi / 2},       // north to east the long way
      {{300, 100}, {250, 100}, 0, 2 * kPi},                // same ray: whole ellipse
      {{200, 150}, {200, 50}, std::atan2(1, 1), kPi / 2},  // rays scaled by the radii
  };
  for (const auto& c : cases) {
    const ArcSweep a = SweepOf({0, 50, 200, 150}, c.start, c.end);
    EXPECT_DOUBLE_EQ(a.cx, 100);
    EXPECT_DOUBLE_EQ(a.cy, 100);
    EXPECT_DOUBLE_EQ(a.rx, 100);
    EXPECT_DOUBLE_EQ(a.ry, 50);
    EXPECT_NEAR(a.start_angle, c.start_angle, 1e-12);
    EXPECT_NEAR(a.sweep, c.sweep, 1e-12);
  }
}

}  // namespace
}  // namespace velkar::export_
