// The vector picture: a display list of pens, brushes, fonts and shapes in
// the 12000 x 12000 drawing space of the exported diagrams (hundredths of a
// millimetre, x to the right, y downward, integer coordinates).
//
// The list works like a recording canvas: pen, brush and font are state that
// every following shape uses until the next change. Setting the state that is
// already in effect records nothing, so a million marks in one colour cost one
// record each. Point lists of all shapes live in one shared pool, so appending
// a shape never allocates on its own (only the pools grow, geometrically).
//
// The picture starts like a fresh canvas: solid black pen of width 1, solid
// white brush, font kDefaultFont. The writers (SVG, PDF, EMF) turn the same
// list into file bytes.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "data/colour.hpp"

namespace velkar::export_ {

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const Point&) const = default;
};

// Bounding box of an ellipse or arc: (left, top) to (right, bottom).
struct Box {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  bool operator==(const Box&) const = default;
};

// A solid pen or none. Widths are in drawing units; widths below 1 draw
// hairlines of width 1. Lines end and join round.
struct Pen {
  bool none = false;
  std::int32_t width = 1;
  data::Rgb colour{};
  bool operator==(const Pen&) const = default;
};

// A solid brush or none.
struct Brush {
  bool none = false;
  data::Rgb colour{255, 255, 255};
  bool operator==(const Brush&) const = default;
};

// Text font. height follows the canvas convention: negative, the em height
// (character height) in drawing units; positive, the cell height (ascent plus
// descent of the face) in drawing units; 0, the default em height of 300. A
// font size in points has to be converted by the caller. weight 400 is
// regular, 700 bold. The colour is the colour of the text.
struct Font {
  std::string name = "Arial";
  std::int32_t height = -300;
  std::int32_t weight = 400;
  data::Rgb colour{};
  bool operator==(const Font&) const = default;
};

// The font of a fresh picture: Arial, em height 300, regular, black.
inline const Font kDefaultFont{};

// The records of the list. Shapes refer to the shared pools by index.
struct PenChange {
  Pen pen;
};
struct BrushChange {
  Brush brush;
};
struct FontChange {
  std::uint32_t font = 0;  // index into Fonts()
};
struct EllipseShape {
  Box box;
};
// Closed, filled with the brush and outlined with the pen.
struct PolygonShape {
  std::uint32_t first_point = 0;
  std::uint32_t point_count = 0;
};
// Several closed rings filled together with the alternate (even-odd) rule.
struct PolyPolygonShape {
  std::uint32_t first_point = 0;
  std::uint32_t point_count = 0;  // of all rings together
  std::uint32_t first_ring = 0;   // index into the ring-size pool
  std::uint32_t ring_count = 0;
};
// Open line, never filled.
struct PolylineShape {
  std::uint32_t first_point = 0;
  std::uint32_t point_count = 0;
};
// Outline of the ellipse in box, counterclockwise as seen on the picture,
// from where the ray from the centre through start meets the ellipse to where
// the ray through end meets it. Rays in the same direction give the whole
// ellipse; a ray of zero length counts as pointing to the right. Never
// filled. start and end are pooled, in this order, to keep every record
// small.
struct ArcShape {
  Box box;
  std::uint32_t first_point = 0;
};
// Text in the current font, the top left of its line at position (text
// align top-left, transparent background).
struct TextShape {
  Point position;
  std::uint32_t first_char = 0;  // into the text pool, UTF-8
  std::uint32_t char_count = 0;
};

using Primitive = std::variant<PenChange, BrushChange, FontChange, EllipseShape, PolygonShape,
                               PolyPolygonShape, PolylineShape, ArcShape, TextShape>;

class VectorPicture {
 public:
  VectorPicture();

  // Room for the given numbers of records and pooled points, for callers
  // that know their size ahead (a plot of n lines).
  void Reserve(std::size_t primitives, std::size_t points);

  void SetPen(std::int32_t width, data::Rgb colour);
  void SetNoPen();
  void SetBrush(data::Rgb colour);
  void SetNoBrush();
  void SetFont(const Font& font);

  const Pen& CurrentPen() const { return pen_; }
  const Brush& CurrentBrush() const { return brush_; }
  const Font& CurrentFont() const { return fonts_[font_]; }

  void AddEllipse(Box box);
  // Fewer than 2 points draw nothing and record nothing.
  void AddPolygon(std::span<const Point> points);
  // points holds the rings one after the other, ring_sizes their lengths.
  // Rings of fewer than 2 points are left out; ring sizes beyond the points
  // given are cut to what is there. No ring left records nothing.
  void AddPolyPolygon(std::span<const Point> points, std::span<const std::uint32_t> ring_sizes);
  // Fewer than 2 points record nothing.
  void AddPolyline(std::span<const Point> points);
  void AddArc(Box box, Point start, Point end);
  // Empty text records nothing. The text is UTF-8; invalid bytes are written
  // as U+FFFD by the writers.
  void AddText(Point position, std::string_view utf8);

  const std::vector<Primitive>& Primitives() const { return primitives_; }
  const std::vector<Font>& Fonts() const { return fonts_; }
  std::span<const Point> PointsOf(const PolygonShape& s) const;
  std::span<const Point> PointsOf(const PolylineShape& s) const;
  // All points of the rings, one ring after the other.
  std::span<const Point> PointsOf(const PolyPolygonShape& s) const;
  std::span<const std::uint32_t> RingSizesOf(const PolyPolygonShape& s) const;
  Point StartOf(const ArcShape& s) const { return points_[s.first_point]; }
  Point EndOf(const ArcShape& s) const { return points_[s.first_point + 1]; }
  std::string_view TextOf(const TextShape& s) const;

 private:
  std::vector<Primitive> primitives_;
  std::vector<Point> points_;
  std::vector<std::uint32_t> ring_sizes_;
  std::string text_;
  std::vector<Font> fonts_;
  Pen pen_;
  Brush brush_;
  std::uint32_t font_ = 0;
};

// An arc in the ellipse's own parameter t (radians): the point of t is
// (cx + rx cos t, cy + ry sin t) with y downward, and the arc runs from
// start_angle to start_angle - sweep (counterclockwise on the picture),
// 0 < sweep <= 2 pi. A flat ellipse (rx or ry 0) measures its rays as if
// the missing radius were 1.
struct ArcSweep {
  double cx = 0;
  double cy = 0;
  double rx = 0;
  double ry = 0;
  double start_angle = 0;
  double sweep = 0;
};
ArcSweep SweepOf(Box box, Point start, Point end);

// The state a writer starts from, the same as a fresh picture's.
inline constexpr Pen kInitialPen{};
inline constexpr Brush kInitialBrush{};

}  // namespace velkar::export_
