#include "export/emf_primitives.hpp"

#include <cmath>

#include "geometry/angles.hpp"
#include "geometry/numbers.hpp"

namespace velkar::export_ {

namespace {

using geometry::Orientation;

constexpr data::Rgb kBlack{0, 0, 0};
constexpr double kSqrt2 = 1.41421356237309504880;
// Below any real difference in a drawing space of 12000 units, far above the
// rounding noise of products of a few thousand.

// Relative radius of the equal-area projection of a line of this dip.
double EqualAreaRadius(double dip) { return kSqrt2 * geometry::SinDeg((90.0 - dip) / 2.0); }

std::int32_t CeilOffset(double v) { return static_cast<std::int32_t>(std::ceil(v)); }

std::int32_t RoundOffset(double v) { return static_cast<std::int32_t>(geometry::RoundHalfEven(v)); }

// Projection of (az, dip) with the offsets rounded to the nearest integer.
Point ProjectRounded(double azimuth, double dip) {
  const double rho = EqualAreaRadius(dip);
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
  const double rho = EqualAreaRadius(o.dip);
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
  constexpr int kMiddle = kGreatCirclePoints / 2;  // 45
  std::array<Point, kGreatCirclePoints> points{};
  points[kMiddle] = ProjectRounded(plane.azimuth, plane.dip);
  const double sin_dip = geometry::SinDeg(plane.dip);
  const double cos_dip = geometry::CosDeg(plane.dip);
  for (int k = 1; k <= kMiddle; ++k) {
    const double t = 90.0 - 2.0 * k;
    const double plunge = geometry::ArcSinDeg(geometry::SinDeg(t) * sin_dip);
    const double g = cos_dip * geometry::TanDeg(t);
    const double delta = g == 0 ? 90.0 : geometry::ArcTanDeg(1.0 / g);
    points[kMiddle - k] = ProjectRounded(plane.azimuth - delta, plunge);
    points[kMiddle + k] = ProjectRounded(plane.azimuth + delta, plunge);
  }
  return points;
}

void EmfGreatCircle(VectorPicture& picture, Orientation plane, data::Rgb colour) {
  picture.SetPen(kGreatCirclePenWidth, colour);
  const auto points = GreatCirclePoints(plane);
  picture.AddPolyline(points);
}

void EmfRing(VectorPicture& picture, Orientation o, data::Rgb colour) {
  const Point p = EmfProject(o);
  picture.SetPen(kRingPenWidth, colour);
  picture.SetNoBrush();
  picture.AddEllipse({p.x - kRingRadius, p.y - kRingRadius, p.x + kRingRadius + 1, p.y + kRingRadius + 1});
}

}  // namespace velkar::export_
