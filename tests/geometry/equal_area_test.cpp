#include "geometry/equal_area.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "geometry/angles.hpp"

namespace velkar::geometry {
namespace {

TEST(EqualAreaRadius, CentreRimAndBeyond) {
  struct Case {
    double dip, radius;
  };
  const Case cases[] = {
      {90, 0}, {0, 1}, {-90, std::sqrt(2.0)}, {60, std::sqrt(2.0) * std::sin(15 * kPi / 180)}, {-0.0, 1},
  };
  for (const Case& c : cases) EXPECT_NEAR(EqualAreaRadius(c.dip), c.radius, 1e-15) << c.dip;
  EXPECT_TRUE(std::isnan(EqualAreaRadius(std::numeric_limits<double>::quiet_NaN())));
}

// From one strike end (line 0, just short of it) through the dip line
// (line 45) to the other (line 90), turning one way; a horizontal plane
// runs along the rim, a vertical one through the centre, where the
// azimuth of its vertical line is of no account.
TEST(GreatCircleProfile, FromStrikeThroughTheDipLineToStrike) {
  for (double dip : {0.0, 1.0, 30.0, 64.5, 89.0, 90.0}) {
    const GreatCircleProfile p = GreatCircleProfileOf(dip);
    EXPECT_EQ(p.dip, dip);
    EXPECT_GE(p.azimuth_offset[0], -90) << dip;
    EXPECT_LT(p.azimuth_offset[0], -89.7) << dip;
    EXPECT_NEAR(p.radius[0], 1, 0.01) << dip;
    EXPECT_NEAR(p.radius[45], EqualAreaRadius(dip), 1e-12) << dip;
    if (dip < 90) {
      EXPECT_NEAR(p.azimuth_offset[45], 0, 1e-9) << dip;
    }
    EXPECT_EQ(p.azimuth_offset[90], 90) << dip;
    EXPECT_NEAR(p.radius[90], 1, 1e-15) << dip;
    for (int i = 1; i < kGreatCircleLines; ++i) EXPECT_GE(p.azimuth_offset[i], p.azimuth_offset[i - 1]) << dip;
  }
  for (double r : GreatCircleProfileOf(0).radius) EXPECT_NEAR(r, 1, 1e-15);
  EXPECT_NEAR(GreatCircleProfileOf(90).radius[45], 0, 1e-8);
}

bool SameBits(const GreatCircleProfile& a, const GreatCircleProfile& b) {
  return std::memcmp(&a.dip, &b.dip, sizeof a.dip) == 0 &&
         std::memcmp(a.azimuth_offset.data(), b.azimuth_offset.data(), sizeof a.azimuth_offset) == 0 &&
         std::memcmp(a.radius.data(), b.radius.data(), sizeof a.radius) == 0;
}

// A plot's profiles are those of exactly their dips: dips a tenth or one
// unit in the last place apart, the two zeros and NaN each get their own,
// also when asked again and after the store has started over.
TEST(GreatCircleProfiles, EachDipGetsItsOwnProfile) {
  const double dips[] = {30, 30.2, std::nextafter(30.0, 31.0), 0.0, -0.0, 89.9,
                         std::numeric_limits<double>::quiet_NaN()};
  GreatCircleProfiles profiles;
  for (int round = 0; round < 2; ++round)
    for (double dip : dips) EXPECT_TRUE(SameBits(profiles.Of(dip), GreatCircleProfileOf(dip))) << dip;
  for (std::size_t i = 0; i <= GreatCircleProfiles::kMaxKept; ++i) profiles.Of(0.01 * static_cast<double>(i));
  for (double dip : dips) EXPECT_TRUE(SameBits(profiles.Of(dip), GreatCircleProfileOf(dip))) << dip;
}

}  // namespace
}  // namespace velkar::geometry
