#include "stereonet/projection.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace velkar::stereonet {
namespace {

using geometry::Orientation;
using raster::SurfacePoint;

TEST(Projection, ForwardWorkedExamples) {
  struct Case {
    Orientation o;
    double x, y;
  };
  const Case cases[] = {
      {{0, 90}, 247.5, 262.5}, {{0, 0}, 247.5, 37.5},  {{90, 0}, 472.5, 262.5}, {{180, 0}, 247.5, 487.5},
      {{270, 0}, 22.5, 262.5}, {{45, 30}, 360.0, 150.0},
  };
  for (const Case& c : cases) {
    const SurfacePoint p = ProjectOrientation(c.o, kMainScale);
    EXPECT_NEAR(p.x, c.x, 1e-9) << c.o.azimuth << "/" << c.o.dip;
    EXPECT_NEAR(p.y, c.y, 1e-9) << c.o.azimuth << "/" << c.o.dip;
  }
  // A dip over 90 lands where the normalised line does.
  const SurfacePoint over = ProjectOrientation({10, 120}, kMainScale);
  const SurfacePoint normal = ProjectOrientation({190, 60}, kMainScale);
  EXPECT_NEAR(over.x, normal.x, 1e-9);
  EXPECT_NEAR(over.y, normal.y, 1e-9);
  // Other scales: the digitizer's k = 1.
  const SurfacePoint unit = ProjectOrientation({90, 0}, 1.0);
  EXPECT_NEAR(unit.x, 315, 1e-9);
  EXPECT_NEAR(unit.y, 175, 1e-9);
}

TEST(Projection, InverseUsesRoundedCentre) {
  struct Case {
    double x, y;
    Orientation o;
  };
  const Case cases[] = {
      {248, 262, {0, 90}},
      {248, 37, {0, 0}},
      {473, 262, {90, 0}},
      {248, 487, {180, 0}},
      {23, 262, {270, 0}},
      {600, 600, {0, -90}},  // azimuth checked separately
  };
  for (const Case& c : cases) {
    const Orientation o = UnprojectPoint(c.x, c.y, kMainScale);
    if (c.o.dip != -90) {
      EXPECT_NEAR(o.azimuth, c.o.azimuth, 1e-9) << c.x << "," << c.y;
    }
    EXPECT_NEAR(o.dip, c.o.dip, 1e-9) << c.x << "," << c.y;
  }
  const Orientation outside = UnprojectPoint(248, 0, kMainScale);
  EXPECT_NEAR(outside.azimuth, 0, 1e-9);
  EXPECT_LT(outside.dip, 0);
  // Half a pixel from the forward centre: (247.5, 262.5) is not the pole.
  EXPECT_LT(UnprojectPoint(247.5, 262.5, kMainScale).dip, 90);
}

TEST(Projection, RoundTrip) {
  // The inverse centre is (248, 262); shifting by the half pixel makes it
  // the exact inverse of the forward mapping.
  for (double az = 0; az < 360; az += 23)
    for (double dip = 1; dip < 90; dip += 11) {
      const SurfacePoint p = ProjectOrientation({az, dip}, kMainScale);
      const Orientation o = UnprojectPoint(p.x + 0.5, p.y - 0.5, kMainScale);
      EXPECT_NEAR(o.azimuth, az, 1e-9) << az << "/" << dip;
      EXPECT_NEAR(o.dip, dip, 1e-9) << az << "/" << dip;
    }
}

}  // namespace
}  // namespace velkar::stereonet
