#include "stereonet/canvas.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "stereonet/projection.hpp"

namespace velkar::stereonet {
namespace {

using geometry::Orientation;
using raster::Argb;
using raster::RasterImage;
using raster::SurfacePoint;
using PixelSet = std::set<std::pair<int, int>>;

constexpr double k = kMainScale;
constexpr data::Rgb kRed{255, 0, 0};
constexpr data::Rgb kBlack{0, 0, 0};
constexpr Argb kWhite{255, 255, 255, 255};
constexpr Argb kNetFill{255, 253, 255, 255};
constexpr Argb kShadowGrey{255, 240, 240, 240};

// Points of the net used below: (45, 30) -> (360.0, 150.0), (0, 90) -> the
// centre (247.5, 262.5), (90, 0) -> the east end (472.5, 262.5).
constexpr Orientation kNorthEast{45, 30};
constexpr Orientation kCentre{0, 90};
constexpr Orientation kEast{90, 0};

PixelSet DrawnPixels(const RasterImage& image) {
  PixelSet set;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.Pixel(x, y).alpha != 0) set.insert({x, y});
    }
  }
  return set;
}

PixelSet Differences(const RasterImage& image, const RasterImage& before) {
  PixelSet set;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!(image.Pixel(x, y) == before.Pixel(x, y))) set.insert({x, y});
    }
  }
  return set;
}

// The textbook midpoint circle (eight octants, decision 1 - r), written
// independently of the canvas's ellipse routine.
PixelSet ReferenceCircle(int xc, int yc, int r, bool filled) {
  PixelSet outline;
  int x = 0;
  int y = r;
  int d = 1 - r;
  while (x <= y) {
    for (auto [a, b] : {std::pair{x, y}, std::pair{y, x}}) {
      outline.insert({xc + a, yc + b});
      outline.insert({xc - a, yc + b});
      outline.insert({xc + a, yc - b});
      outline.insert({xc - a, yc - b});
    }
    if (d < 0) {
      d += 2 * x + 3;
    } else {
      d += 2 * (x - y) + 5;
      --y;
    }
    ++x;
  }
  if (!filled) return outline;
  PixelSet disc;
  for (int row = yc - r; row <= yc + r; ++row) {
    int lo = xc + r + 1;
    int hi = xc - r - 1;
    for (auto [px, py] : outline) {
      if (py == row) {
        lo = std::min(lo, px);
        hi = std::max(hi, px);
      }
    }
    for (int px = lo; px <= hi; ++px) disc.insert({px, row});
  }
  return disc;
}

double DistanceFromNetCentre(int x, int y) { return std::hypot(x - 247.5, y - 262.5); }

bool IsDark(Argb p) { return p.alpha == 255 && std::max({p.red, p.green, p.blue}) < 100; }


// A net without shadow, the background most drawing happens on.
RasterImage EmptyNet() {
  RasterImage image;
  DrawNetBase(image, false, k);
  return image;
}

TEST(Canvas, ShadowAlphas) {
  const int expected[] = {150, 124, 103, 85, 69, 56, 45, 35, 27, 20, 14, 9, 4};
  for (int i = 0; i < 13; ++i) EXPECT_EQ(ShadowOutlineAlpha(i), expected[i]) << i;
}

TEST(CircleSymbol, ExactPixelSetsAgainstMidpointReference) {
  struct Case {
    Orientation at;
    int xc, yc;  // the rounded centre, halves to even
  };
  const Case places[] = {{kNorthEast, 360, 150}, {kCentre, 248, 262}, {kEast, 472, 262}};
  for (const Case& place : places) {
    for (int r : {0, 1, 2, 3, 5, 7, 12, 25}) {
      for (bool filled : {false, true}) {
        RasterImage image;
        DrawCircleSymbol(image, place.at, kRed, k, r, filled);
        const PixelSet drawn = DrawnPixels(image);
        EXPECT_EQ(drawn, ReferenceCircle(place.xc, place.yc, r, filled))
            << "r " << r << " filled " << filled << " at " << place.xc;
        for (auto [x, y] : drawn) ASSERT_EQ(image.Pixel(x, y), Argb::Opaque(kRed));
        // Exactly inside the rectangle (xc - r, yc - r) .. (xc + r, yc + r).
        EXPECT_EQ(drawn.begin()->first, place.xc - r);
        EXPECT_EQ(drawn.rbegin()->first, place.xc + r);
      }
    }
  }
  // The small cases spelled out: r = 0 one pixel, r = 1 a ring of four
  // around an empty centre, filled a plus.
  EXPECT_EQ(ReferenceCircle(0, 0, 0, false), (PixelSet{{0, 0}}));
  EXPECT_EQ(ReferenceCircle(0, 0, 1, false), (PixelSet{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}));
  EXPECT_EQ(ReferenceCircle(0, 0, 1, true), (PixelSet{{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {0, 0}}));
}

TEST(CircleSymbol, ClipsAtTheEdgeAndSkipsNonFinitePositions) {
  RasterImage image;
  // West end (22.5, 262.5) -> centre (22, 262); a radius of 30 reaches past
  // the left edge.
  DrawCircleSymbol(image, Orientation{270, 0}, kRed, k, 30, true);
  EXPECT_EQ(image.Pixel(0, 262), Argb::Opaque(kRed));
  EXPECT_EQ(image.Pixel(52, 262), Argb::Opaque(kRed));
  EXPECT_EQ(image.Pixel(53, 262).alpha, 0);

  RasterImage clean;
  DrawCircleSymbol(clean, Orientation{std::nan(""), 10}, kRed, k, 3, true);
  DrawCircleSymbol(clean, kCentre, kRed, 1e300, 3, true);
  DrawCircleSymbol(clean, kCentre, kRed, -1e12, 3, false);
  EXPECT_TRUE(DrawnPixels(clean).empty());
}

// The polygon symbols at (360.0, 150.0) on the empty net: whole pixel
// coordinates are pixel centres, so each shape sits symmetrically around
// pixel (360, 150).
TEST(PolygonSymbols, FilledAndOpenGeometry) {
  using Draw = void (*)(RasterImage&, Orientation, data::Rgb, double, int, bool);
  struct Case {
    const char* name;
    Draw draw;
    bool mirror_vertically;  // the triangle is only mirrored left to right
    std::pair<int, int> ring;  // a pixel on the outline, relative to the centre
    std::pair<int, int> outside;  // just beyond the outline
  };
  const Case cases[] = {
      {"triangle", DrawTriangleSymbol, false, {0, 4}, {0, 6}},   // base at Y + 3.9
      {"square", DrawSquareSymbol, true, {3, 0}, {5, 0}},        // side at X + 3
      {"diamond", DrawDiamondSymbol, true, {0, -4}, {0, -6}},    // top at Y - 4.5
  };
  const RasterImage background = EmptyNet();
  for (const Case& c : cases) {
    for (bool filled : {true, false}) {
      RasterImage image = EmptyNet();
      c.draw(image, kNorthEast, kBlack, k, 3, filled);
      const Argb centre = image.Pixel(360, 150);
      if (filled) {
        EXPECT_EQ(centre, Argb::Opaque(kBlack)) << c.name;
      } else {
        EXPECT_EQ(centre, kNetFill) << c.name;
      }
      EXPECT_LT(image.Pixel(360 + c.ring.first, 150 + c.ring.second).red, 200) << c.name << filled;
      EXPECT_EQ(image.Pixel(360 + c.outside.first, 150 + c.outside.second), kNetFill) << c.name << filled;
      // Nothing beyond the symbol's box, and mirror symmetry about pixel 360
      // (and row 150) up to anti-aliasing noise.
      for (auto [x, y] : Differences(image, background)) {
        EXPECT_LE(std::abs(x - 360), 5) << c.name;
        EXPECT_LE(std::abs(y - 150), 5) << c.name;
        EXPECT_NEAR(image.Pixel(x, y).red, image.Pixel(720 - x, y).red, 12) << c.name << x << "," << y;
        if (c.mirror_vertically) {
          EXPECT_NEAR(image.Pixel(x, y).red, image.Pixel(x, 300 - y).red, 12) << c.name << x << "," << y;
        }
      }
    }
  }
  // The filled square from (357, 147) to (363, 153): pixels 358..362 are
  // covered whole, the edge pixels 357 and 363 half (their centres lie on the
  // sides).
  RasterImage square = EmptyNet();
  DrawSquareSymbol(square, kNorthEast, kBlack, k, 3, true);
  for (int y = 148; y <= 152; ++y) {
    for (int x = 358; x <= 362; ++x) EXPECT_EQ(square.Pixel(x, y), Argb::Opaque(kBlack)) << x << "," << y;
    EXPECT_NEAR(square.Pixel(357, y).red, 127, 3);
    EXPECT_NEAR(square.Pixel(363, y).red, 127, 3);
  }
  EXPECT_EQ(square.Pixel(356, 150), kNetFill);
}

TEST(PolygonSymbols, DegenerateSizeZeroLeavesTheCanvasWorking) {
  const RasterImage background = EmptyNet();
  RasterImage image = EmptyNet();
  for (bool filled : {true, false}) {
    DrawTriangleSymbol(image, kNorthEast, kBlack, k, 0, filled);
    DrawSquareSymbol(image, kNorthEast, kBlack, k, 0, filled);
    DrawDiamondSymbol(image, kNorthEast, kBlack, k, 0, filled);
    DrawDiamondSymbol(image, kNorthEast, kBlack, k, -2, filled);
    DrawSquareSymbol(image, Orientation{std::nan(""), 0}, kBlack, k, 3, filled);
  }
  EXPECT_EQ(cairo_status(image.cairo()), CAIRO_STATUS_SUCCESS);
  EXPECT_TRUE(Differences(image, background).empty());
  DrawSquareSymbol(image, kNorthEast, kBlack, k, 2, true);
  EXPECT_EQ(image.Pixel(360, 150), Argb::Opaque(kBlack));
}

TEST(GreatCircle, VerticalPlaneIsTheStrikeLineThroughTheCentre) {
  // Dip direction 90, dip 90: the strike runs north-south along X = 247.5;
  // a 2-pixel line covers columns 247 and 248 whole.
  RasterImage image = EmptyNet();
  DrawGreatCircle(image, Orientation{90, 90}, Argb{255, 255, 0, 0}, k, 2);
  for (int y = 45; y <= 480; y += 5) {
    EXPECT_EQ(image.Pixel(247, y), (Argb{255, 255, 0, 0})) << y;
    EXPECT_EQ(image.Pixel(248, y), (Argb{255, 255, 0, 0})) << y;
    EXPECT_EQ(image.Pixel(245, y), kNetFill) << y;
    EXPECT_EQ(image.Pixel(250, y), kNetFill) << y;
  }
  // Dip direction 0: the east-west line along Y = 262.5, here half opaque
  // blue over the net fill.
  RasterImage blended = EmptyNet();
  DrawGreatCircle(blended, Orientation{0, 90}, Argb{128, 0, 0, 255}, k, 2);
  for (int x = 45; x <= 450; x += 5) {
    const Argb p = blended.Pixel(x, 263);
    EXPECT_EQ(p.alpha, 255);
    EXPECT_NEAR(p.red, 253 * 127 / 255, 2) << x;
    EXPECT_NEAR(p.green, 255 * 127 / 255, 2) << x;
    EXPECT_EQ(p.blue, 255) << x;
    EXPECT_EQ(blended.Pixel(x, 259), kNetFill) << x;
  }
}

TEST(GreatCircle, HorizontalPlaneIsTheHalfRimAndDippingPlanesPassTheirDipLine) {
  RasterImage image;
  DrawGreatCircle(image, Orientation{0, 0}, Argb{255, 0, 0, 0}, k, 2);
  const auto drawn_near_rim = [&image](double azimuth) {
    const SurfacePoint p = ProjectOrientation(Orientation{azimuth, 0}, k);
    return image.Pixel(static_cast<int>(std::floor(p.x + 0.5)), static_cast<int>(std::floor(p.y + 0.5))).alpha > 0;
  };
  for (double azimuth = -85; azimuth <= 85; azimuth += 10) EXPECT_TRUE(drawn_near_rim(azimuth)) << azimuth;
  for (double azimuth = 95; azimuth <= 265; azimuth += 10) EXPECT_FALSE(drawn_near_rim(azimuth)) << azimuth;
  for (auto [x, y] : DrawnPixels(image)) {
    ASSERT_NEAR(DistanceFromNetCentre(x, y), 225, 2) << x << "," << y;
    ASSERT_LE(y, 263);
  }

  // A plane 120/40 contains its dip line, its strike and its lines at any
  // pitch.
  const Orientation plane{120, 40};
  RasterImage dipping;
  DrawGreatCircle(dipping, plane, Argb{255, 0, 0, 0}, k, 2);
  for (Orientation line : {Orientation{120, 40}, Orientation{30, 0}, Orientation{210, 0},
                           geometry::LineInPlaneAtPitch(plane, 30), geometry::LineInPlaneAtPitch(plane, 135)}) {
    const SurfacePoint p = ProjectOrientation(line, k);
    const int x = static_cast<int>(std::lround(p.x));
    const int y = static_cast<int>(std::lround(p.y));
    EXPECT_GT(dipping.Pixel(x, y).alpha, 0) << line.azimuth << "/" << line.dip;
  }
  // The line's width matters: none at zero or less.
  RasterImage none;
  DrawGreatCircle(none, Orientation{120, 40}, Argb{255, 0, 0, 0}, k, 0);
  DrawGreatCircle(none, Orientation{120, 40}, Argb{255, 0, 0, 0}, k, -1);
  DrawGreatCircle(none, Orientation{std::nan(""), 40}, Argb{255, 0, 0, 0}, k, 2);
  EXPECT_TRUE(DrawnPixels(none).empty());
}

TEST(NetBase, WithoutShadowOutsideIsOpaqueWhite) {
  const RasterImage image = EmptyNet();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const double d = DistanceFromNetCentre(x, y);
      const Argb p = image.Pixel(x, y);
      ASSERT_EQ(p.alpha, 255) << x << "," << y;
      if (d > 226) {
        ASSERT_EQ(p, kWhite) << x << "," << y;
      }
      if (d < 224) {
        ASSERT_EQ(p, kNetFill) << x << "," << y;
      }
    }
  }
}

TEST(NetBase, ShadowIsACrescentAtTheLowerRight) {
  RasterImage image;
  DrawNetBase(image, true, k);
  // The grey disc is the net disc moved 13 pixels, its box rounded halves
  // to even: pixels (36..486, 50..500) around (261, 275). Its east end lies
  // beyond the last outline (which ends at 485) and keeps the plain grey;
  // at the south end the last, faintest outline overlaps it.
  EXPECT_EQ(image.Pixel(486, 275), kShadowGrey);
  EXPECT_EQ(image.Pixel(487, 275), kWhite);
  EXPECT_LE(image.Pixel(261, 500).red, 240);
  EXPECT_EQ(image.Pixel(261, 501), kWhite);
  // Along the lower-right diagonal the crescent is grey, darkened by the
  // outlines; the upper left beyond the rim stays white.
  for (int d = 228; d <= 238; ++d) {
    const int offset = static_cast<int>(std::lround(d / std::sqrt(2.0)));
    const Argb lower_right = image.Pixel(248 + offset, 263 + offset);
    EXPECT_EQ(lower_right.alpha, 255);
    EXPECT_LE(std::max({lower_right.red, lower_right.green, lower_right.blue}), 240) << d;
    EXPECT_EQ(image.Pixel(247 - offset, 262 - offset), kWhite) << d;
  }
  EXPECT_EQ(image.Pixel(10, 10), kWhite);
  EXPECT_EQ(image.Pixel(499, 512), kWhite);
  // Inside, the net disc covers the shadow.
  EXPECT_EQ(image.Pixel(400, 400), kNetFill);
  EXPECT_EQ(image.Pixel(248, 262), kNetFill);
}

TEST(NetFrame, TicksCrossAndCircle) {
  RasterImage image = EmptyNet();
  DrawNetFrame(image, k);
  // Each 2.2-pixel stroke centred on a half-pixel line covers the two pixel
  // rows (or columns) beside it whole.
  const std::pair<int, int> black[] = {
      {26, 262},  {26, 263},                          // west tick 22.5..30
      {469, 262}, {469, 263},                         // east tick 465..472.5
      {247, 32},  {248, 32}, {247, 43}, {248, 43},    // north tick 30..45, above and below the rim
      {247, 484}, {248, 484},                         // south tick 480..487.5
      {241, 262}, {253, 263}, {247, 256}, {248, 268}, // centre cross, 7.5 pixels each way
      {442, 375},                                     // the rim at 30 degrees below east
  };
  for (auto [x, y] : black) EXPECT_TRUE(IsDark(image.Pixel(x, y))) << x << "," << y;
  const std::pair<int, int> untouched[] = {
      {26, 259}, {26, 266}, {35, 262}, {244, 258}, {251, 266}, {247, 50}, {247, 475}, {460, 262}, {238, 262},
  };
  for (auto [x, y] : untouched) EXPECT_EQ(image.Pixel(x, y), kNetFill) << x << "," << y;
}

int DarkPixelsIn(const RasterImage& image, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) n += IsDark(image.Pixel(x, y)) ? 1 : 0;
  }
  return n;
}

TEST(NetFrame, NorthLetterSitsBelowItsTopLeftCorner) {
  // The letter's cell starts at (241, 15); the north tick begins at row 30,
  // so rows 15..29 hold only the letter.
  RasterImage image = EmptyNet();
  DrawNetFrame(image, k);
  EXPECT_GT(DarkPixelsIn(image, 241, 15, 258, 29), 15);
  EXPECT_EQ(DarkPixelsIn(image, 220, 0, 280, 14), 0);
  EXPECT_EQ(DarkPixelsIn(image, 220, 15, 240, 29), 0);
  EXPECT_EQ(DarkPixelsIn(image, 259, 15, 280, 29), 0);

  RasterImage blank = EmptyNet();
  DrawNetFrame(blank, k, "");
  EXPECT_EQ(DarkPixelsIn(blank, 220, 0, 280, 29), 0);
  RasterImage other = EmptyNet();
  DrawNetFrame(other, k, "S");
  EXPECT_GT(DarkPixelsIn(other, 241, 15, 258, 29), 15);
}

}  // namespace
}  // namespace velkar::stereonet
