#include "raster/image.hpp"

#include <algorithm>
#include <new>
#include <utility>

#include "geometry/numbers.hpp"
#include "raster/image_cache.hpp"

namespace velkar::raster {

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
  width = std::clamp(width, 1, kMaxImageSide);
  height = std::clamp(height, 1, kMaxImageSide);
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
  width = std::clamp(width, 1, kMaxImageSide);
  height = std::clamp(height, 1, kMaxImageSide);
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
    return static_cast<std::uint8_t>(std::min(255.0, geometry::RoundHalfEven((c & 0xffu) * 255.0 / alpha)));
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

ImageCache& CacheOf(RasterImage& image) {
  if (!image.cache_) image.cache_ = std::make_unique<ImageCache>();
  return *image.cache_;
}

}  // namespace velkar::raster
