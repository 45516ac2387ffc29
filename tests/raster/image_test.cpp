#include "raster/image.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include "raster/pixels.hpp"

namespace velkar::raster {
namespace {

TEST(RasterImage, LayoutIsPremultipliedNativeArgb) {
  RasterImage image;
  EXPECT_EQ(image.width(), kDiagramWidth);
  EXPECT_EQ(image.height(), kDiagramHeight);
  EXPECT_GE(image.stride(), 4 * kDiagramWidth);
  EXPECT_EQ(image.Pixel(0, 0), (Argb{0, 0, 0, 0}));

  // A half-transparent Cairo fill lands premultiplied, 0xAARRGGBB per pixel.
  cairo_t* cr = image.cairo();
  cairo_rectangle(cr, 9.5, 19.5, 1, 1);  // exactly pixel (10, 20)
  cairo_set_source_rgba(cr, 1, 0.5, 0, 0.5);
  cairo_fill(cr);
  image.Flush();
  const std::uint32_t raw = image.Row(20)[10];
  EXPECT_EQ(raw >> 24, 128u);
  EXPECT_NEAR(static_cast<int>((raw >> 16) & 0xff), 128, 1);
  EXPECT_NEAR(static_cast<int>((raw >> 8) & 0xff), 64, 1);
  EXPECT_EQ(raw & 0xff, 0u);
  const Argb p = image.Pixel(10, 20);
  EXPECT_EQ(p.alpha, 128);
  EXPECT_NEAR(p.red, 255, 1);
  EXPECT_NEAR(p.green, 128, 2);
  EXPECT_EQ(image.Pixel(11, 20).alpha, 0);
  EXPECT_EQ(image.Pixel(-1, 0), (Argb{0, 0, 0, 0}));
  EXPECT_EQ(image.Pixel(kDiagramWidth, 0), (Argb{0, 0, 0, 0}));
}

TEST(RasterImage, MoveAndResize) {
  RasterImage a(20, 10);
  a.Row(3)[4] = 0xff112233u;
  a.MarkDirty();
  RasterImage b(std::move(a));
  EXPECT_EQ(a.width(), 0);
  EXPECT_EQ(a.surface(), nullptr);
  EXPECT_EQ(a.Pixel(4, 3), (Argb{0, 0, 0, 0}));
  EXPECT_EQ(b.Pixel(4, 3), (Argb{255, 0x11, 0x22, 0x33}));

  RasterImage c;
  c = std::move(b);
  EXPECT_EQ(c.width(), 20);
  c.Resize(20, 10);  // same size keeps the pixels
  EXPECT_EQ(c.Pixel(4, 3), (Argb{255, 0x11, 0x22, 0x33}));
  c.Resize(kDiagramWidth, kDiagramHeight);
  EXPECT_EQ(c.width(), kDiagramWidth);
  EXPECT_EQ(c.Pixel(4, 3), (Argb{0, 0, 0, 0}));
  RasterImage tiny(0, -5);
  EXPECT_EQ(tiny.width(), 1);
  EXPECT_EQ(tiny.height(), 1);
}

// PNG bytes read back by Cairo give the same pixels, the premultiplied
// translucent ones too; an image without pixels has no bytes.
TEST(RasterImage, PngRoundTrip) {
  RasterImage image(7, 5);
  image.Row(1)[2] = OpaquePixel({10, 200, 30});
  image.Row(4)[6] = 0x80402000u;  // half-transparent orange, premultiplied
  image.MarkDirty();
  const std::string bytes = image.EncodePng();
  ASSERT_GT(bytes.size(), 8u);
  EXPECT_EQ(bytes.substr(1, 3), "PNG");

  struct Reader {
    const std::string* bytes;
    std::size_t at = 0;
  } reader{&bytes};
  const auto read = [](void* closure, unsigned char* data, unsigned int length) {
    auto* r = static_cast<Reader*>(closure);
    if (r->at + length > r->bytes->size()) return CAIRO_STATUS_READ_ERROR;
    std::copy_n(r->bytes->data() + r->at, length, data);
    r->at += length;
    return CAIRO_STATUS_SUCCESS;
  };
  cairo_surface_t* back = cairo_image_surface_create_from_png_stream(read, &reader);
  ASSERT_EQ(cairo_surface_status(back), CAIRO_STATUS_SUCCESS);
  ASSERT_EQ(cairo_image_surface_get_width(back), 7);
  ASSERT_EQ(cairo_image_surface_get_height(back), 5);
  const auto pixel = [back](int x, int y) {
    const unsigned char* row = cairo_image_surface_get_data(back) + y * cairo_image_surface_get_stride(back);
    return reinterpret_cast<const std::uint32_t*>(row)[x];
  };
  EXPECT_EQ(pixel(2, 1), OpaquePixel({10, 200, 30}));
  EXPECT_EQ(pixel(6, 4), 0x80402000u);
  EXPECT_EQ(pixel(0, 0), 0u);
  cairo_surface_destroy(back);

  RasterImage moved_from(3, 3);
  RasterImage keeper(std::move(moved_from));
  EXPECT_TRUE(moved_from.EncodePng().empty());
  EXPECT_FALSE(keeper.EncodePng().empty());
}

}  // namespace
}  // namespace velkar::raster
