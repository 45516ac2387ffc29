#include "geometry/equal_area.hpp"

#include <bit>
#include <cmath>

#include "geometry/angles.hpp"

namespace velkar::geometry {

double EqualAreaRadius(double dip) { return std::sqrt(2.0) * SinDeg((90 - dip) / 2); }

GreatCircleProfile GreatCircleProfileOf(double dip) {
  GreatCircleProfile profile;
  profile.dip = dip;
  const double sin_dip = SinDeg(dip);
  const double cos_dip = CosDeg(dip);
  for (int i = 0; i < kGreatCircleLines; ++i) {
    const double pitch = i == 0 ? 179.8 : 180.0 - 2.0 * i;
    const double g = cos_dip * TanDeg(pitch);
    profile.azimuth_offset[i] = g != 0 ? ArcTanDeg(1 / g) : 90.0;
    profile.radius[i] = EqualAreaRadius(ArcSinDeg(sin_dip * SinDeg(pitch)));
  }
  return profile;
}

const GreatCircleProfile& GreatCircleProfiles::Of(double dip) {
  const auto key = std::bit_cast<std::uint64_t>(dip);
  if (const auto found = kept_.find(key); found != kept_.end()) return found->second;
  if (kept_.size() >= kMaxKept) kept_.clear();
  return kept_.emplace(key, GreatCircleProfileOf(dip)).first->second;
}

}  // namespace velkar::geometry
