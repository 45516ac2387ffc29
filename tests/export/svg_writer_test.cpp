#include "export/svg_writer.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <regex>

#include "sample_picture.hpp"

namespace velkar::export_ {
namespace {

using testing::CountOf;
using testing::OnPath;
using testing::RunCommand;
using testing::SamplePicture;
using testing::WriteFile;

TEST(WriteSvg, DocumentSpansTheDrawingSpaceOn120Millimetres) {
  const std::string svg = WriteSvg(VectorPicture());
  EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
  EXPECT_NE(svg.find("width=\"120mm\" height=\"120mm\" viewBox=\"0 0 12000 12000\""), std::string::npos);
  EXPECT_NE(svg.find("</svg>"), std::string::npos);
}

TEST(WriteSvg, OneElementPerShape) {
  const std::string svg = WriteSvg(SamplePicture());
  EXPECT_EQ(CountOf(svg, "<ellipse "), static_cast<std::size_t>(testing::kSampleEllipses));
  EXPECT_EQ(CountOf(svg, "<polygon "), static_cast<std::size_t>(testing::kSamplePolygons));
  EXPECT_EQ(CountOf(svg, "<polyline "), static_cast<std::size_t>(testing::kSamplePolylines));
  EXPECT_EQ(CountOf(svg, "<path fill-rule=\"evenodd\""),
            static_cast<std::size_t>(testing::kSamplePolyPolygons));
  EXPECT_EQ(CountOf(svg, " A1000 1000 0 0 0 "), static_cast<std::size_t>(testing::kSampleArcs));
  EXPECT_EQ(CountOf(svg, "<text "), static_cast<std::size_t>(testing::kSampleTexts));
}

TEST(WriteSvg, CoordinatesPensAndFillsAsRecorded) {
  const std::string svg = WriteSvg(SamplePicture());
  // Net disc: no pen, light fill; net circle: black pen 40, no fill.
  EXPECT_NE(
      svg.find(
          "<g stroke=\"none\" fill=\"#fefefe\">\n<ellipse cx=\"5940\" cy=\"6300\" rx=\"5400\" ry=\"5400\"/>"),
      std::string::npos);
  EXPECT_NE(svg.find("<g stroke=\"#000000\" stroke-width=\"40\" fill=\"none\">\n<ellipse cx=\"5940\""),
            std::string::npos);
  // The letter N.
  EXPECT_NE(svg.find("<polyline fill=\"none\" points=\"5820,650 5820,350 6060,650 6060,350\"/>"),
            std::string::npos);
  // The great circle, point by point, in its pen.
  std::string points;
  for (const Point& p : GreatCirclePoints({90, 30})) {
    // Appended piece by piece: a literal put in front of a temporary string
    // trips GCC 12's false -Wrestrict at -O3 (GCC bug 105651).
    if (!points.empty()) points += ' ';
    points += std::to_string(p.x);
    points += ',';
    points += std::to_string(p.y);
  }
  const std::size_t gc = svg.find("points=\"" + points + "\"");
  ASSERT_NE(gc, std::string::npos);
  EXPECT_LT(svg.rfind("stroke-width=\"20\"", gc), gc);
  // The poly-polygon keeps its two rings in one path.
  EXPECT_NE(
      svg.find("d=\"M1000,1000 3000,1000 3000,3000 1000,3000ZM1500,1500 2500,1500 2500,2500 1500,2500Z\""),
      std::string::npos);
  // The arc runs counterclockwise (sweep flag 0) from east to north of its box.
  EXPECT_NE(svg.find("d=\"M11000 10000 A1000 1000 0 0 0 10000 9000\""), std::string::npos);
}

TEST(WriteSvg, TextIsEscapedAndPlacedBelowItsTop) {
  VectorPicture picture;
  picture.SetFont(Font{"Arial", -300, 700, {255, 0, 0}});
  picture.AddText({100, 200}, "a<b & \"c\" \xC5\xBE\x01\xFF");
  const std::string svg = WriteSvg(picture);
  const std::regex text(
      "<text x=\"100\" y=\"([0-9.]+)\" font-family=\"Arial\" font-size=\"300\" font-weight=\"700\" "
      "fill=\"#ff0000\" stroke=\"none\" xml:space=\"preserve\">(.*)</text>");
  std::smatch m;
  ASSERT_TRUE(std::regex_search(svg, m, text)) << svg;
  // The baseline sits one ascent below the top: most of the em height.
  const double baseline = std::stod(m[1]);
  EXPECT_GT(baseline, 200 + 0.6 * 300);
  EXPECT_LT(baseline, 200 + 1.2 * 300);
  // Markup characters escaped, the control character and the stray byte
  // replaced so the document stays well-formed.
  EXPECT_EQ(m[2].str(), "a&lt;b &amp; &quot;c&quot; \xC5\xBE\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(WriteSvg, PositiveFontHeightIsTheCellNotTheEm) {
  VectorPicture picture;
  picture.SetFont(Font{"Arial", 350, 400, {0, 0, 0}});
  picture.AddText({0, 0}, "0 %");
  const std::string svg = WriteSvg(picture);
  std::smatch m;
  ASSERT_TRUE(std::regex_search(svg, m, std::regex("font-size=\"([0-9.]+)\""))) << svg;
  // Ascent plus descent of a sans face is some 1.1 to 1.2 em.
  const double em = std::stod(m[1]);
  EXPECT_GT(em, 350 / 1.25);
  EXPECT_LT(em, 350 / 1.05);
}

TEST(WriteSvg, ViewerRendersTheSample) {
  if (!OnPath("rsvg-convert")) GTEST_SKIP() << "rsvg-convert is not installed";
  const std::string base = ::testing::TempDir() + "velkar_svg_" + std::to_string(getpid());
  WriteFile(base + ".svg", WriteSvg(SamplePicture()));
  EXPECT_TRUE(RunCommand("rsvg-convert -o " + base + ".png " + base + ".svg"));
  std::remove((base + ".svg").c_str());
  std::remove((base + ".png").c_str());
}

}  // namespace
}  // namespace velkar::export_
