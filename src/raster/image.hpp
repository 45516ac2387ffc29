// The raster image that every picture of the program is drawn on: a 32-bit
// Cairo image surface with a drawing context on it, and its PNG encoding.
//
// Pixels are premultiplied ARGB32 in native byte order (one uint32 per pixel,
// 0xAARRGGBB), the layout of both Cairo's CAIRO_FORMAT_ARGB32 and Qt's
// QImage::Format_ARGB32_Premultiplied, so a window can show the buffer
// without copying it. The drawing coordinates are those of SurfacePoint.
#pragma once

#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "data/colour.hpp"

namespace velkar::raster {

// The size of the main diagram in pixels, which every diagram kind fills;
// an image has this size unless it is given another.
inline constexpr int kDiagramWidth = 500;
inline constexpr int kDiagramHeight = 513;
// Cairo's limit for the side of an image surface.
inline constexpr int kMaxImageSide = 32767;

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

// What drawing functions keep with an image between calls (image_cache.hpp).
struct ImageCache;

// An owned Cairo image surface with a drawing context on it. Move-only; a
// moved-from image holds nothing (width and height 0, null pointers).
//
// The context's user space is the drawing coordinates: it carries a
// translation of half a pixel, so drawing code must never call
// cairo_identity_matrix or cairo_set_matrix on it without restoring that
// translation; cairo_save / cairo_restore around local changes keep it.
// The drawing functions expect the operator OVER and default anti-aliasing,
// so code that changes those restores them.
class RasterImage {
 public:
  // A width x height image cleared to transparent black. Sizes are held to
  // 1..kMaxImageSide pixels. Throws std::bad_alloc when the pixels cannot be
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

  friend ImageCache& CacheOf(RasterImage& image);

  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
  std::uint8_t* data_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  // Made on first use and kept with the image, so that repeated drawings
  // reuse it.
  std::unique_ptr<ImageCache> cache_;
};

}  // namespace velkar::raster
