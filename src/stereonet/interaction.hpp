// What the main diagram does with the mouse: the orientation under the
// pointer and its read-out, the angle tool, adding a datum by a click, the
// square eraser, and the two reference pictures of the plot mode (symbol
// codes and colour codes). The window passes pointer positions in pixels of
// the 500 x 513 diagram and shows what these functions return.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "data/data_line.hpp"
#include "data/data_text.hpp"
#include "geometry/vectors.hpp"
#include "raster/image.hpp"

namespace velkar::stereonet {

// The orientation under the pointer at (x, y) of the main diagram:
// UnprojectPoint at k = 1.5. Outside the net the dip is 0 or negative.
geometry::Orientation CursorOrientationAt(double x, double y);

// A cursor orientation counts as inside the net when its dip is above 0.
bool IsInsideNet(geometry::Orientation cursor);

// The read-out over plotted data: azimuth "/" dip "    n: " and the pole
// (PlaneToPole) of the rounded orientation, all as whole numbers (halves to
// even); " " (one blank) when the rounded dip is 0 or less. The cursor at
// 45/30 reads "45/30    n: 225/60".
std::string PlottedDataReadOut(geometry::Orientation cursor);

// The angle between two directions, 0..180 degrees.
double AngleBetween(geometry::Orientation a, geometry::Orientation b);
// The label of the angle tool: the angle rounded to two decimals in the
// general format, then " °" ("90 °", "37,5 °").
std::string AngleLabel(double degrees, char decimal_separator);

// The angle tool, dragged with the middle button: the first orientation is
// taken on the first move inside the net; every later move measures to it.
struct AngleTool {
  bool started = false;
  geometry::Orientation p0;
};

// What the window shows for the angle tool after one move.
struct AngleDisplay {
  enum class Action { Keep, Show, Hide };
  Action action = Action::Keep;
  int label_x = 0;       // top-left of the white label box: pointer + (15, 15)
  int label_y = 0;
  std::string label;
  int disc_x = 0;        // top-left of the 7 x 7 red disc: projection of p0 - (4, 4)
  int disc_y = 0;
};

// One mouse move at pixel (x, y) with `cursor` under it. With the middle
// button held (and the manual rotation off) inside the net the tool starts
// or measures and is shown; without the middle button it stops and is
// hidden; otherwise (outside the net, or while rotating) nothing changes.
AngleDisplay UpdateAngleTool(AngleTool& tool, geometry::Orientation cursor, int x, int y, bool middle_held,
                             bool rotation_on, char decimal_separator);

// The data line a click adds: the cursor orientation, in pole mode the
// plane whose pole is under the cursor, with azimuth and dip rounded to
// whole degrees (halves to even) and joined by the delimiter ("225/60").
std::string DatumLine(geometry::Orientation cursor, data::PlotMode mode, std::string_view delimiter);

// The eraser's half-size after a wheel turn: R(radius + delta / 100), at
// least 1 (one notch of 120 changes it by 1).
int EraserRadiusAfterWheel(int radius, int wheel_delta);

struct EraseResult {
  std::string text;                         // the data text without the erased lines
  std::vector<std::size_t> removed_lines;   // 0-based lines of the old text, ascending
};

// The lines whose point lies strictly inside the square of half-size
// `radius` around the projection of the cursor orientation are removed.
// A line's point is its first two fields read as azimuth and dip (a
// negative dip normalised); in pole mode the pole of that plane, so that a
// datum is found where it is drawn as a point, and in the great-circle and
// synoptic modes by the point of its own orientation. Line ends of the
// kept lines are kept.
EraseResult EraseAt(std::string_view text, const data::DataSettings& settings, geometry::Orientation cursor,
                    int radius);

// The eraser overlay: transparent, with the square of half-size `radius`
// around pixel (x, y) as its outline grown by one pixel to each side, sharp
// corners, opaque red, anti-aliased. The overlay is sized to the diagram.
void DrawEraserOverlay(raster::RasterImage& overlay, int x, int y, int radius);
// The overlay made fully transparent.
void ClearOverlay(raster::RasterImage& overlay);

// The symbol-code picture (80 x 140, see data::SymbolCodeAtY): codes 1 to 8
// (filled circle, triangle, square, diamond, then the open ones), each drawn
// in the middle of its row band with its number, and a close mark at the
// top right.
void DrawSymbolCodePicture(raster::RasterImage& picture);

// The colour-code picture: codes 1 to 80 as eight rows (ramps) of ten
// swatches, each with its number.
inline constexpr int kColourCodeCellWidth = 24;
inline constexpr int kColourCodeCellHeight = 18;
inline constexpr int kColourCodePictureWidth = 10 * kColourCodeCellWidth + 4;
inline constexpr int kColourCodePictureHeight = 8 * kColourCodeCellHeight + 4;
void DrawColourCodePicture(raster::RasterImage& picture);

}  // namespace velkar::stereonet
