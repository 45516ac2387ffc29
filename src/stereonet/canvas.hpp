// The raster diagram: a 32-bit image that every diagram kind is drawn on, and
// the primitives they share (the empty net with its shadow, the frame on top,
// the four point symbols, the great circle of a plane, text).
//
// Pixels are premultiplied ARGB32 in native byte order (one uint32 per pixel,
// 0xAARRGGBB), the layout of both Cairo's CAIRO_FORMAT_ARGB32 and Qt's
// QImage::Format_ARGB32_Premultiplied, so a window can show the buffer
// without copying it.
//
// Coordinates: the drawing coordinates are the doubles of the projection
// (X to the right, Y downward, in pixels). A whole-number point (x, y) is the
// CENTRE of pixel (x, y); pixel (x, y) covers [x - 0.5, x + 0.5) x
// [y - 0.5, y + 0.5). A symbol projected to (360.0, 150.0) is therefore
// centred on pixel (360, 150) and lies symmetrically around it, and the
// aliased circle, which rounds its centre to a whole pixel, falls on the
// same pixel as the anti-aliased shapes. The net centre (247.5, 262.5) at
// k = 1.5 lies on the corner shared by pixels 247/248 and 262/263.
#pragma once

#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "data/colour.hpp"
#include "geometry/vectors.hpp"

namespace velkar::stereonet {

// The size of the main diagram in pixels.
inline constexpr int kDiagramWidth = 500;
inline constexpr int kDiagramHeight = 513;

// A colour with its opacity; alpha 255 is opaque, 0 fully transparent.
// Components are not premultiplied.
struct Argb {
  std::uint8_t alpha = 255;
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  static constexpr Argb Opaque(data::Rgb c) { return {255, c.red, c.green, c.blue}; }
  bool operator==(const Argb&) const = default;
};

// An owned Cairo image surface with a drawing context on it. Move-only; a
// moved-from image holds nothing (width and height 0, null pointers).
//
// The context's user space is the drawing coordinates described above: it
// carries a translation of half a pixel, so drawing code must never call
// cairo_identity_matrix or cairo_set_matrix on it without restoring that
// translation; cairo_save / cairo_restore around local changes keep it.
// The primitives below expect the operator OVER and default anti-aliasing,
// so code that changes those restores them.
class DrawingCache;

class RasterImage {
 public:
  // A width x height image cleared to transparent black. Sizes are held to
  // 1..32767 pixels. Throws std::bad_alloc when the pixels cannot be
  // allocated.
  explicit RasterImage(int width = kDiagramWidth, int height = kDiagramHeight);
  ~RasterImage();
  RasterImage(RasterImage&& other) noexcept;
  RasterImage& operator=(RasterImage&& other) noexcept;
  RasterImage(const RasterImage&) = delete;
  RasterImage& operator=(const RasterImage&) = delete;

  // Gives the image a new size; when the size changes the pixels are new
  // and transparent black, otherwise they are kept. Throws like the
  // constructor.
  void Resize(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  // Bytes from one row to the next (at least 4 x width).
  int stride() const { return stride_; }
  // The first row. Call Flush() before reading pixels drawn through Cairo;
  // after writing them directly call MarkDirty().
  std::uint8_t* data() { return data_; }
  const std::uint8_t* data() const { return data_; }
  // Row y as premultiplied pixels; y must lie in [0, height).
  std::uint32_t* Row(int y) { return reinterpret_cast<std::uint32_t*>(data_ + static_cast<std::ptrdiff_t>(y) * stride_); }

  cairo_surface_t* surface() { return surface_; }
  cairo_t* cairo() { return cr_; }

  // Finishes pending Cairo drawing so that data() holds it.
  void Flush();
  // Tells Cairo that the pixels were changed directly.
  void MarkDirty();
  void MarkDirty(int x, int y, int width, int height);

  // The colour of pixel (x, y), unpremultiplied (components rounded); a
  // position outside the image reads transparent black {0, 0, 0, 0}.
  Argb Pixel(int x, int y) const;

  // The image as the bytes of a PNG file; empty when it cannot be encoded.
  std::string EncodePng() const;

 private:
  void Create(int width, int height);
  void Release();

  friend DrawingCache& CacheOf(RasterImage& image);

  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
  std::uint8_t* data_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  // The symbol coverages already rasterised and the scratch buffers of line
  // drawing, kept with the image so repeated plots reuse them.
  std::unique_ptr<DrawingCache> cache_;
};

// The opacity (0..255) of shadow outline i (0..12): 150 x 0.1^(i / 13) -
// 150 x 0.1 x i / 13 rounded, giving 150, 124, 103, 85, 69, 56, 45, 35, 27,
// 20, 14, 9, 4.
int ShadowOutlineAlpha(int i);

// Text size in pixels for a size in points, as the desktop shows it at 96
// dots per inch, rounded to whole pixels (12 pt -> 16 px, 14 pt -> 19 px).
double FontPixelSize(double points);

// Clears the whole image to opaque white, draws the drop shadow when asked
// and then the net disc (253, 255, 255), anti-aliased, at scale k (1.5 for
// the main diagram). The image keeps its size: callers size it first.
// Shadow: an aliased (240, 240, 240) disc, the net disc moved 13 pixels right
// and down, and thirteen 1-pixel black outlines of the net circle, outline i
// moved i pixels right and down with opacity ShadowOutlineAlpha(i); the net
// disc covers all but a soft crescent at the lower right.
void DrawNetBase(RasterImage& image, bool shadow, double k);

// Draws on top of the content, in one opaque black stroke 2.2 pixels wide,
// the primitive circle, the ticks at W, E, N (crossing the circle) and S and
// the centre cross; then the north letter, Arial 14 pt, with the top-left of
// its text cell at pixel (R(k x 165 - 4.5k), R(k x 25 - 15k)) = (241, 15) at
// k = 1.5. An empty letter draws no text.
void DrawNetFrame(RasterImage& image, double k, std::string_view north_letter = "N");

// Point symbols centred on the projection (ProjectOrientation) of the given
// orientation at scale k; colour opaque. The caller passes what is to be
// shown: a line, or the pole of a plane. A negative r counts as 0; a
// position that is not finite draws nothing.
//
// Circle: aliased, drawn by the midpoint ellipse algorithm exactly inside
// the pixel rectangle (R(X) - r, R(Y) - r) .. (R(X) + r, R(Y) + r), R
// rounding halves to even; the outline pixels and, when filled, the spans
// between them get the colour. r = 0 is the single pixel (R(X), R(Y)).
// Pixels off the image are skipped; r above 16384 counts as 16384. The
// pixels are written straight into the buffer, so this is the cheapest
// symbol.
void DrawCircleSymbol(RasterImage& image, geometry::Orientation o, data::Rgb colour, double k, int r,
                      bool filled);
// Polygons, anti-aliased, non-zero winding, with (X, Y) the projected point:
//   triangle (X, Y - 1.3r), (X + 1.3r, Y + 1.3r), (X - 1.3r, Y + 1.3r);
//   square   (X - r, Y - r), (X + r, Y - r), (X + r, Y + r), (X - r, Y + r);
//   diamond  (X, Y - 1.5r), (X + 1.5r, Y), (X, Y + 1.5r), (X - 1.5r, Y).
// Filled: the polygon. Open: its outline grown 0.3 pixels on each side (a
// ring 0.6 wide with mitred corners), laid down twice so that the thin ring
// reads darker. r = 0 is a degenerate polygon and leaves no visible mark.
void DrawTriangleSymbol(RasterImage& image, geometry::Orientation o, data::Rgb colour, double k, int r,
                        bool filled);
void DrawSquareSymbol(RasterImage& image, geometry::Orientation o, data::Rgb colour, double k, int r,
                      bool filled);
void DrawDiamondSymbol(RasterImage& image, geometry::Orientation o, data::Rgb colour, double k, int r,
                       bool filled);

// The great circle of a plane given by dip direction and dip (0..90) at
// scale k: an open polyline of 91 vertices from near dip direction - 90
// through the dip direction to dip direction + 90, stroked anti-aliased
// with the given width in pixels (the segments grown by half the width on
// every side, so ends and joins are round) in the colour with its alpha;
// every pixel is blended once. A vertical plane gives the straight line through the
// centre along the strike, a horizontal plane the half rim. A width of 0 or
// less, or a plane whose vertices are not finite, draws nothing.
void DrawGreatCircle(RasterImage& image, geometry::Orientation plane, Argb colour, double k, double width);

// Draws UTF-8 text in Arial (any sans face the system substitutes for it),
// anti-aliased, at the given size in points (FontPixelSize), so that pixel
// (x, y) is the top-left pixel of the text cell: the cell's top is the
// font's ascent above the baseline, as desktop text placement has it.
void DrawTextAt(RasterImage& image, std::string_view text, int x, int y, double points, Argb colour);

}  // namespace velkar::stereonet
