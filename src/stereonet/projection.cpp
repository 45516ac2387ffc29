#include "stereonet/projection.hpp"

#include <cmath>

#include "geometry/angles.hpp"
#include "geometry/equal_area.hpp"
#include "geometry/numbers.hpp"

namespace velkar::stereonet {

using namespace velkar::geometry;

raster::SurfacePoint ProjectOrientation(Orientation o, double k) {
  return ProjectAtRadius(o.azimuth, EqualAreaRadius(o.dip), k);
}

raster::SurfacePoint ProjectAtRadius(double azimuth, double radius, double k) {
  double sine = 0, cosine = 0;
  SinCosDeg(azimuth, sine, cosine);
  return {(kDiagram.centre_x + kDiagram.radius_x * radius * sine) * k,
          (kDiagram.centre_y - kDiagram.radius_y * radius * cosine) * k};
}

Orientation UnprojectPoint(double x, double y, double k) {
  const double u = (x - RoundHalfEven(kDiagram.centre_x * k)) / RoundHalfEven(kDiagram.radius_x * k);
  const double v = (y - RoundHalfEven(kDiagram.centre_y * k)) / RoundHalfEven(kDiagram.radius_y * k);
  const bool at_centre = u == 0 && v == 0;
  const double d = at_centre ? 0.0 : std::sqrt(u * u + v * v);
  const double dip = 90 - 2 * ArcSinDeg(d / std::sqrt(2.0));
  const double azimuth = at_centre ? 0.0 : Wrap360(AzimuthOf(v, u) + 90);
  return {azimuth, dip};
}

}  // namespace velkar::stereonet
