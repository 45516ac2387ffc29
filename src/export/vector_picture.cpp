#include "export/vector_picture.hpp"

#include <algorithm>
#include <cmath>

namespace velkar::export_ {

namespace {

std::uint32_t Index(std::size_t n) { return static_cast<std::uint32_t>(n); }

}  // namespace

// Font{} rather than kDefaultFont: a picture may be built during static
// initialisation, before that constant is.
VectorPicture::VectorPicture() : fonts_{Font{}}, pen_(kInitialPen), brush_(kInitialBrush) {}

void VectorPicture::Reserve(std::size_t primitives, std::size_t points) {
  primitives_.reserve(primitives);
  points_.reserve(points);
}

void VectorPicture::SetPen(std::int32_t width, data::Rgb colour) {
  const Pen pen{false, width, colour};
  if (pen == pen_) return;
  pen_ = pen;
  primitives_.emplace_back(PenChange{pen});
}

void VectorPicture::SetNoPen() {
  // A missing pen has no width or colour worth telling apart.
  if (pen_.none) return;
  pen_ = Pen{true, 0, {}};
  primitives_.emplace_back(PenChange{pen_});
}

void VectorPicture::SetBrush(data::Rgb colour) {
  const Brush brush{false, colour};
  if (brush == brush_) return;
  brush_ = brush;
  primitives_.emplace_back(BrushChange{brush});
}

void VectorPicture::SetNoBrush() {
  if (brush_.none) return;
  brush_ = Brush{true, {}};
  primitives_.emplace_back(BrushChange{brush_});
}

void VectorPicture::SetFont(const Font& font) {
  if (font == fonts_[font_]) return;
  // Pictures use a handful of fonts; a linear search keeps them shared.
  const auto found = std::find(fonts_.begin(), fonts_.end(), font);
  font_ = Index(found - fonts_.begin());
  if (found == fonts_.end()) fonts_.push_back(font);
  primitives_.emplace_back(FontChange{font_});
}

void VectorPicture::AddEllipse(Box box) { primitives_.emplace_back(EllipseShape{box}); }

void VectorPicture::AddPolygon(std::span<const Point> points) {
  if (points.size() < 2) return;
  primitives_.emplace_back(PolygonShape{Index(points_.size()), Index(points.size())});
  points_.insert(points_.end(), points.begin(), points.end());
}

void VectorPicture::AddPolyPolygon(std::span<const Point> points, std::span<const std::uint32_t> ring_sizes) {
  PolyPolygonShape shape{Index(points_.size()), 0, Index(ring_sizes_.size()), 0};
  std::size_t at = 0;
  for (std::uint32_t size : ring_sizes) {
    const std::size_t n = std::min<std::size_t>(size, points.size() - at);
    if (n >= 2) {
      points_.insert(points_.end(), points.begin() + at, points.begin() + at + n);
      ring_sizes_.push_back(Index(n));
      shape.point_count += Index(n);
      ++shape.ring_count;
    }
    at += n;
  }
  if (shape.ring_count > 0) primitives_.emplace_back(shape);
}

void VectorPicture::AddPolyline(std::span<const Point> points) {
  if (points.size() < 2) return;
  primitives_.emplace_back(PolylineShape{Index(points_.size()), Index(points.size())});
  points_.insert(points_.end(), points.begin(), points.end());
}

void VectorPicture::AddArc(Box box, Point start, Point end) {
  primitives_.emplace_back(ArcShape{box, Index(points_.size())});
  points_.push_back(start);
  points_.push_back(end);
}

void VectorPicture::AddText(Point position, std::string_view utf8) {
  if (utf8.empty()) return;
  primitives_.emplace_back(TextShape{position, Index(text_.size()), Index(utf8.size())});
  text_.append(utf8);
}

std::span<const Point> VectorPicture::PointsOf(const PolygonShape& s) const {
  return {points_.data() + s.first_point, s.point_count};
}

std::span<const Point> VectorPicture::PointsOf(const PolylineShape& s) const {
  return {points_.data() + s.first_point, s.point_count};
}

std::span<const Point> VectorPicture::PointsOf(const PolyPolygonShape& s) const {
  return {points_.data() + s.first_point, s.point_count};
}

std::span<const std::uint32_t> VectorPicture::RingSizesOf(const PolyPolygonShape& s) const {
  return {ring_sizes_.data() + s.first_ring, s.ring_count};
}

std::string_view VectorPicture::TextOf(const TextShape& s) const {
  return std::string_view(text_).substr(s.first_char, s.char_count);
}

ArcSweep SweepOf(Box box, Point start, Point end) {
  constexpr double kTurn = 6.283185307179586476925;
  ArcSweep arc;
  arc.cx = (box.left + static_cast<double>(box.right)) / 2;
  arc.cy = (box.top + static_cast<double>(box.bottom)) / 2;
  arc.rx = std::fabs(box.right - static_cast<double>(box.left)) / 2;
  arc.ry = std::fabs(box.bottom - static_cast<double>(box.top)) / 2;
  const double sx = arc.rx > 0 ? arc.rx : 1;
  const double sy = arc.ry > 0 ? arc.ry : 1;
  const double a = std::atan2((start.y - arc.cy) / sy, (start.x - arc.cx) / sx);
  const double b = std::atan2((end.y - arc.cy) / sy, (end.x - arc.cx) / sx);
  double sweep = std::fmod(a - b, kTurn);
  if (sweep <= 0) sweep += kTurn;
  arc.start_angle = a;
  arc.sweep = sweep;
  return arc;
}

}  // namespace velkar::export_
