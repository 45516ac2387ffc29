#include "stereonet/interaction.hpp"

#include <gtest/gtest.h>

#include "data/data_edit.hpp"
#include "geometry/numbers.hpp"
#include "stereonet/projection.hpp"

namespace velkar::stereonet {
namespace {

using data::PlotMode;
using geometry::Orientation;
using raster::Argb;
using raster::RasterImage;
using raster::SurfacePoint;

// The pixel where an orientation is drawn.
SurfacePoint At(Orientation o) { return ProjectOrientation(o, kMainScale); }

// The orientation drawn at (x, y). The inverse projection works from the
// centre rounded to whole pixels, half a pixel beside the drawn centre, so
// the pointer position is shifted by that half pixel.
Orientation PointOrientation(double x, double y) { return CursorOrientationAt(x + 0.5, y - 0.5); }

TEST(Interaction, PointOrientationIsTheInverseOfTheDrawing) {
  for (const SurfacePoint p : {SurfacePoint{300, 200}, SurfacePoint{100.25, 400.75}}) {
    const SurfacePoint back = At(PointOrientation(p.x, p.y));
    EXPECT_NEAR(back.x, p.x, 1e-9);
    EXPECT_NEAR(back.y, p.y, 1e-9);
  }
}

TEST(Interaction, CursorReadOut) {
  const Orientation centre = CursorOrientationAt(248, 262);
  EXPECT_TRUE(IsInsideNet(centre));
  EXPECT_EQ(PlottedDataReadOut(centre), "0/90    n: 180/0");

  const SurfacePoint p = At({45, 30});
  EXPECT_EQ(PlottedDataReadOut(PointOrientation(p.x, p.y)), "45/30    n: 225/60");

  struct Case {
    Orientation cursor;
    const char* text;
  };
  const Case cases[] = {
      {{12.5, 30.5}, "12/30    n: 192/60"},   // halves to even
      {{13.5, 29.5}, "14/30    n: 194/60"},
      {{200, 0.4}, " "},                      // rounds to dip 0: outside
      {{200, -10}, " "},
      {{359.6, 10}, "360/10    n: 180/80"},   // the rounded azimuth is shown as it is
  };
  for (const Case& c : cases) EXPECT_EQ(PlottedDataReadOut(c.cursor), c.text);

  EXPECT_FALSE(IsInsideNet(CursorOrientationAt(5, 5)));  // a corner of the diagram
  EXPECT_EQ(PlottedDataReadOut(CursorOrientationAt(5, 5)), " ");
}

TEST(Interaction, AngleTool) {
  struct Case {
    Orientation from, to;
    const char* label;
  };
  const Case cases[] = {
      {{0, 0}, {90, 0}, "90 °"},
      {{0, 0}, {180, 0}, "180 °"},
      {{0, 0}, {0, 0}, "0 °"},
      {{0, 90}, {123, 0}, "90 °"},
      {{10, 20}, {10, 57.5}, "37.5 °"},
      {{0, 0}, {1e-3, 0}, "0 °"},  // rounded to two decimals
  };
  for (const Case& c : cases) EXPECT_EQ(AngleLabel(AngleBetween(c.from, c.to), '.'), c.label);
  EXPECT_EQ(AngleLabel(37.125, ','), "37,12 °");

  AngleTool tool;
  const Orientation p0{30, 40};
  const SurfacePoint start = At(p0);
  // The first middle-button move inside the net starts the tool at p0.
  AngleDisplay d = UpdateAngleTool(tool, p0, 100, 200, true, false, '.');
  EXPECT_TRUE(tool.started);
  EXPECT_EQ(d.action, AngleDisplay::Action::Show);
  EXPECT_EQ(d.label, "0 °");
  EXPECT_EQ(d.disc_x, static_cast<int>(geometry::RoundHalfEven(start.x - 4)));
  EXPECT_EQ(d.disc_y, static_cast<int>(geometry::RoundHalfEven(start.y - 4)));
  // Later moves measure from p0; the label follows the pointer.
  d = UpdateAngleTool(tool, {120, 40}, 300, 150, true, false, '.');
  EXPECT_EQ(d.label, AngleLabel(AngleBetween(p0, {120, 40}), '.'));
  EXPECT_EQ(d.label_x, 315);
  EXPECT_EQ(d.label_y, 165);
  // Outside the net nothing changes; the rotation keeps the tool idle.
  EXPECT_EQ(UpdateAngleTool(tool, {0, -5}, 1, 1, true, false, '.').action, AngleDisplay::Action::Keep);
  EXPECT_EQ(UpdateAngleTool(tool, {0, 5}, 1, 1, true, true, '.').action, AngleDisplay::Action::Keep);
  EXPECT_TRUE(tool.started);
  // Releasing the middle button ends it.
  EXPECT_EQ(UpdateAngleTool(tool, {0, 5}, 1, 1, false, false, '.').action, AngleDisplay::Action::Hide);
  EXPECT_FALSE(tool.started);
}

TEST(Interaction, DatumLine) {
  struct Case {
    Orientation cursor;
    PlotMode mode;
    const char* delimiter;
    const char* line;
  };
  const Case cases[] = {
      {{225, 60}, PlotMode::Poles, "/", "45/30"},
      {{225, 60}, PlotMode::Lines, "/", "225/60"},
      {{225, 60}, PlotMode::Circles, ";", "225;60"},
      {{225, 60}, PlotMode::Synoptic, "\t", "225\t60"},
      {{12.5, 30.5}, PlotMode::Lines, "/", "12/30"},
      {{13.5, 31.5}, PlotMode::Lines, "/", "14/32"},
      {{200.4, 89.6}, PlotMode::Poles, "/", "20/0"},
  };
  for (const Case& c : cases) EXPECT_EQ(DatumLine(c.cursor, c.mode, c.delimiter), c.line);
}

TEST(Interaction, EraserRadiusByWheel) {
  struct Case {
    int radius, delta, result;
  };
  const Case cases[] = {
      {8, 120, 9}, {8, -120, 7}, {1, -120, 1}, {2, -240, 1}, {8, 240, 10}, {8, 40, 8}, {8, 60, 9},  // 8.6
      {8, 50, 8},  // 8.5 to even
      {9, 50, 10},
  };
  for (const Case& c : cases) EXPECT_EQ(EraserRadiusAfterWheel(c.radius, c.delta), c.result) << c.radius << " " << c.delta;
}

TEST(Interaction, EraserRemovesTheLinesUnderTheSquare) {
  const data::DataSettings lines{"/", PlotMode::Lines};
  const Orientation target{120, 45};
  const SurfacePoint c = At(target);
  const Orientation cursor = CursorOrientationAt(c.x, c.y);

  // Two data on one point go with one click; the rest keep their order and
  // line ends.
  EraseResult r = EraseAt("10/20\n120/45\n300/10\r\n120/45/6/23\n", lines, cursor, 8);
  EXPECT_EQ(r.text, "10/20\n300/10\r\n");
  EXPECT_EQ(r.removed_lines, (std::vector<std::size_t>{1, 3}));

  // The square is strict around the projection of the cursor orientation:
  // a point 8 pixels off stays at r = 8, one just inside goes.
  const SurfacePoint xc = At(cursor);
  const auto line_at = [](double x, double y) {
    const Orientation o = PointOrientation(x, y);
    return geometry::FormatGeneral(o.azimuth) + "/" + geometry::FormatGeneral(o.dip) + "\n";
  };
  const std::string text = line_at(xc.x + 8.01, xc.y) + line_at(xc.x + 7.99, xc.y - 7.99) +
                           line_at(xc.x, xc.y - 8.01) + line_at(xc.x - 7.99, xc.y + 7.99);
  r = EraseAt(text, lines, cursor, 8);
  EXPECT_EQ(r.removed_lines, (std::vector<std::size_t>{1, 3}));

  // Pole mode finds a plane by its pole; the circle mode by its own point.
  const Orientation plane = geometry::PlaneToPole(target);
  EXPECT_EQ(EraseAt("300/45\n", {"/", PlotMode::Poles}, cursor, 3).text, "");
  EXPECT_EQ(EraseAt("300/45\n", {"/", PlotMode::Circles}, cursor, 3).text, "300/45\n");
  EXPECT_EQ(plane.azimuth, 300);

  // An empty line reads 0/0, the north point of the rim; a negative dip is
  // the normalised line.
  const SurfacePoint north = At({0, 0});
  EXPECT_EQ(EraseAt("\n5/5\n", lines, CursorOrientationAt(north.x, north.y + 1), 4).text, "5/5\n");
  EXPECT_EQ(EraseAt("300/-45\n", lines, cursor, 3).text, "");
  EXPECT_EQ(EraseAt("", lines, cursor, 8).text, "");
  // Another delimiter.
  EXPECT_EQ(EraseAt("120;45\n1;2\n", {";", PlotMode::Lines}, cursor, 3).text, "1;2\n");
}

TEST(Interaction, EraserOverlay) {
  RasterImage overlay;
  DrawEraserOverlay(overlay, 100, 200, 8);
  EXPECT_EQ(overlay.Pixel(92, 200), (Argb{255, 255, 0, 0}));   // the left side, on the square
  EXPECT_EQ(overlay.Pixel(108, 192), (Argb{255, 255, 0, 0}));  // a sharp corner
  EXPECT_EQ(overlay.Pixel(100, 200).alpha, 0);                 // inside stays transparent
  EXPECT_EQ(overlay.Pixel(89, 200).alpha, 0);                  // beyond the grown outline
  EXPECT_EQ(overlay.Pixel(104, 200).alpha, 0);
  ClearOverlay(overlay);
  EXPECT_EQ(overlay.Pixel(92, 200).alpha, 0);
}

TEST(Interaction, ReferencePictures) {
  RasterImage symbols(1, 1);
  DrawSymbolCodePicture(symbols);
  ASSERT_EQ(symbols.width(), data::kSymbolCodePictureWidth);
  ASSERT_EQ(symbols.height(), data::kSymbolCodePictureHeight);
  // Each symbol sits in its own band: filled ones are black in the middle,
  // open ones white inside with a black outline.
  for (int code = 1; code <= 8; ++code) {
    const data::RowBand band = data::SymbolCodeBand(code);
    const int y = (band.first + band.last) / 2;
    const Argb middle = symbols.Pixel(48, y);
    if (code <= 4)
      EXPECT_LT(middle.red, 60) << code;
    else
      EXPECT_GT(middle.red, 200) << code;
  }

  RasterImage colours(1, 1);
  DrawColourCodePicture(colours);
  ASSERT_EQ(colours.width(), kColourCodePictureWidth);
  // Code 12 is (28, 142, 28): row 1, column 1; sample a corner of the swatch
  // clear of its number.
  const Argb c12 = colours.Pixel(2 + kColourCodeCellWidth + kColourCodeCellWidth - 3,
                                 2 + kColourCodeCellHeight + kColourCodeCellHeight - 3);
  EXPECT_EQ(c12, (Argb{255, 28, 142, 28}));
}

}  // namespace
}  // namespace velkar::stereonet
