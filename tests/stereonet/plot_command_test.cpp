#include "stereonet/plot_command.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/emf_primitives.hpp"
#include "export/picture_walk.hpp"
#include "stereonet/projection.hpp"

namespace velkar::stereonet {
namespace {

using data::Rgb;
using export_::testing::Drawn;
using export_::testing::Kind;
using export_::testing::Walk;
using geometry::Orientation;
using raster::Argb;
using raster::RasterImage;

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlack{0, 0, 0};
constexpr Argb kNetFill{255, 253, 255, 255};

struct Plot {
  RasterImage image;
  PlotResult result;
  std::vector<Drawn> shapes;
};

Plot PlotText(std::string_view text, PlotSettings settings = {}) {
  Plot p;
  p.result = PlotData(text, settings, p.image);
  p.shapes = Walk(p.result.picture);
  return p;
}

// The shapes the data added to the vector picture: everything after the net,
// the frame and the legend of the same settings on an empty text.
std::vector<Drawn> DataShapes(const Plot& p, const PlotSettings& settings) {
  const std::size_t base = PlotText("", settings).shapes.size();
  return {p.shapes.begin() + static_cast<std::ptrdiff_t>(base), p.shapes.end()};
}

// Mostly red: anti-aliased edges of red lines on the net's light fill.
bool IsReddish(Argb c) { return c.alpha == 255 && c.red >= 250 && c.green < 128 && c.blue < 128; }

bool IsDark(Argb c) { return c.alpha == 255 && c.red < 128 && c.green < 128 && c.blue < 128; }

bool AnyDarkIn(const RasterImage& image, int x0, int y0, int x1, int y1) {
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x)
      if (IsDark(image.Pixel(x, y))) return true;
  return false;
}

TEST(PlotData, EmptyTextGivesTheBareNet) {
  for (auto language : {text::Language::English, text::Language::Czech}) {
    PlotSettings settings;
    settings.language = language;
    settings.orientation = TriState::Grayed;
    const Plot p = PlotText("", settings);
    EXPECT_EQ(p.result.data_count, 0u);
    EXPECT_EQ(p.result.status_text, language == text::Language::Czech ? "0 měření" : "0 data");
    EXPECT_FALSE(p.result.matrix_text);  // no overlay without data
    EXPECT_EQ(p.result.diagram_kind, DiagramKind::PlottedData);
    // Net disc and frame ellipses, seven frame lines, the legend text.
    ASSERT_EQ(p.shapes.size(), 10u);
    EXPECT_EQ(p.shapes.back().kind, Kind::kText);
    EXPECT_EQ(p.shapes.back().text, "n = 0");
    EXPECT_EQ(p.image.width(), raster::kDiagramWidth);
    EXPECT_EQ(p.image.height(), raster::kDiagramHeight);
    EXPECT_EQ(p.image.Pixel(300, 300), kNetFill);
    EXPECT_TRUE(AnyDarkIn(p.image, 360, 470, 400, 490));  // "n = 0"
  }
}

TEST(PlotData, LegendTriState) {
  struct Case {
    TriState legend;
    bool raster, vector;
  };
  for (const Case& c : {Case{TriState::Ticked, true, true}, Case{TriState::Grayed, true, false},
                        Case{TriState::Clear, false, false}}) {
    PlotSettings settings;
    settings.legend = c.legend;
    const Plot p = PlotText("1/1\n2/2\n", settings);
    EXPECT_EQ(AnyDarkIn(p.image, 360, 470, 400, 490), c.raster);
    const bool has_text = !p.shapes.empty() && p.shapes[9].kind == Kind::kText;
    EXPECT_EQ(has_text, c.vector);
    if (has_text) {
      EXPECT_EQ(p.shapes[9].text, "n = 2");
    }
  }
}

TEST(PlotData, RasterSymbolSizesFollowTheSlider) {
  // (45, 30) projects to (360.0, 150.0); the filled circle of mode 0 has
  // r = R((s - 0.5) x 2): 1 at position 2, 2 at 3 (R(2)), 7 at 8.
  struct Case {
    int position;
    int r;
  };
  for (const Case& c : {Case{2, 1}, Case{3, 2}, Case{5, 4}, Case{8, 7}}) {
    PlotSettings settings;
    settings.symbol_size_position = c.position;
    settings.element_colour = kRed;
    const Plot p = PlotText("45/30\n", settings);
    EXPECT_EQ(p.image.Pixel(360 + c.r, 150), Argb::Opaque(kRed)) << c.position;
    EXPECT_EQ(p.image.Pixel(360 + c.r + 1, 150), kNetFill) << c.position;
    EXPECT_EQ(p.image.Pixel(360, 150 - c.r), Argb::Opaque(kRed)) << c.position;
  }
}

TEST(PlotData, ColourCodesAndCodesThatDrawNothing) {
  PlotSettings settings;
  settings.symbol_size_position = 8;
  const Plot p = PlotText("45/30/1/23\n90/0/1001\n0/90/-3\n", settings);
  EXPECT_EQ(p.image.Pixel(360, 150), (Argb{255, 57, 57, 255}));
  EXPECT_EQ(p.result.data_count, 3u);
  // Undrawn lines still enter the tensor: its trace is the number of lines.
  EXPECT_NEAR(p.result.tensor(0, 0) + p.result.tensor(1, 1) + p.result.tensor(2, 2), 3, 1e-12);
  const auto data = DataShapes(p, settings);
  ASSERT_EQ(data.size(), 1u);
  EXPECT_EQ(data[0].kind, Kind::kEllipse);
  EXPECT_EQ(data[0].brush.colour, (Rgb{57, 57, 255}));
}

TEST(PlotData, VectorMarksPerModeAndCode) {
  // Slider 3: s = 1.5, half sizes R(40 s f) = 48 (f 0.8), 54 (0.9), 66 (1.1).
  struct Case {
    const char* line;
    data::PlotMode mode;
    Kind kind;
    bool filled;
    int half_size;       // 0: not a symbol
    Orientation where;   // where the symbol sits (the pole in pole modes)
  };
  using data::PlotMode;
  const Case cases[] = {
      {"45/30/0", PlotMode::Lines, Kind::kEllipse, true, 48, {45, 30}},
      {"45/30/9", PlotMode::Lines, Kind::kEllipse, true, 48, {45, 30}},
      {"45/30/2", PlotMode::Lines, Kind::kPolygon, true, 48, {45, 30}},
      {"45/30/5", PlotMode::Lines, Kind::kEllipse, false, 48, {45, 30}},
      {"45/30/6", PlotMode::Lines, Kind::kPolygon, false, 54, {45, 30}},
      {"45/30/7", PlotMode::Lines, Kind::kPolygon, false, 48, {45, 30}},
      {"45/30/8", PlotMode::Lines, Kind::kPolygon, false, 66, {45, 30}},
      {"225/60", PlotMode::Poles, Kind::kEllipse, false, 48, {45, 30}},
      {"225/60/2", PlotMode::Poles, Kind::kPolygon, false, 54, {45, 30}},
      {"225/60/3", PlotMode::Poles, Kind::kPolygon, false, 48, {45, 30}},
      {"225/60/4", PlotMode::Poles, Kind::kPolygon, false, 66, {45, 30}},
      {"225/60/3", PlotMode::Synoptic, Kind::kEllipse, false, 48, {45, 30}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    PlotSettings settings;
    settings.data.mode = c.mode;
    settings.element_colour = kRed;
    const auto data = DataShapes(PlotText(c.line, settings), settings);
    ASSERT_EQ(data.size(), 1u);
    const Drawn& d = data[0];
    EXPECT_EQ(d.kind, c.kind);
    EXPECT_EQ(d.brush.none, !c.filled);
    EXPECT_EQ(d.pen.colour, kRed);
    const export_::Point centre = export_::EmfProject(c.where);
    if (d.kind == Kind::kEllipse) {
      EXPECT_EQ(d.box, (export_::Box{centre.x - c.half_size, centre.y - c.half_size, centre.x + c.half_size,
                                     centre.y + c.half_size}));
    } else {
      ASSERT_FALSE(d.points.empty());
      EXPECT_EQ(d.points[0].y, centre.y - c.half_size);  // every polygon starts at its top
    }
  }
}

TEST(PlotData, GreatCirclesAndOpacity) {
  // A vertical plane striking north-south is a straight line through the
  // centre: columns 247 and 248 at width s = 1.5.
  PlotSettings settings;
  settings.data.mode = data::PlotMode::Circles;
  settings.element_colour = kRed;
  const Plot opaque = PlotText("90/90\n", settings);
  // The line is 1.5 wide around x = 247.5: three quarters of pixels 247 and 248.
  EXPECT_TRUE(IsReddish(opaque.image.Pixel(247, 150)));
  EXPECT_TRUE(IsReddish(opaque.image.Pixel(248, 150)));
  EXPECT_EQ(opaque.image.Pixel(246, 150), kNetFill);
  const auto data = DataShapes(opaque, settings);
  ASSERT_EQ(data.size(), 1u);
  EXPECT_EQ(data[0].kind, Kind::kPolyline);
  EXPECT_EQ(data[0].points.size(), 91u);
  EXPECT_EQ(data[0].pen.width, 20);

  settings.great_circle_opacity = 0;
  const Plot clear = PlotText("90/90\n", settings);
  EXPECT_EQ(clear.image.Pixel(248, 150), kNetFill);
  EXPECT_EQ(DataShapes(clear, settings).size(), 1u);  // the vector picture has no opacity

  // Slider 8 (s = 4): four pixels wide; code -2 doubles it.
  settings = {};
  settings.symbol_size_position = 8;
  settings.data.mode = data::PlotMode::Circles;
  const Plot wide = PlotText("90/90\n", settings);
  EXPECT_TRUE(IsDark(wide.image.Pixel(246, 150)));
  EXPECT_TRUE(IsDark(wide.image.Pixel(249, 150)));
  EXPECT_FALSE(IsDark(wide.image.Pixel(251, 150)));
  settings.data.mode = data::PlotMode::Lines;
  const Plot doubled = PlotText("90/90/-2\n", settings);
  EXPECT_TRUE(IsDark(doubled.image.Pixel(251, 150)));
}

TEST(PlotData, SynopticVectorMarksAreBlackRasterKeepsTheElementColour) {
  PlotSettings settings;
  settings.data.mode = data::PlotMode::Synoptic;
  settings.element_colour = kRed;
  const Plot p = PlotText("45/30/1\n90/90/2\n225/60/3\n", settings);
  const auto data = DataShapes(p, settings);
  ASSERT_EQ(data.size(), 3u);
  EXPECT_EQ(data[0].kind, Kind::kEllipse);  // EmfPoint: no pen, black brush, half size 40
  EXPECT_TRUE(data[0].pen.none);
  EXPECT_EQ(data[0].brush.colour, kBlack);
  const export_::Point c = export_::EmfProject({45, 30});
  EXPECT_EQ(data[0].box, (export_::Box{c.x - 40, c.y - 40, c.x + 41, c.y + 41}));
  EXPECT_EQ(data[1].kind, Kind::kPolyline);
  EXPECT_EQ(data[1].pen.colour, kBlack);
  EXPECT_EQ(data[2].pen.colour, kRed);  // the pole keeps the element colour
  EXPECT_TRUE(IsReddish(p.image.Pixel(248, 150)));
}

TEST(PlotData, EigenOverlay) {
  const char* text = "0/90\n0/90\n0/90\n90/0\n0/0\n";
  for (TriState state : {TriState::Grayed, TriState::Ticked}) {
    PlotSettings settings;
    settings.orientation = state;
    settings.orientation_colour = {10, 20, 30};
    const Plot p = PlotText(text, settings);
    ASSERT_TRUE(p.result.matrix_text);
    EXPECT_EQ(p.result.matrix_text->rfind("Eigenvectors\tEigenvalues\n", 0), 0u);
    EXPECT_NE(p.result.matrix_text->find("0/90\t\t3\n"), std::string::npos);
    const auto data = DataShapes(p, settings);
    ASSERT_EQ(data.size(), 5u + 3u + 3u);  // points, planes, rings
    const Rgb first = state == TriState::Grayed ? kRed : Rgb{10, 20, 30};
    const Rgb second = state == TriState::Grayed ? Rgb{0, 128, 0} : Rgb{10, 20, 30};
    EXPECT_EQ(data[5].kind, Kind::kPolyline);
    EXPECT_EQ(data[5].pen.colour, first);
    EXPECT_EQ(data[6].pen.colour, second);
    EXPECT_EQ(data[8].kind, Kind::kEllipse);  // ring around the first eigenvector: the vertical
    EXPECT_EQ(data[8].box, (export_::Box{5940 - 120, 6300 - 120, 5940 + 121, 6300 + 121}));
    EXPECT_EQ(data[8].pen.width, 5);
    // The raster disc of radius 5 at the centre pixel (248, 262), filled
    // when grey, a ring when ticked; look at a pixel off the frame's centre
    // cross and off the planes of the other two eigenvectors.
    const Argb inside = p.image.Pixel(251, 259);
    if (state == TriState::Grayed) {
      EXPECT_EQ(inside, Argb::Opaque(kRed));
    } else {
      EXPECT_EQ(inside, kNetFill);
    }
  }
  PlotSettings off;
  EXPECT_FALSE(PlotText(text, off).result.matrix_text);
}

TEST(PlotData, EveryLineCountsAndFrameIsOnTop) {
  PlotSettings settings;
  settings.symbol_size_position = 8;
  settings.element_colour = kRed;
  const Plot p = PlotText("\n\n0/0\n", settings);  // empty lines read 0/0: north on the rim
  EXPECT_EQ(p.result.data_count, 3u);
  EXPECT_EQ(p.result.status_text, "3 data");
  // The north tick of the frame is drawn over the symbols at north.
  EXPECT_TRUE(IsReddish(p.image.Pixel(252, 35)));
  EXPECT_TRUE(IsDark(p.image.Pixel(247, 35)));
}

}  // namespace
}  // namespace velkar::stereonet
