// Test support: the shapes of a picture with the pen and brush in effect at
// each, so tests can state what a primitive draws without caring how many
// state records the picture needed.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "export/vector_picture.hpp"

namespace velkar::export_ {

// Readable failures.
inline void PrintTo(const Point& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }
inline void PrintTo(const Box& b, std::ostream* os) {
  *os << "(" << b.left << ", " << b.top << ")-(" << b.right << ", " << b.bottom << ")";
}
inline void PrintTo(const Pen& p, std::ostream* os) {
  if (p.none) {
    *os << "no pen";
  } else {
    *os << "pen " << p.width << " #" << p.colour.ToInteger();
  }
}
inline void PrintTo(const Brush& b, std::ostream* os) {
  if (b.none) {
    *os << "no brush";
  } else {
    *os << "brush #" << b.colour.ToInteger();
  }
}

}  // namespace velkar::export_

namespace velkar::export_::testing {

enum class Kind { kEllipse, kPolygon, kPolyPolygon, kPolyline, kArc, kText };

struct Drawn {
  Kind kind;
  Pen pen;
  Brush brush;
  Box box;                    // ellipses and arcs
  std::vector<Point> points;  // polygons, polylines, arc start and end
  std::string text;
};

inline std::vector<Drawn> Walk(const VectorPicture& picture) {
  std::vector<Drawn> shapes;
  Pen pen = kInitialPen;
  Brush brush = kInitialBrush;
  auto add = [&](Kind kind) -> Drawn& { return shapes.emplace_back(Drawn{kind, pen, brush, {}, {}, {}}); };
  for (const Primitive& p : picture.Primitives()) {
    if (auto* r = std::get_if<PenChange>(&p)) pen = r->pen;
    if (auto* r = std::get_if<BrushChange>(&p)) brush = r->brush;
    if (auto* r = std::get_if<EllipseShape>(&p)) add(Kind::kEllipse).box = r->box;
    if (auto* r = std::get_if<PolygonShape>(&p)) {
      auto pts = picture.PointsOf(*r);
      add(Kind::kPolygon).points.assign(pts.begin(), pts.end());
    }
    if (auto* r = std::get_if<PolyPolygonShape>(&p)) {
      auto pts = picture.PointsOf(*r);
      add(Kind::kPolyPolygon).points.assign(pts.begin(), pts.end());
    }
    if (auto* r = std::get_if<PolylineShape>(&p)) {
      auto pts = picture.PointsOf(*r);
      add(Kind::kPolyline).points.assign(pts.begin(), pts.end());
    }
    if (auto* r = std::get_if<ArcShape>(&p)) {
      Drawn& d = add(Kind::kArc);
      d.box = r->box;
      d.points = {picture.StartOf(*r), picture.EndOf(*r)};
    }
    if (auto* r = std::get_if<TextShape>(&p)) add(Kind::kText).text = std::string(picture.TextOf(*r));
  }
  return shapes;
}

inline Pen SolidPen(std::int32_t width, data::Rgb colour) { return Pen{false, width, colour}; }
inline Brush SolidBrush(data::Rgb colour) { return Brush{false, colour}; }
inline const Pen kNoPen{true, 0, {}};
inline const Brush kNoBrush{true, {}};

}  // namespace velkar::export_::testing
