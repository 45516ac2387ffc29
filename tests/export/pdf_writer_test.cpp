#include "export/pdf_writer.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <sstream>

#include "sample_picture.hpp"

namespace velkar::export_ {
namespace {

using testing::OnPath;
using testing::ReadFile;
using testing::RunCommand;
using testing::SamplePicture;
using testing::WriteFile;

TEST(WritePdf, OnePageOf120Millimetres) {
  const std::string pdf = WritePdf(SamplePicture());
  EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
  EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
  EXPECT_GT(pdf.size(), 2000u);
  // 120 mm = 340.157 pt.
  EXPECT_NE(pdf.find("/MediaBox [ 0 0 340.15"), std::string::npos);
}

// The page rendered at 127 dpi: 600 x 600 pixels, one pixel 20 units.
class RenderedPdf : public ::testing::Test {
 protected:
  static constexpr int kSize = 600;
  static constexpr int kUnitsPerPixel = 20;

  void SetUp() override {
    if (!OnPath("pdftoppm")) GTEST_SKIP() << "pdftoppm is not installed";
    const std::string base = ::testing::TempDir() + "velkar_pdf_" + std::to_string(getpid());
    WriteFile(base + ".pdf", WritePdf(SamplePicture()));
    ASSERT_TRUE(RunCommand("pdftoppm -r 127 -singlefile " + base + ".pdf " + base));
    const std::string ppm = ReadFile(base + ".ppm");
    std::remove((base + ".pdf").c_str());
    std::remove((base + ".ppm").c_str());
    std::istringstream header(ppm);
    std::string magic;
    int width = 0, height = 0, maximum = 0;
    header >> magic >> width >> height >> maximum;
    ASSERT_EQ(magic, "P6");
    ASSERT_EQ(width, kSize);
    ASSERT_EQ(height, kSize);
    pixels_ = ppm.substr(static_cast<std::size_t>(header.tellg()) + 1);
    ASSERT_EQ(pixels_.size(), static_cast<std::size_t>(3 * kSize * kSize));
  }

  // The colour at a point of the drawing space.
  data::Rgb At(Point p) const {
    const std::size_t i = 3 * (static_cast<std::size_t>(p.y / kUnitsPerPixel) * kSize + p.x / kUnitsPerPixel);
    return {static_cast<std::uint8_t>(pixels_[i]), static_cast<std::uint8_t>(pixels_[i + 1]),
            static_cast<std::uint8_t>(pixels_[i + 2])};
  }
  // The darkest grey level within a pixel of the point.
  int DarkestNear(Point p) const {
    int darkest = 255;
    for (int dy = -kUnitsPerPixel; dy <= kUnitsPerPixel; dy += kUnitsPerPixel) {
      for (int dx = -kUnitsPerPixel; dx <= kUnitsPerPixel; dx += kUnitsPerPixel) {
        const data::Rgb c = At({p.x + dx, p.y + dy});
        darkest = std::min({darkest, int{c.red}, int{c.green}, int{c.blue}});
      }
    }
    return darkest;
  }

  std::string pixels_;
};

TEST_F(RenderedPdf, ShapesLandWhereTheDrawingSpacePutsThem) {
  EXPECT_EQ(At({200, 11800}), (data::Rgb{255, 255, 255}));       // outside the net
  EXPECT_EQ(At({3000, 6300}), (data::Rgb{254, 254, 254}));       // the net disc
  EXPECT_EQ(At({1250, 1250}), (data::Rgb{255, 200, 0}));         // poly-polygon ring
  EXPECT_EQ(At({2000, 2000}), (data::Rgb{255, 255, 255}));       // its hole, even-odd
  EXPECT_EQ(At(EmfProject({225, 60})), (data::Rgb{0, 0, 255}));  // filled square symbol
  EXPECT_LT(DarkestNear({540, 6300}), 100);                      // net circle at the west
  EXPECT_LT(DarkestNear({5940, 6300}), 100);                     // centre cross
  EXPECT_LT(DarkestNear({5940, 500}), 100);                      // the letter N
  EXPECT_LT(DarkestNear(GreatCirclePoints({90, 30})[20]), 100);
}

}  // namespace
}  // namespace velkar::export_
