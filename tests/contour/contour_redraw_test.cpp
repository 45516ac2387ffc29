#include "contour/contour_redraw.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace velkar::contour {
namespace {

using data::Rgb;
using raster::Argb;
using raster::RasterImage;
using stereonet::TriState;

constexpr Argb kWhite{255, 255, 255, 255};
constexpr Argb kBlack{255, 0, 0, 0};

const DensityState& TwoClusters() {
  static const DensityState state = [] {
    std::string text;
    for (int i = 0; i < 10; ++i) text += "0/90\n";
    for (int i = 0; i < 5; ++i) text += "45/45\n120/10\n";
    ContourSettings s;
    s.data_count = 20;
    return *ComputeDensity(text, s).state;
  }();
  return state;
}

RedrawSettings Defaults() {
  RedrawSettings s;
  s.line_count = 20;
  return s;
}

bool Dark(Argb p) { return p.red < 128 && p.green < 128 && p.blue < 128; }

int DarkPixels(const RasterImage& image, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) n += Dark(image.Pixel(x, y));
  return n;
}

// A node whose surroundings hold no level crossing, clear of the legends:
// its pixel shows the scheme colour alone.
std::pair<int, int> QuietNode(const DensityState& state, const LevelGrid& levels) {
  for (int x = 150; x <= 350; x += 7) {
    for (int y = 100; y <= 400; y += 7) {
      bool quiet = state.grid[x][y] != kOutsideMarker;
      const double level = std::floor(levels[x][y]);
      for (int i = -2; i <= 2 && quiet; ++i)
        for (int j = -2; j <= 2 && quiet; ++j) {
          const double around = levels[x + i][y + j];
          quiet = around != kOutsideMarker && std::floor(around) == level;
        }
      if (quiet && state.grid[x][y] > 0.5) return {x, y};
    }
  }
  return {-1, -1};
}

TEST(ContourRedraw, NothingBeforeAGridExists) {
  RasterImage image(10, 10);
  LevelGrid levels = MakeLevelGrid();
  const RedrawResult r = DrawContouredDiagram(image, DensityState{}, Defaults(), levels);
  EXPECT_FALSE(r.drawn);
  EXPECT_EQ(r.diagram_kind, stereonet::DiagramKind::None);
  EXPECT_EQ(image.width(), 10);
  EXPECT_EQ(image.Pixel(5, 5), (Argb{0, 0, 0, 0}));
}

TEST(ContourRedraw, LayersInOrder) {
  const DensityState& state = TwoClusters();
  RasterImage image;
  LevelGrid levels = MakeLevelGrid();
  RedrawSettings settings = Defaults();
  settings.scheme = ColourScheme::Rainbow;
  const RedrawResult r = DrawContouredDiagram(image, state, settings, levels);
  ASSERT_TRUE(r.drawn);
  EXPECT_EQ(r.diagram_kind, stereonet::DiagramKind::Contoured);
  EXPECT_EQ(image.width(), 500);
  EXPECT_EQ(image.height(), 513);

  // Node colours where no line passes.
  const auto [qx, qy] = QuietNode(state, levels);
  ASSERT_GE(qx, 0);
  EXPECT_EQ(image.Pixel(qx, qy),
            Argb::Opaque(ContourColour(ColourScheme::Rainbow, false, state.grid[qx][qy], 0, state.maximum)));
  // Outside the net the paper stays white.
  EXPECT_EQ(image.Pixel(5, 5), kWhite);
  EXPECT_EQ(image.Pixel(495, 300), kWhite);
  // The frame lies over the node colours: the rim at the east end.
  EXPECT_EQ(image.Pixel(472, 262), kBlack);
  // The colour bar: row 385 + i shows maximum / 100 * (100 - i).
  for (const int i : {1, 50, 99}) {
    EXPECT_EQ(image.Pixel(15, 385 + i),
              Argb::Opaque(ContourColour(ColourScheme::Rainbow, false, state.maximum / 100 * (100 - i), 0,
                                         state.maximum)))
        << i;
  }
  EXPECT_EQ(image.Pixel(16, 385), kBlack);  // the frame's top edge
  EXPECT_GT(DarkPixels(image, 25, 378, 60, 392), 10);   // the maximum and its unit
  EXPECT_GT(DarkPixels(image, 25, 475, 35, 490), 3);    // "0"
  EXPECT_GT(DarkPixels(image, 360, 470, 400, 484), 10);  // "n = 20"
  EXPECT_GT(DarkPixels(image, 360, 485, 495, 500), 20);  // the level legend
  ASSERT_TRUE(r.count_text);
  EXPECT_EQ(*r.count_text, "n = 20");
  ASSERT_TRUE(r.level_legend);
  EXPECT_EQ(r.level_legend->rfind("contours: 1, ", 0), 0u) << *r.level_legend;
  EXPECT_FALSE(r.matrix_text);
}

TEST(ContourRedraw, OptionsChangeWhatIsDrawn) {
  const DensityState& state = TwoClusters();
  LevelGrid levels = MakeLevelGrid();
  RasterImage with_lines, without_lines;
  RedrawSettings settings = Defaults();
  settings.legend = TriState::Clear;
  DrawContouredDiagram(with_lines, state, settings, levels);
  settings.contours = false;
  const RedrawResult plain = DrawContouredDiagram(without_lines, state, settings, levels);
  EXPECT_FALSE(plain.level_legend);
  EXPECT_FALSE(plain.count_text);
  // Every pixel the lines changed lies next to a level crossing.
  int changed = 0, stray = 0;
  for (int y = 1; y < 500; ++y) {
    for (int x = 1; x < 500; ++x) {
      if (with_lines.Pixel(x, y) == without_lines.Pixel(x, y)) continue;
      ++changed;
      bool near = false;
      for (int i = -1; i <= 1 && !near; ++i)
        for (int j = -1; j <= 1 && !near; ++j) {
          const int nx = x + i, ny = y + j;
          if (nx < 1 || ny < 1 || nx > 500 || ny > 500 || levels[nx][ny] == kOutsideMarker) continue;
          const double b = levels[nx][ny];
          near = std::floor(levels[nx - 1][ny]) != std::floor(b) || std::floor(levels[nx][ny - 1]) != std::floor(b) ||
                 b == std::floor(b);
        }
      stray += !near;
    }
  }
  EXPECT_GT(changed, 200);
  EXPECT_EQ(stray, 0);
  // Without the legend neither the bar nor the texts.
  EXPECT_EQ(DarkPixels(without_lines, 360, 470, 400, 484), 0);
  EXPECT_EQ(without_lines.Pixel(15, 435), with_lines.Pixel(15, 435));

  // Grey legend: the texts but no colour bar.
  RasterImage grey;
  settings = Defaults();
  settings.legend = TriState::Grayed;
  const RedrawResult g = DrawContouredDiagram(grey, state, settings, levels);
  EXPECT_TRUE(g.count_text);
  EXPECT_TRUE(g.level_legend);
  EXPECT_GT(DarkPixels(grey, 360, 470, 400, 484), 10);
  EXPECT_EQ(DarkPixels(grey, 10, 385, 13, 485), 0);

  // The eigenvector overlay with the six items of the matrix text.
  RasterImage overlay;
  settings = Defaults();
  settings.orientation = TriState::Ticked;
  const RedrawResult o = DrawContouredDiagram(overlay, state, settings, levels);
  ASSERT_TRUE(o.matrix_text);
  EXPECT_EQ(o.matrix_text->rfind("Eigenvectors\tEigenvalues\n", 0), 0u);
  EXPECT_NE(o.matrix_text->find("Lode ratio: \t"), std::string::npos);
  EXPECT_EQ(o.matrix_text->find("Strength"), std::string::npos);
  settings.language = text::Language::Czech;
  const RedrawResult cz = DrawContouredDiagram(overlay, state, settings, levels);
  EXPECT_EQ(cz.matrix_text->rfind("Vektory\t\tČísla\n", 0), 0u);
  EXPECT_EQ(*cz.level_legend, "kontury" + cz.level_legend->substr(7));
}

TEST(ContourRedraw, DiscreteNeedsAMaximumOfOne) {
  DensityState low = TwoClusters();
  for (auto& row : low.grid)
    for (double& v : row)
      if (v != kOutsideMarker) v = v / low.maximum * 0.9;
  low.maximum = 0.9;
  LevelGrid levels = MakeLevelGrid();
  RasterImage discrete, smooth;
  RedrawSettings settings = Defaults();
  settings.discrete = true;
  DrawContouredDiagram(discrete, low, settings, levels);
  settings.discrete = false;
  DrawContouredDiagram(smooth, low, settings, levels);
  for (int y = 0; y < 513; y += 3)
    for (int x = 0; x < 500; x += 3) ASSERT_EQ(discrete.Pixel(x, y), smooth.Pixel(x, y)) << x << "," << y;
}

TEST(ContourLines, SubPixelPointsAndEqualNeighbours) {
  RasterImage image;
  image.Resize(500, 513);
  image.Flush();
  for (int y = 0; y < 513; ++y)
    for (int x = 0; x < 500; ++x) image.Row(y)[x] = 0xffffffffu;
  image.MarkDirty();
  LevelGrid levels = MakeLevelGrid();
  // Along x: 0.5 -> 1.5 crosses level 1 half-way, 1.5 -> 0.5 likewise
  // downwards, 0.5 -> 2.5 skips two levels, 2 -> 2 is equal.
  levels[99][50] = 0.5;
  levels[100][50] = 1.5;
  levels[199][50] = 1.5;
  levels[200][50] = 0.5;
  levels[299][50] = 0.5;
  levels[300][50] = 2.5;
  levels[399][50] = 2;
  levels[400][50] = 2;
  DrawContourLines(image, levels, {0, 0, 0});
  const Argb half{255, 128, 128, 128};  // 127.5 rounds to even
  EXPECT_EQ(image.Pixel(99, 50), half);
  EXPECT_EQ(image.Pixel(100, 50), half);
  EXPECT_EQ(image.Pixel(199, 50), half);
  EXPECT_EQ(image.Pixel(200, 50), half);
  EXPECT_EQ(image.Pixel(299, 50), kWhite);
  EXPECT_EQ(image.Pixel(300, 50), kWhite);
  EXPECT_EQ(image.Pixel(400, 50), kBlack);  // the point on the second node
  EXPECT_EQ(image.Pixel(399, 50), kWhite);
  // Along y the same rule, in the colour given.
  levels[250][300] = 3.25;
  levels[250][301] = 4.25;
  DrawContourLines(image, levels, {255, 0, 0});
  // 3.25 -> 4.25 crosses 4 at y = 300.75.
  EXPECT_EQ(image.Pixel(250, 300), (Argb{255, 255, 191, 191}));  // 1/4 of the point
  EXPECT_EQ(image.Pixel(250, 301), (Argb{255, 255, 64, 64}));    // 3/4
}

TEST(ContourLevels, ClassIntervalTable) {
  struct Case {
    int m;
    bool half;
    double d;  // 0: no row
    const char* text;
  };
  const Case cases[] = {
      {0, false, 0, nullptr},        {1, true, 0.5, ": 1, 1.5, ... "}, {5, true, 0.5, ": 1, 1.5, ... "},
      {5, false, 1, ": 1, 2, ... "}, {6, true, 1, ": 1, 2, ... "},     {15, false, 1, ": 1, 2, ... "},
      {16, false, 2, ": 1, 3, ... "}, {31, false, 3, ": 1, 4, ... "},  {60, false, 4, ": 1, 5, ... "},
      {61, false, 5, ": 1, 6, ... "}, {100, false, 6, ": 1, 7, ... "}, {101, false, 8, ": 1, 8, ... "},
      {200, false, 10, ": 1, 10, ... "}, {201, false, 20, ": 1, 20, ... "}, {400, false, 30, ": 1, 30, ... "},
      {500, false, 40, ": 1, 40, ... "}, {501, false, 100, ": 1, 100, ... "}, {1500, false, 100, ": 1, 100, ... "},
      {1501, false, 0, nullptr},
  };
  for (const Case& c : cases) {
    const std::optional<ClassInterval> row = ClassIntervalFor(c.m, c.half);
    ASSERT_EQ(row.has_value(), c.d != 0) << c.m;
    if (!row) continue;
    EXPECT_EQ(row->interval, c.d) << c.m;
    EXPECT_EQ(text::Text(row->legend, text::Language::English), c.text) << c.m;
  }
  using text::Language;
  EXPECT_EQ(LevelLegendText(12.4, true, false, Language::English), "contours: 1, 2, ... 12 s");
  EXPECT_EQ(LevelLegendText(4.6, true, false, Language::English), "contours: 1, 1.5, ... 4 s");
  EXPECT_EQ(LevelLegendText(23.2, false, false, Language::Czech), "kontury: 1, 3, ... 23 s");
  EXPECT_EQ(LevelLegendText(130, false, false, Language::English), "contours: 1, 8, ... 130 s");
  EXPECT_EQ(LevelLegendText(50, false, true, Language::English), "contours: 1, 5, ... 50 %");
  EXPECT_FALSE(LevelLegendText(130, false, true, Language::English));
  EXPECT_FALSE(LevelLegendText(1600, false, false, Language::English));
  EXPECT_FALSE(LevelLegendText(0.4, false, false, Language::English));
}

TEST(ContourLevels, LevelGridInClassUnits) {
  DensityGrid density = MakeGrid(kOutsideMarker);
  density[10][10] = 0.7;   // at or below 1: copied
  density[10][11] = 2;     // with d = 0.5: (2 - 1) / 0.5 + 1 = 3
  density[10][12] = 9;     // with d = 8: level 2
  LevelGrid levels = MakeLevelGrid();
  BuildLevelGrid(density, 4.6, true, levels);
  EXPECT_EQ(levels[10][10], 0.7);
  EXPECT_EQ(levels[10][11], 3);
  EXPECT_EQ(levels[10][20], kOutsideMarker);
  BuildLevelGrid(density, 130, false, levels);
  EXPECT_EQ(levels[10][12], 2);  // lines at 1, 9, 17, ...
  // A maximum beyond the table keeps the last levels.
  density[10][12] = 100;
  BuildLevelGrid(density, 2000, false, levels);
  EXPECT_EQ(levels[10][12], 2);
  EXPECT_EQ(levels[0][0], kOutsideMarker);  // the border rows are never built
}

TEST(ContourReadOut, DensityUnderTheCursor) {
  DensityState state;
  state.grid = MakeGrid(kOutsideMarker);
  state.grid[248][262] = 12.3456;
  state.grid[300][300] = 0.5;
  EXPECT_EQ(ContouredReadOut(state, 248, 262, false, '.'), "0/90      D: 12.35 s");
  EXPECT_EQ(ContouredReadOut(state, 248, 262, true, ','), "0/90      D: 12,35 %");
  EXPECT_EQ(ContouredReadOut(state, 300, 300, false, '.').substr(0, 4), "126/");
  EXPECT_NE(ContouredReadOut(state, 300, 300, false, '.').find("      D: 0.5 s"), std::string::npos);
  EXPECT_EQ(ContouredReadOut(state, 248, 0, false, '.'), " ");   // outside the net
  EXPECT_EQ(ContouredReadOut(state, 248, 37, false, '.'), " ");  // on the rim: dip 0
  EXPECT_EQ(ContouredReadOut(state, 600, 600, false, '.'), " ");
}

}  // namespace
}  // namespace velkar::contour
