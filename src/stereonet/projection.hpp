// Lower-hemisphere equal-area (Lambert, Schmidt) projection between
// orientations and points of a drawing surface. Surface X grows to the right,
// Y downward; north is at the top of the net, east to the right.
#pragma once

#include "geometry/vectors.hpp"
#include "raster/surface_point.hpp"

namespace velkar::stereonet {

// The net in diagram units; a scale factor k turns them into pixels (1.5 for
// the 500 x 513 main diagram: centre (247.5, 262.5), radius 225).
struct DiagramGeometry {
  short centre_x = 165;
  short radius_x = 150;
  short centre_y = 175;
  short radius_y = 150;
};
inline constexpr DiagramGeometry kDiagram{};
inline constexpr double kMainScale = 1.5;

// Surface position of a lower-hemisphere direction. Not normalised: a dip
// over 90 lands on the opposite side, where the normalised line falls.
raster::SurfacePoint ProjectOrientation(geometry::Orientation o, double k);
// The same for a direction given by its azimuth and its equal-area radius
// (geometry::EqualAreaRadius of its dip), for callers that keep the radius.
raster::SurfacePoint ProjectAtRadius(double azimuth, double radius, double k);

// The direction whose projection is at (x, y). The inverse uses the centre
// and radius rounded to whole pixels (for k = 1.5: centre (248, 262), radius
// 225). Outside the primitive circle the dip is negative, -90 from sqrt(2)
// radii on. Reentrant and allocation-free.
geometry::Orientation UnprojectPoint(double x, double y, double k);

}  // namespace velkar::stereonet
