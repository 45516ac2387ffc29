#include "export/emf_primitives.hpp"

#include <cmath>

#include "geometry/angles.hpp"
#include "geometry/equal_area.hpp"
#include "geometry/numbers.hpp"

namespace velkar::export_ {

namespace {

using geometry::Orientation;

constexpr data::Rgb kBlack{0, 0, 0};

std::int32_t CeilOffset(double v) { return static_cast<std::int32_t>(std::ceil(v)); }

std::int32_t RoundOffset(double v) { return static_cast<std::int32_t>(geometry::RoundHalfEven(v)); }

// Projection of the direction of this azimuth and equal-area radius with the
// offsets rounded to the nearest integer.
Point ProjectRounded(double azimuth, double rho) {
  double sine = 0, cosine = 0;
  geometry::SinCosDeg(azimuth, sine, cosine);
  return {kNetCentreX + RoundOffset(sine * rho * kNetRadiusX),
          kNetCentreY - RoundOffset(cosine * rho * kNetRadiusY)};
}

std::int32_t Corner(std::int32_t c, double offset) {
  return static_cast<std::int32_t>(geometry::RoundHalfEven(c + offset));
}

void Line(VectorPicture& picture, Point a, Point b) {
  const Point line[] = {a, b};
  picture.AddPolyline(line);
}

}  // namespace

Point EmfProject(Orientation o) {
  const double rho = geometry::EqualAreaRadius(o.dip);
  double sine = 0, cosine = 0;
  geometry::SinCosDeg(o.azimuth, sine, cosine);
  return {kNetCentreX + CeilOffset(sine * rho * kNetRadiusX),
          kNetCentreY - CeilOffset(cosine * rho * kNetRadiusY)};
}

void EmfNetDisc(VectorPicture& picture) {
  picture.SetNoPen();
  picture.SetBrush(kNetDiscColour);
  picture.AddEllipse({kNetCentreX - kNetRadiusX, kNetCentreY - kNetRadiusY, kNetCentreX + kNetRadiusX,
                      kNetCentreY + kNetRadiusY});
}

void EmfFrame(VectorPicture& picture, int e) {
  constexpr std::int32_t cx = kNetCentreX;
  constexpr std::int32_t cy = kNetCentreY;
  constexpr std::int32_t t = kTickLength;
  picture.SetPen(kNetCirclePenWidth, kBlack);
  picture.SetNoBrush();
  picture.AddEllipse({cx - kNetRadiusX, cy - kNetRadiusY, cx + kNetRadiusX, cy + kNetRadiusY});
  picture.SetPen(kFramePenWidth, kBlack);

  const bool cross = e == 1 || e == 3 || e == 5 || e == 7;
  const bool ticks = e == 2 || e == 3 || e == 6 || e == 7;
  const bool north_tick = e >= 2 && e <= 7;
  const bool letter = e >= 4 && e <= 7;
  if (cross) {
    Line(picture, {cx - t, cy}, {cx + t, cy});
    Line(picture, {cx, cy - t}, {cx, cy + t});
  }
  if (ticks) {
    const std::int32_t west = cx - kNetRadiusX;
    const std::int32_t east = cx + kNetRadiusX;
    const std::int32_t south = cy + kNetRadiusY;
    Line(picture, {west, cy}, {west + t, cy});
    Line(picture, {east, cy}, {east - t, cy});
    Line(picture, {cx, south}, {cx, south - t});
  }
  if (north_tick) {
    const std::int32_t north = cy - kNetRadiusY;
    Line(picture, {cx, north - t}, {cx, north + t});
  }
  if (letter) {
    const Point n[] = {{5820, 650}, {5820, 350}, {6060, 650}, {6060, 350}};
    picture.AddPolyline(n);
  }
}

void EmfPoint(VectorPicture& picture, Orientation o, data::Rgb colour, double a) {
  const Point p = EmfProject(o);
  picture.SetNoPen();
  picture.SetBrush(colour);
  picture.AddEllipse({Corner(p.x, -a), Corner(p.y, -a), Corner(p.x, a + 1), Corner(p.y, a + 1)});
}

void EmfSymbol(VectorPicture& picture, SymbolShape shape, Orientation o, data::Rgb colour, bool filled,
               double b) {
  const Point p = EmfProject(o);
  picture.SetPen(kSymbolPenWidth, colour);
  if (filled) {
    picture.SetBrush(colour);
  } else {
    picture.SetNoBrush();
  }
  const std::int32_t left = Corner(p.x, -b);
  const std::int32_t right = Corner(p.x, b);
  const std::int32_t top = Corner(p.y, -b);
  const std::int32_t bottom = Corner(p.y, b);
  switch (shape) {
    case SymbolShape::kCircle:
      picture.AddEllipse({left, top, right, bottom});
      break;
    case SymbolShape::kTriangle: {
      const Point corners[] = {{p.x, top}, {right, bottom}, {left, bottom}};
      picture.AddPolygon(corners);
      break;
    }
    case SymbolShape::kSquare: {
      const Point corners[] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
      picture.AddPolygon(corners);
      break;
    }
    case SymbolShape::kDiamond: {
      const Point corners[] = {{p.x, top}, {right, p.y}, {p.x, bottom}, {left, p.y}};
      picture.AddPolygon(corners);
      break;
    }
  }
}

std::array<Point, kGreatCirclePoints> GreatCirclePoints(Orientation plane) {
  return GreatCirclePoints(plane.azimuth, geometry::GreatCircleProfileOf(plane.dip));
}

std::array<Point, kGreatCirclePoints> GreatCirclePoints(double dip_direction,
                                                        const geometry::GreatCircleProfile& profile) {
  constexpr int kMiddle = kGreatCirclePoints / 2;  // 45
  std::array<Point, kGreatCirclePoints> points{};
  points[kMiddle] = ProjectRounded(dip_direction, geometry::EqualAreaRadius(profile.dip));
  // The profile's lines past the dip line have pitches 88, 86, ..., 0: the
  // k-th of them gives the points k away from the middle on both sides.
  for (int k = 1; k <= kMiddle; ++k) {
    const double delta = profile.azimuth_offset[kMiddle + k];
    const double rho = profile.radius[kMiddle + k];
    points[kMiddle - k] = ProjectRounded(dip_direction - delta, rho);
    points[kMiddle + k] = ProjectRounded(dip_direction + delta, rho);
  }
  return points;
}

void EmfGreatCircle(VectorPicture& picture, Orientation plane, data::Rgb colour) {
  EmfGreatCircle(picture, plane.azimuth, geometry::GreatCircleProfileOf(plane.dip), colour);
}

void EmfGreatCircle(VectorPicture& picture, double dip_direction, const geometry::GreatCircleProfile& profile,
                    data::Rgb colour) {
  picture.SetPen(kGreatCirclePenWidth, colour);
  picture.AddPolyline(GreatCirclePoints(dip_direction, profile));
}

void EmfRing(VectorPicture& picture, Orientation o, data::Rgb colour) {
  const Point p = EmfProject(o);
  picture.SetPen(kRingPenWidth, colour);
  picture.SetNoBrush();
  picture.AddEllipse({p.x - kRingRadius, p.y - kRingRadius, p.x + kRingRadius + 1, p.y + kRingRadius + 1});
}

}  // namespace velkar::export_
