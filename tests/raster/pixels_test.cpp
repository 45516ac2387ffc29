#include "raster/pixels.hpp"

#include <gtest/gtest.h>

#include <cstdint>

namespace velkar::raster {
namespace {

std::uint32_t Channel(std::uint32_t pixel, int shift) { return (pixel >> shift) & 0xffu; }

// Every colour byte, background byte and coverage: each channel becomes
// (c a + d (255 - a)) / 255 rounded (never a tie, 255 being odd), the
// source-over of premultiplied pixels; the alpha of an opaque background
// stays 255, that of a transparent one becomes the coverage.
TEST(PixelBlender, SourceOverIsExactForEveryByte) {
  for (std::uint32_t c = 0; c < 256; ++c) {
    const auto byte = static_cast<std::uint8_t>(c);
    const PixelBlender blender({byte, byte, byte});
    for (std::uint32_t d = 0; d < 256; ++d) {
      for (std::uint32_t a = 0; a < 256; ++a) {
        std::uint32_t pixel = 0xff000000u | d << 16 | d << 8 | d;
        blender.Blend(pixel, a);
        const std::uint32_t expected = (2 * (c * a + d * (255 - a)) + 255) / 510;
        ASSERT_EQ(Channel(pixel, 16), expected) << c << " over " << d << " at " << a;
        ASSERT_EQ(Channel(pixel, 0), expected) << c << " over " << d << " at " << a;
        ASSERT_EQ(Channel(pixel, 24), 255u);
      }
    }
  }
  const PixelBlender red({255, 0, 0});
  for (std::uint32_t a : {0u, 1u, 128u, 254u, 255u, 300u}) {
    std::uint32_t pixel = 0;
    red.Blend(pixel, a);
    const std::uint32_t covered = a > 255 ? 255 : a;
    EXPECT_EQ(pixel, covered << 24 | covered << 16) << a;
  }
}

TEST(Pixels, DirectWritesAreClippedToTheImage) {
  RasterImage image(6, 4);
  const std::uint32_t ink = OpaquePixel({0x11, 0x22, 0x33});
  EXPECT_EQ(ink, 0xff112233u);
  FillSpan(image, -5, 2, 1, ink);   // from the left edge
  FillSpan(image, 4, 99, 2, ink);   // to the right edge
  FillSpan(image, 3, 2, 3, ink);    // empty: the ends crossed
  FillSpan(image, 0, 5, -1, ink);   // rows off the image
  FillSpan(image, 0, 5, 4, ink);
  PutPixel(image, 5, 3, ink);
  PutPixel(image, 6, 3, ink);
  PutPixel(image, -1, 0, ink);
  PutPixel(image, 0, 4, ink);
  image.MarkDirty();
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 6; ++x) {
      const bool expected = (y == 1 && x <= 2) || (y == 2 && x >= 4) || (y == 3 && x == 5);
      EXPECT_EQ(image.Pixel(x, y).alpha, expected ? 255 : 0) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace velkar::raster
