#include "stereonet/canvas.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "geometry/angles.hpp"
#include "geometry/numbers.hpp"
#include "raster/ellipse.hpp"
#include "raster/pixels.hpp"
#include "raster/sprite.hpp"
#include "raster/stroke.hpp"
#include "raster/text.hpp"
#include "stereonet/projection.hpp"

namespace velkar::stereonet {

using geometry::CosDeg;
using geometry::Orientation;
using geometry::RoundHalfEven;
using geometry::SinDeg;
using raster::Argb;
using raster::RasterImage;
using raster::SetSourceColour;
using raster::SurfacePoint;

namespace {

constexpr int kNetVertices = 180;
constexpr int kShadowOutlines = 13;
constexpr double kShadowOffset = 13;
constexpr double kFrameWidth = 2.2;
constexpr double kOpenSymbolWidth = 0.6;
constexpr double kNorthLetterPoints = 14;
constexpr double kOverlayWidth = 2;
constexpr int kOverlayRadius = 5;
constexpr data::Rgb kNetFill{253, 255, 255};
constexpr data::Rgb kShadowFill{240, 240, 240};
constexpr data::Rgb kWhite{255, 255, 255};

// Adds the closed 180-vertex primitive circle, moved by (dx, dy) pixels.
void AddNetCircle(cairo_t* cr, double k, double dx, double dy) {
  const double cx = k * kDiagram.centre_x + dx;
  const double cy = k * kDiagram.centre_y + dy;
  const double rx = k * kDiagram.radius_x;
  const double ry = k * kDiagram.radius_y;
  for (int i = 1; i <= kNetVertices; ++i) {
    const double x = cx + rx * CosDeg(2.0 * i);
    const double y = cy + ry * SinDeg(2.0 * i);
    if (i == 1) {
      cairo_move_to(cr, x, y);
    } else {
      cairo_line_to(cr, x, y);
    }
  }
  cairo_close_path(cr);
}

void AddSegment(cairo_t* cr, double x0, double y0, double x1, double y1) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
}

bool IsFinite(SurfacePoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Adds the closed polygon moved outward by h along its edge normals (inward
// for a negative h), with mitred corners: the outline a stroke of width 2|h|
// with mitre joins would have on that side. The vertices run clockwise on
// the screen, so the outward normal of an edge with direction (dx, dy) is
// (-dy, dx). Inward offsets reverse the order so that the two outlines of a
// ring wind in opposite senses.
void AddOffsetPolygon(cairo_t* cr, const SurfacePoint* v, int n, double h) {
  SurfacePoint out[4];
  for (int i = 0; i < n; ++i) {
    const SurfacePoint prev = v[(i + n - 1) % n];
    const SurfacePoint next = v[(i + 1) % n];
    const double l1 = std::hypot(v[i].x - prev.x, v[i].y - prev.y);
    const double l2 = std::hypot(next.x - v[i].x, next.y - v[i].y);
    const SurfacePoint n1{-(v[i].y - prev.y) / l1, (v[i].x - prev.x) / l1};
    const SurfacePoint n2{-(next.y - v[i].y) / l2, (next.x - v[i].x) / l2};
    const double f = h / (1 + n1.x * n2.x + n1.y * n2.y);
    out[i] = {v[i].x + f * (n1.x + n2.x), v[i].y + f * (n1.y + n2.y)};
  }
  if (h >= 0) {
    cairo_move_to(cr, out[0].x, out[0].y);
    for (int i = 1; i < n; ++i) cairo_line_to(cr, out[i].x, out[i].y);
  } else {
    cairo_move_to(cr, out[n - 1].x, out[n - 1].y);
    for (int i = n - 2; i >= 0; --i) cairo_line_to(cr, out[i].x, out[i].y);
  }
  cairo_close_path(cr);
}

// Fills the symbol into cr in the current source: the polygon, or for an
// open symbol its outline grown by 0.3 on each side, laid down twice.
void FillSymbol(cairo_t* cr, const SurfacePoint* v, int n, bool filled) {
  cairo_new_path(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  if (filled) {
    AddOffsetPolygon(cr, v, n, 0);
    cairo_fill(cr);
    return;
  }
  // The ring is built as two outlines and filled rather than stroked: the
  // same shape as a mitred 0.6-pixel stroke at a third of the cost.
  AddOffsetPolygon(cr, v, n, kOpenSymbolWidth / 2);
  AddOffsetPolygon(cr, v, n, -kOpenSymbolWidth / 2);
  cairo_fill_preserve(cr);
  cairo_fill(cr);
}

// Sub-pixel positions are told apart in sixteenths of a pixel, as fine as
// the rasteriser's own sampling.
constexpr int kPhases = 16;
// Larger symbols are drawn directly; they are rare and a sprite would be big.
constexpr int kMaxSpriteSize = 32;

// The coverage sprite of a polygon symbol of size r with its centre at the
// given sixteenths of a pixel past the centre's pixel, kept with the image.
const raster::CoverageSprite& SymbolSprite(RasterImage& image, PolygonShape shape, int r, bool filled, int phase_x,
                                           int phase_y) {
  const std::uint64_t key = ((static_cast<std::uint64_t>(shape) * 2 + filled) * (kMaxSpriteSize + 1) +
                             static_cast<std::uint64_t>(r)) * kPhases * kPhases +
                            static_cast<std::uint64_t>(phase_y * kPhases + phase_x);
  if (const raster::CoverageSprite* kept = raster::FindSprite(image, key)) return *kept;
  const int origin = static_cast<int>(std::ceil(1.5 * r + kOpenSymbolWidth)) + 2;
  const SurfacePoint centre{origin + static_cast<double>(phase_x) / kPhases,
                            origin + static_cast<double>(phase_y) / kPhases};
  return raster::KeepSprite(image, key, raster::RasteriseSprite(origin, 2 * origin + 2, [&](cairo_t* cr) {
                              SurfacePoint v[4];
                              const int n = PolygonSymbolVertices(shape, centre, r, v);
                              FillSymbol(cr, v, n, filled);
                            }));
}

void DrawPolygonSymbol(RasterImage& image, PolygonShape shape, Orientation o, data::Rgb colour, double k, int r,
                       bool filled) {
  cairo_t* cr = image.cairo();
  if (cr == nullptr) return;
  const SurfacePoint c = ProjectOrientation(o, k);
  if (!IsFinite(c)) return;
  // A degenerate polygon covers nothing, filled or grown (its edges have no
  // direction to grow along).
  if (r <= 0) return;
  if (r <= kMaxSpriteSize && std::fabs(c.x) < 1e6 && std::fabs(c.y) < 1e6) {
    // Whole pixel and sixteenths of the centre.
    const double fx = std::floor(c.x * kPhases + 0.5) / kPhases, fy = std::floor(c.y * kPhases + 0.5) / kPhases;
    const int px = static_cast<int>(std::floor(fx)), py = static_cast<int>(std::floor(fy));
    const int phase_x = static_cast<int>((fx - px) * kPhases), phase_y = static_cast<int>((fy - py) * kPhases);
    const raster::CoverageSprite& sprite = SymbolSprite(image, shape, r, filled, phase_x, phase_y);
    raster::BlendSprite(image, sprite, px - sprite.origin, py - sprite.origin, colour);
    return;
  }
  SurfacePoint v[4];
  const int n = PolygonSymbolVertices(shape, c, r, v);
  SetSourceColour(cr, colour);
  FillSymbol(cr, v, n, filled);
}

}  // namespace

int PolygonSymbolVertices(PolygonShape shape, SurfacePoint c, double r, SurfacePoint* v) {
  int n = 0;
  switch (shape) {
    case PolygonShape::kTriangle: {
      const double h = 1.3 * r;
      v[n++] = {c.x, c.y - h};
      v[n++] = {c.x + h, c.y + h};
      v[n++] = {c.x - h, c.y + h};
      break;
    }
    case PolygonShape::kSquare:
      v[n++] = {c.x - r, c.y - r};
      v[n++] = {c.x + r, c.y - r};
      v[n++] = {c.x + r, c.y + r};
      v[n++] = {c.x - r, c.y + r};
      break;
    case PolygonShape::kDiamond: {
      const double h = 1.5 * r;
      v[n++] = {c.x, c.y - h};
      v[n++] = {c.x + h, c.y};
      v[n++] = {c.x, c.y + h};
      v[n++] = {c.x - h, c.y};
      break;
    }
  }
  return n;
}

int ShadowOutlineAlpha(int i) {
  const double n = kShadowOutlines;
  return geometry::RoundToInt(150 * std::pow(0.1, i / n) - 150 * 0.1 * i / n);
}

void DrawNetBase(RasterImage& image, bool shadow, double k) {
  cairo_t* cr = image.cairo();
  if (cr == nullptr) return;
  image.Flush();
  const std::uint32_t white = raster::OpaquePixel(kWhite);
  for (int y = 0; y < image.height(); ++y) raster::FillSpan(image, 0, image.width() - 1, y, white);

  if (shadow) {
    const double cx = k * kDiagram.centre_x + kShadowOffset;
    const double cy = k * kDiagram.centre_y + kShadowOffset;
    const double rx = k * kDiagram.radius_x;
    const double ry = k * kDiagram.radius_y;
    const double left = RoundHalfEven(cx - rx);
    const double top = RoundHalfEven(cy - ry);
    const double right = RoundHalfEven(cx + rx);
    const double bottom = RoundHalfEven(cy + ry);
    if (std::fabs(left) < raster::kMaxImageSide && std::fabs(top) < raster::kMaxImageSide &&
        right - left <= 2.0 * raster::kMaxEllipseRadius && bottom - top <= 2.0 * raster::kMaxEllipseRadius &&
        right >= left && bottom >= top) {
      // A rectangle of even size has no centre pixel; the disc then takes
      // the upper-left one of the middle pixels.
      const int l = static_cast<int>(left);
      const int t = static_cast<int>(top);
      const int w = static_cast<int>(right - left);
      const int h = static_cast<int>(bottom - top);
      raster::DrawAliasedEllipse(image, l + w / 2, t + h / 2, w / 2, h / 2, kShadowFill, true);
    }
  }
  image.MarkDirty();

  cairo_save(cr);
  if (shadow) {
    cairo_set_line_width(cr, 1.0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    for (int i = 0; i < kShadowOutlines; ++i) {
      cairo_new_path(cr);
      AddNetCircle(cr, k, i, i);
      SetSourceColour(cr, Argb{static_cast<std::uint8_t>(ShadowOutlineAlpha(i)), 0, 0, 0});
      cairo_stroke(cr);
    }
  }
  cairo_new_path(cr);
  AddNetCircle(cr, k, 0, 0);
  SetSourceColour(cr, kNetFill);
  cairo_fill(cr);
  cairo_restore(cr);
  image.Flush();
}

void DrawNetFrame(RasterImage& image, double k, std::string_view north_letter) {
  cairo_t* cr = image.cairo();
  if (cr == nullptr) return;
  const double cx = k * kDiagram.centre_x;
  const double cy = k * kDiagram.centre_y;
  const double rx = kDiagram.radius_x;
  const double ry = kDiagram.radius_y;
  cairo_save(cr);
  cairo_new_path(cr);
  AddNetCircle(cr, k, 0, 0);
  AddSegment(cr, cx - 5 * k, cy, cx + 5 * k, cy);
  AddSegment(cr, cx, cy - 5 * k, cx, cy + 5 * k);
  AddSegment(cr, cx - k * (rx - 5), cy, cx - k * rx, cy);
  AddSegment(cr, cx + k * (rx - 5), cy, cx + k * rx, cy);
  AddSegment(cr, cx, cy - k * (ry + 5), cx, cy - k * (ry - 5));
  AddSegment(cr, cx, cy + k * ry, cx, cy + k * (ry - 5));
  cairo_set_line_width(cr, kFrameWidth);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  SetSourceColour(cr, data::Rgb{0, 0, 0});
  cairo_stroke(cr);
  cairo_restore(cr);

  const double x = RoundHalfEven(cx - 4.5 * k);
  const double y = RoundHalfEven(k * (kDiagram.centre_y - ry) - 15 * k);
  if (!north_letter.empty() && std::fabs(x) < raster::kMaxImageSide && std::fabs(y) < raster::kMaxImageSide) {
    raster::DrawTextAt(image, north_letter, static_cast<int>(x), static_cast<int>(y), kNorthLetterPoints,
               Argb{255, 0, 0, 0});
  }
  image.Flush();
}

void DrawCircleSymbol(RasterImage& image, Orientation o, data::Rgb colour, double k, int r, bool filled) {
  const SurfacePoint c = ProjectOrientation(o, k);
  r = std::clamp(r, 0, raster::kMaxEllipseRadius);
  const double xc = RoundHalfEven(c.x);
  const double yc = RoundHalfEven(c.y);
  // Also false for NaN: nothing of the symbol is on the image, and the
  // centre is safe to take as a whole number.
  if (!(xc + r >= 0 && xc - r < image.width() && yc + r >= 0 && yc - r < image.height())) return;
  raster::DrawAliasedEllipse(image, static_cast<int>(xc), static_cast<int>(yc), r, r, colour, filled);
}

void DrawTriangleSymbol(RasterImage& image, Orientation o, data::Rgb colour, double k, int r, bool filled) {
  DrawPolygonSymbol(image, PolygonShape::kTriangle, o, colour, k, r, filled);
}

void DrawSquareSymbol(RasterImage& image, Orientation o, data::Rgb colour, double k, int r, bool filled) {
  DrawPolygonSymbol(image, PolygonShape::kSquare, o, colour, k, r, filled);
}

void DrawDiamondSymbol(RasterImage& image, Orientation o, data::Rgb colour, double k, int r, bool filled) {
  DrawPolygonSymbol(image, PolygonShape::kDiamond, o, colour, k, r, filled);
}

void DrawGreatCircle(RasterImage& image, Orientation plane, Argb colour, double k, double width) {
  DrawGreatCircle(image, plane.azimuth, geometry::GreatCircleProfileOf(plane.dip), colour, k, width);
}

void DrawGreatCircle(RasterImage& image, double dip_direction, const geometry::GreatCircleProfile& profile,
                     Argb colour, double k, double width) {
  SurfacePoint vertices[geometry::kGreatCircleLines];
  for (int i = 0; i < geometry::kGreatCircleLines; ++i) {
    vertices[i] = ProjectAtRadius(dip_direction + profile.azimuth_offset[i], profile.radius[i], k);
    if (!IsFinite(vertices[i])) return;
  }
  raster::StrokePolyline(image, vertices, width, colour);
}

void DrawEigenOverlay(RasterImage& image, const geometry::EigenResult& eigen, const std::array<Argb, 3>& colours,
                      double k, bool filled_symbols) {
  for (int i = 0; i < 3; ++i) {
    DrawGreatCircle(image, geometry::PlaneToPole(eigen.orientations[i]), colours[i], k, kOverlayWidth);
  }
  for (int i = 0; i < 3; ++i) {
    const data::Rgb symbol{colours[i].red, colours[i].green, colours[i].blue};
    DrawCircleSymbol(image, eigen.orientations[i], symbol, k, kOverlayRadius, filled_symbols);
  }
}

}  // namespace velkar::stereonet
