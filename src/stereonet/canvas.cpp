#include "stereonet/canvas.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>
#include <unordered_map>
#include <vector>
#include <string>
#include <utility>

#include "geometry/angles.hpp"
#include "geometry/numbers.hpp"
#include "stereonet/projection.hpp"

namespace velkar::stereonet {

using geometry::CosDeg;
using geometry::Orientation;
using geometry::RoundHalfEven;
using geometry::SinDeg;

namespace {

constexpr int kMaxSide = 32767;  // Cairo's limit for image surfaces
constexpr int kMaxCircleRadius = 16384;  // keeps the ellipse arithmetic in 64 bits
constexpr int kNetVertices = 180;
constexpr int kShadowOutlines = 13;
constexpr double kShadowOffset = 13;
constexpr double kFrameWidth = 2.2;
constexpr double kOpenSymbolWidth = 0.6;
constexpr double kNorthLetterPoints = 14;
constexpr double kScreenDpi = 96;
constexpr double kPointsPerInch = 72;
constexpr data::Rgb kNetFill{253, 255, 255};
constexpr data::Rgb kShadowFill{240, 240, 240};
constexpr data::Rgb kWhite{255, 255, 255};
constexpr char kFontFamily[] = "Arial";

std::uint32_t OpaquePixel(data::Rgb c) {
  return 0xff000000u | (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | c.blue;
}

void SetSource(cairo_t* cr, Argb c) {
  cairo_set_source_rgba(cr, c.red / 255.0, c.green / 255.0, c.blue / 255.0, c.alpha / 255.0);
}

void SetSource(cairo_t* cr, data::Rgb c) { cairo_set_source_rgb(cr, c.red / 255.0, c.green / 255.0, c.blue / 255.0); }

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

// Writes one span of row y, clipped to the image.
void FillSpan(RasterImage& image, int x0, int x1, int y, std::uint32_t pixel) {
  if (y < 0 || y >= image.height()) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, image.width() - 1);
  if (x0 > x1) return;
  std::fill(image.Row(y) + x0, image.Row(y) + x1 + 1, pixel);
}

void PutPixel(RasterImage& image, int x, int y, std::uint32_t pixel) {
  if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return;
  image.Row(y)[x] = pixel;
}

// Plots the four mirror images of (x, y) about (xc, yc), or fills the two
// spans between them.
void PlotQuadrants(RasterImage& image, int xc, int yc, int x, int y, std::uint32_t pixel, bool filled) {
  if (filled) {
    FillSpan(image, xc - x, xc + x, yc - y, pixel);
    if (y != 0) FillSpan(image, xc - x, xc + x, yc + y, pixel);
    return;
  }
  PutPixel(image, xc + x, yc + y, pixel);
  PutPixel(image, xc - x, yc + y, pixel);
  PutPixel(image, xc + x, yc - y, pixel);
  PutPixel(image, xc - x, yc - y, pixel);
}

// The midpoint ellipse algorithm with whole-number centre and semi-axes,
// covering exactly the pixels (xc - rx .. xc + rx, yc - ry .. yc + ry). The
// decision variables are kept four times over so that they stay integers.
// The caller flushes the surface before and marks it dirty after.
void DrawAliasedEllipse(RasterImage& image, int xc, int yc, int rx, int ry, std::uint32_t pixel, bool filled) {
  const std::int64_t rx2 = std::int64_t{rx} * rx;
  const std::int64_t ry2 = std::int64_t{ry} * ry;
  std::int64_t x = 0;
  std::int64_t y = ry;
  std::int64_t dx = 0;
  std::int64_t dy = 2 * rx2 * y;
  // Region 1: the slope is below 1 in magnitude, x steps every time.
  std::int64_t p = 4 * ry2 - 4 * rx2 * ry + rx2;
  while (dx < dy) {
    PlotQuadrants(image, xc, yc, static_cast<int>(x), static_cast<int>(y), pixel, filled);
    ++x;
    dx += 2 * ry2;
    if (p < 0) {
      p += 4 * (dx + ry2);
    } else {
      --y;
      dy -= 2 * rx2;
      p += 4 * (dx - dy + ry2);
    }
  }
  // Region 2: y steps every time.
  p = ry2 * (2 * x + 1) * (2 * x + 1) + 4 * rx2 * (y - 1) * (y - 1) - 4 * rx2 * ry2;
  while (y >= 0) {
    PlotQuadrants(image, xc, yc, static_cast<int>(x), static_cast<int>(y), pixel, filled);
    --y;
    dy -= 2 * rx2;
    if (p > 0) {
      p += 4 * (rx2 - dy);
    } else {
      ++x;
      dx += 2 * ry2;
      p += 4 * (dx - dy + rx2);
    }
  }
}

bool IsFinite(SurfacePoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

enum class PolygonShape { kTriangle, kSquare, kDiamond };

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

// The vertices of a polygon symbol of size r centred on c.
int SymbolVertices(PolygonShape shape, SurfacePoint c, int r, SurfacePoint* v) {
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

}  // namespace

// What the primitives keep between calls on one image.
//
// Sprites: the coverage (0..255) of a polygon symbol over a small box of
// pixels, rasterised once by Cairo for each shape, size, fill and sub-pixel
// position, then laid onto the image in any colour. A million symbols thus
// cost a million small blends instead of a million polygon fills.
//
// Line scratch: per pixel the distance to the line being drawn (infinity
// where it is not near), with the list of pixels touched, so that a thin
// polyline costs only the pixels along it.
class DrawingCache {
 public:
  std::vector<float> distance;
  std::vector<int> touched;

  struct Sprite {
    int origin = 0;  // pixels from the box's first pixel to the centre's pixel
    int side = 0;
    std::vector<std::uint8_t> coverage;  // side x side, row by row
  };

  const Sprite& Get(PolygonShape shape, int r, bool filled, int phase_x, int phase_y) {
    const std::uint32_t key = ((static_cast<std::uint32_t>(shape) * 2 + filled) * (kMaxSpriteSize + 1) +
                               static_cast<std::uint32_t>(r)) * kPhases * kPhases +
                              static_cast<std::uint32_t>(phase_y * kPhases + phase_x);
    auto it = sprites_.find(key);
    if (it == sprites_.end()) it = sprites_.emplace(key, Render(shape, r, filled, phase_x, phase_y)).first;
    return it->second;
  }

 private:
  static Sprite Render(PolygonShape shape, int r, bool filled, int phase_x, int phase_y) {
    Sprite sprite;
    sprite.origin = static_cast<int>(std::ceil(1.5 * r + kOpenSymbolWidth)) + 2;
    sprite.side = 2 * sprite.origin + 2;
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, sprite.side, sprite.side);
    cairo_t* cr = cairo_create(mask);
    // The same half-pixel convention as the image: whole numbers are pixel
    // centres; the centre's pixel is (origin, origin).
    cairo_translate(cr, 0.5, 0.5);
    const SurfacePoint centre{sprite.origin + static_cast<double>(phase_x) / kPhases,
                              sprite.origin + static_cast<double>(phase_y) / kPhases};
    SurfacePoint v[4];
    const int n = SymbolVertices(shape, centre, r, v);
    cairo_set_source_rgba(cr, 0, 0, 0, 1);
    FillSymbol(cr, v, n, filled);
    cairo_destroy(cr);
    cairo_surface_flush(mask);
    const unsigned char* data = cairo_image_surface_get_data(mask);
    const int stride = cairo_image_surface_get_stride(mask);
    sprite.coverage.resize(static_cast<std::size_t>(sprite.side) * sprite.side);
    for (int y = 0; y < sprite.side; ++y)
      std::copy(data + y * stride, data + y * stride + sprite.side,
                sprite.coverage.begin() + static_cast<std::ptrdiff_t>(y) * sprite.side);
    cairo_surface_destroy(mask);
    return sprite;
  }

  std::unordered_map<std::uint32_t, Sprite> sprites_;
};

DrawingCache& CacheOf(RasterImage& image) {
  if (!image.cache_) image.cache_ = std::make_unique<DrawingCache>();
  return *image.cache_;
}

namespace {

// Source-over of an opaque colour at coverage a (0..255) onto premultiplied
// pixels, two channels at a time in 16-bit lanes; (x + 128 + ((x + 128) >>
// 8)) >> 8 is x / 255 rounded, exact for the products of two bytes.
class PixelBlender {
 public:
  explicit PixelBlender(data::Rgb colour)
      : src_(OpaquePixel(colour)), src_rb_(src_ & 0x00ff00ffu), src_ag_((src_ >> 8) & 0x00ff00ffu) {}

  void Blend(std::uint32_t& pixel, std::uint32_t a) const {
    if (a == 0) return;
    if (a >= 255) {
      pixel = src_;
      return;
    }
    pixel = Mix(src_rb_, pixel & 0x00ff00ffu, a) | (Mix(src_ag_, (pixel >> 8) & 0x00ff00ffu, a) << 8);
  }

 private:
  static std::uint32_t Mix(std::uint32_t s, std::uint32_t d, std::uint32_t a) {
    const std::uint32_t x = s * a + d * (255 - a) + 0x00800080u;
    return ((x + ((x >> 8) & 0x00ff00ffu)) >> 8) & 0x00ff00ffu;
  }

  std::uint32_t src_, src_rb_, src_ag_;
};

// The sprite laid onto the image with its box's first pixel at (x0, y0).
void BlendSprite(RasterImage& image, const DrawingCache::Sprite& sprite, int x0, int y0, data::Rgb colour) {
  const int x_begin = std::max(0, -x0), x_end = std::min(sprite.side, image.width() - x0);
  const int y_begin = std::max(0, -y0), y_end = std::min(sprite.side, image.height() - y0);
  if (x_begin >= x_end || y_begin >= y_end) return;
  image.Flush();
  const PixelBlender blender(colour);
  for (int y = y_begin; y < y_end; ++y) {
    const std::uint8_t* cov = sprite.coverage.data() + static_cast<std::ptrdiff_t>(y) * sprite.side;
    std::uint32_t* row = image.Row(y0 + y) + x0;
    for (int x = x_begin; x < x_end; ++x) blender.Blend(row[x], cov[x]);
  }
  image.MarkDirty(x0 + x_begin, y0 + y_begin, x_end - x_begin, y_end - y_begin);
}

// An anti-aliased open polyline of the given width: the union of its
// segments grown by half the width. A pixel's coverage comes from the
// distance of its centre to the nearest segment (a linear ramp one pixel
// wide across the edge, capped at the width for hairlines), and each pixel is
// blended once however many segments pass near it. The cost is that of the
// pixels along the line, not of its bounding box.
void StrokePolyline(RasterImage& image, const SurfacePoint* v, int n, double width, Argb colour) {
  DrawingCache& cache = CacheOf(image);
  const int w = image.width(), h = image.height();
  const std::size_t size = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
  if (cache.distance.size() != size) cache.distance.assign(size, std::numeric_limits<float>::infinity());
  cache.touched.clear();
  const double half = width / 2;
  const double reach = half + 0.5;
  const double reach2 = reach * reach;
  for (int i = 0; i + 1 < n; ++i) {
    const SurfacePoint a = v[i], b = v[i + 1];
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min(a.x, b.x) - reach)));
    const int x1 = std::min(w - 1, static_cast<int>(std::ceil(std::max(a.x, b.x) + reach)));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min(a.y, b.y) - reach)));
    const int y1 = std::min(h - 1, static_cast<int>(std::ceil(std::max(a.y, b.y) + reach)));
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    const double inverse_length2 = length2 > 0 ? 1 / length2 : 0;
    const double reach_across = std::fabs(dy) > 1e-9 ? reach * std::sqrt(length2) / std::fabs(dy) : 0;
    for (int y = y0; y <= y1; ++y) {
      // On this row only the pixels within reach of the segment's line can
      // be near the segment.
      int xs = x0, xe = x1;
      if (reach_across > 0) {
        const double xc = a.x + (y - a.y) * dx / dy;
        xs = std::max(x0, static_cast<int>(std::floor(xc - reach_across)));
        xe = std::min(x1, static_cast<int>(std::ceil(xc + reach_across)));
      }
      // Distance from the pixel centre (x, y) to the segment, with the
      // position t along it stepping by dt from pixel to pixel.
      const double dt = dx * inverse_length2;
      double t = ((xs - a.x) * dx + (y - a.y) * dy) * inverse_length2;
      float* row_distance = cache.distance.data() + static_cast<std::ptrdiff_t>(y) * w;
      for (int x = xs; x <= xe; ++x, t += dt) {
        const double tc = std::clamp(t, 0.0, 1.0);
        const double ex = x - (a.x + tc * dx), ey = y - (a.y + tc * dy);
        const double d2 = ex * ex + ey * ey;
        if (d2 >= reach2) continue;
        float& best = row_distance[x];
        if (std::isinf(best)) cache.touched.push_back(y << 16 | x);  // sides are below 32768
        best = std::min(best, static_cast<float>(std::sqrt(d2)));
      }
    }
  }
  if (cache.touched.empty()) return;
  image.Flush();
  const PixelBlender blender({colour.red, colour.green, colour.blue});
  const double peak = std::min(1.0, width);
  int left = w, top = h, right = -1, bottom = -1;
  for (int packed : cache.touched) {
    const int x = packed & 0xffff, y = packed >> 16;
    float& d = cache.distance[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)];
    const double coverage = std::clamp(std::min(reach - d, peak), 0.0, 1.0);
    d = std::numeric_limits<float>::infinity();
    blender.Blend(image.Row(y)[x], static_cast<std::uint32_t>(RoundHalfEven(coverage * colour.alpha)));
    left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
  }
  image.MarkDirty(left, top, right - left + 1, bottom - top + 1);
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
    const DrawingCache::Sprite& sprite = CacheOf(image).Get(shape, r, filled, phase_x, phase_y);
    BlendSprite(image, sprite, px - sprite.origin, py - sprite.origin, colour);
    return;
  }
  SurfacePoint v[4];
  const int n = SymbolVertices(shape, c, r, v);
  SetSource(cr, colour);
  FillSymbol(cr, v, n, filled);
}

}  // namespace

// ---------------------------------------------------------------------------
// RasterImage

RasterImage::RasterImage(int width, int height) { Create(width, height); }

RasterImage::~RasterImage() { Release(); }

RasterImage::RasterImage(RasterImage&& other) noexcept
    : surface_(std::exchange(other.surface_, nullptr)),
      cr_(std::exchange(other.cr_, nullptr)),
      data_(std::exchange(other.data_, nullptr)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      stride_(std::exchange(other.stride_, 0)),
      cache_(std::move(other.cache_)) {}

RasterImage& RasterImage::operator=(RasterImage&& other) noexcept {
  if (this != &other) {
    Release();
    surface_ = std::exchange(other.surface_, nullptr);
    cr_ = std::exchange(other.cr_, nullptr);
    data_ = std::exchange(other.data_, nullptr);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    stride_ = std::exchange(other.stride_, 0);
    cache_ = std::move(other.cache_);
  }
  return *this;
}

void RasterImage::Create(int width, int height) {
  width = std::clamp(width, 1, kMaxSide);
  height = std::clamp(height, 1, kMaxSide);
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    throw std::bad_alloc();
  }
  cairo_t* cr = cairo_create(surface);
  if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    throw std::bad_alloc();
  }
  // Whole-number drawing coordinates are pixel centres.
  cairo_translate(cr, 0.5, 0.5);
  surface_ = surface;
  cr_ = cr;
  data_ = cairo_image_surface_get_data(surface);
  width_ = width;
  height_ = height;
  stride_ = cairo_image_surface_get_stride(surface);
}

void RasterImage::Release() {
  if (cr_ != nullptr) cairo_destroy(cr_);
  if (surface_ != nullptr) cairo_surface_destroy(surface_);
  cr_ = nullptr;
  surface_ = nullptr;
  data_ = nullptr;
  width_ = height_ = stride_ = 0;
}

void RasterImage::Resize(int width, int height) {
  width = std::clamp(width, 1, kMaxSide);
  height = std::clamp(height, 1, kMaxSide);
  if (surface_ != nullptr && width == width_ && height == height_) return;
  RasterImage fresh(width, height);
  *this = std::move(fresh);
}

void RasterImage::Flush() {
  if (surface_ != nullptr) cairo_surface_flush(surface_);
}

void RasterImage::MarkDirty() {
  if (surface_ != nullptr) cairo_surface_mark_dirty(surface_);
}

void RasterImage::MarkDirty(int x, int y, int width, int height) {
  if (surface_ == nullptr) return;
  const int x0 = std::max(x, 0);
  const int y0 = std::max(y, 0);
  const int x1 = std::min(x + width, width_);
  const int y1 = std::min(y + height, height_);
  if (x0 < x1 && y0 < y1) cairo_surface_mark_dirty_rectangle(surface_, x0, y0, x1 - x0, y1 - y0);
}

Argb RasterImage::Pixel(int x, int y) const {
  if (surface_ == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_) return {0, 0, 0, 0};
  cairo_surface_flush(surface_);
  const std::uint32_t p =
      reinterpret_cast<const std::uint32_t*>(data_ + static_cast<std::ptrdiff_t>(y) * stride_)[x];
  const std::uint8_t alpha = static_cast<std::uint8_t>(p >> 24);
  if (alpha == 0) return {0, 0, 0, 0};
  const auto unpremultiply = [alpha](std::uint32_t c) {
    return static_cast<std::uint8_t>(std::min(255.0, RoundHalfEven((c & 0xffu) * 255.0 / alpha)));
  };
  return {alpha, unpremultiply(p >> 16), unpremultiply(p >> 8), unpremultiply(p)};
}

std::string RasterImage::EncodePng() const {
  std::string bytes;
  if (surface_ == nullptr) return bytes;
  const auto append = [](void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
  };
  if (cairo_surface_write_to_png_stream(surface_, append, &bytes) != CAIRO_STATUS_SUCCESS) bytes.clear();
  return bytes;
}

// ---------------------------------------------------------------------------
// Primitives

int ShadowOutlineAlpha(int i) {
  const double n = kShadowOutlines;
  return static_cast<int>(RoundHalfEven(150 * std::pow(0.1, i / n) - 150 * 0.1 * i / n));
}

double FontPixelSize(double points) { return RoundHalfEven(points * kScreenDpi / kPointsPerInch); }

void DrawNetBase(RasterImage& image, bool shadow, double k) {
  cairo_t* cr = image.cairo();
  if (cr == nullptr) return;
  image.Flush();
  const std::uint32_t white = OpaquePixel(kWhite);
  for (int y = 0; y < image.height(); ++y) std::fill(image.Row(y), image.Row(y) + image.width(), white);

  if (shadow) {
    const double cx = k * kDiagram.centre_x + kShadowOffset;
    const double cy = k * kDiagram.centre_y + kShadowOffset;
    const double rx = k * kDiagram.radius_x;
    const double ry = k * kDiagram.radius_y;
    const double left = RoundHalfEven(cx - rx);
    const double top = RoundHalfEven(cy - ry);
    const double right = RoundHalfEven(cx + rx);
    const double bottom = RoundHalfEven(cy + ry);
    if (std::fabs(left) < kMaxSide && std::fabs(top) < kMaxSide && right - left <= 2.0 * kMaxCircleRadius &&
        bottom - top <= 2.0 * kMaxCircleRadius && right >= left && bottom >= top) {
      // A rectangle of even size has no centre pixel; the disc then takes
      // the upper-left one of the middle pixels.
      const int l = static_cast<int>(left);
      const int t = static_cast<int>(top);
      const int w = static_cast<int>(right - left);
      const int h = static_cast<int>(bottom - top);
      DrawAliasedEllipse(image, l + w / 2, t + h / 2, w / 2, h / 2, OpaquePixel(kShadowFill), true);
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
      SetSource(cr, Argb{static_cast<std::uint8_t>(ShadowOutlineAlpha(i)), 0, 0, 0});
      cairo_stroke(cr);
    }
  }
  cairo_new_path(cr);
  AddNetCircle(cr, k, 0, 0);
  SetSource(cr, kNetFill);
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
  SetSource(cr, data::Rgb{0, 0, 0});
  cairo_stroke(cr);
  cairo_restore(cr);

  const double x = RoundHalfEven(cx - 4.5 * k);
  const double y = RoundHalfEven(k * (kDiagram.centre_y - ry) - 15 * k);
  if (!north_letter.empty() && std::fabs(x) < kMaxSide && std::fabs(y) < kMaxSide) {
    DrawTextAt(image, north_letter, static_cast<int>(x), static_cast<int>(y), kNorthLetterPoints,
               Argb{255, 0, 0, 0});
  }
  image.Flush();
}

void DrawCircleSymbol(RasterImage& image, Orientation o, data::Rgb colour, double k, int r, bool filled) {
  if (image.surface() == nullptr) return;
  const SurfacePoint c = ProjectOrientation(o, k);
  r = std::clamp(r, 0, kMaxCircleRadius);
  const double xc = RoundHalfEven(c.x);
  const double yc = RoundHalfEven(c.y);
  // Also false for NaN: nothing of the symbol is on the image.
  if (!(xc + r >= 0 && xc - r < image.width() && yc + r >= 0 && yc - r < image.height())) return;
  const int x = static_cast<int>(xc);
  const int y = static_cast<int>(yc);
  image.Flush();
  DrawAliasedEllipse(image, x, y, r, r, OpaquePixel(colour), filled);
  image.MarkDirty(x - r, y - r, 2 * r + 1, 2 * r + 1);
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
  using geometry::ArcSinDeg;
  using geometry::ArcTanDeg;
  using geometry::TanDeg;
  cairo_t* cr = image.cairo();
  if (cr == nullptr || !(width > 0)) return;
  constexpr int kVertices = 91;
  SurfacePoint vertices[kVertices];
  const double dip_direction = plane.azimuth;
  const double dip = plane.dip;
  for (int i = 0; i < kVertices; ++i) {
    // t runs in the plane from the strike: 179.8, 178, ..., 2, 0; the first
    // vertex stops short of 180 so that its azimuth offset keeps its sign.
    const double t = i == 0 ? 179.8 : 180.0 - 2.0 * i;
    const double plunge = ArcSinDeg(SinDeg(dip) * SinDeg(t));
    const double u = CosDeg(dip) * TanDeg(t);
    const double offset = u != 0 ? ArcTanDeg(1 / u) : 90.0;
    const double azimuth = dip_direction + offset;
    const double rho = std::sqrt(2.0) * SinDeg((90 - plunge) / 2);
    vertices[i] = {k * kDiagram.centre_x + SinDeg(azimuth) * k * kDiagram.radius_x * rho,
                   k * kDiagram.centre_y - CosDeg(azimuth) * k * kDiagram.radius_y * rho};
    if (!IsFinite(vertices[i])) return;
  }
  StrokePolyline(image, vertices, kVertices, width, colour);
}

void DrawTextAt(RasterImage& image, std::string_view text, int x, int y, double points, Argb colour) {
  cairo_t* cr = image.cairo();
  if (cr == nullptr || text.empty()) return;
  const std::string nul_terminated(text);
  cairo_save(cr);
  cairo_select_font_face(cr, kFontFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, FontPixelSize(points));
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
  cairo_font_extents_t extents;
  cairo_font_extents(cr, &extents);
  // The cell starts at the outer corner of pixel (x, y), half a pixel before
  // its centre; Cairo places text by its baseline.
  cairo_move_to(cr, x - 0.5, y - 0.5 + extents.ascent);
  SetSource(cr, colour);
  cairo_show_text(cr, nul_terminated.c_str());
  cairo_restore(cr);
}

}  // namespace velkar::stereonet
