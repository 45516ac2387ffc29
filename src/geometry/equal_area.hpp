// Quantities of the lower-hemisphere equal-area net that the raster diagram
// and the vector picture share: the radius of a line's point and the lines a
// great circle is drawn through. Degrees throughout; the net's radius is 1.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <unordered_map>

namespace velkar::geometry {

// sqrt(2) sin((90 - dip) / 2): 0 for a vertical line, 1 for a horizontal
// one, over 1 for a negative dip. Any finite dip; NaN stays NaN.
double EqualAreaRadius(double dip);

// A great circle is drawn through 91 lines of its plane, every 2 degrees of
// pitch from one strike end to the other.
inline constexpr int kGreatCircleLines = 91;

// The lines of a great circle relative to the plane's dip direction, which
// depend on the dip alone. Line i has pitch p = 180 - 2i (179.8 for i = 0,
// so that its azimuth offset keeps its sign), plunge asin(sin dip sin p) and
// azimuth dip direction + azimuth_offset[i], where the offset is atan(1 / g)
// with g = cos dip tan p, and 90 where g is 0. Line 45 is the dip line
// (offset about 0; on a vertical plane the vertical line, radius 0, whatever
// its offset), line 90 the strike end at dip direction + 90.
struct GreatCircleProfile {
  double dip = 0;
  std::array<double, kGreatCircleLines> azimuth_offset{};
  std::array<double, kGreatCircleLines> radius{};  // EqualAreaRadius of the plunge
};

// The profile of a plane of this dip; a NaN dip gives NaN offsets and radii.
GreatCircleProfile GreatCircleProfileOf(double dip);

// Profiles by dip for the planes of one plot: field data repeat a few dips
// (whole degrees or tenths), and the trigonometry of a profile is most of
// the cost of a great circle. Holds at most kMaxKept profiles (about 1.5 kB
// each) and starts over when full.
class GreatCircleProfiles {
 public:
  static constexpr std::size_t kMaxKept = 1024;

  // The profile of this dip, valid until the next call.
  const GreatCircleProfile& Of(double dip);

 private:
  // By the dip's bits, so that every NaN and -0 find their own entry.
  std::unordered_map<std::uint64_t, GreatCircleProfile> kept_;
};

}  // namespace velkar::geometry
