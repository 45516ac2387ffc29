// The contoured diagram drawn from a density state: node colours by the
// selected scheme, contour lines at the levels of a class interval chosen
// from the maximum with their legend, the colour bar, the eigenvector
// overlay, the frame and the number of data. The window's redraw button and
// every option change call DrawContouredDiagram.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "contour/colour_scheme.hpp"
#include "contour/density.hpp"
#include "data/colour.hpp"
#include "raster/image.hpp"
#include "stereonet/plot_command.hpp"
#include "text/language.hpp"
#include "text/texts.hpp"

namespace velkar::contour {

// Node values in class units, laid out like the density grid: a value v
// above 1 becomes (v - 1) / d + 1, so that the contour levels 1, 2, 3, ...
// lie at the densities 1, 1 + d, 1 + 2d, ...; values of 1 or less are copied
// and the outside holds kOutsideMarker. The window keeps one for the whole
// run: a maximum outside the class table leaves it as the last redraw built
// it. A level grid never built holds kOutsideMarker everywhere (no lines).
using LevelGrid = DensityGrid;
LevelGrid MakeLevelGrid();

// A row of the class-interval table: the interval d and the legend text
// that names the second level (below M = 101) or the interval (from 101 on).
struct ClassInterval {
  double interval = 1;
  text::TextId legend = text::TextId::Levels2;
};

// The row for M, the maximum rounded to the nearest integer: 1-5 (d 0.5
// with half_interval, else 1), 6-15 d 1, 16-30 d 2, 31-45 d 3, 46-60 d 4,
// 61-75 d 5, 76-100 d 6, 101-150 d 8, 151-200 d 10, 201-300 d 20, 301-400
// d 30, 401-500 d 40, 501-1500 d 100; empty below 1 and above 1500.
std::optional<ClassInterval> ClassIntervalFor(int m, bool half_interval);

// Rebuilds the nodes with x and y in 1..500 for a maximum of the density
// (nothing when the maximum's row is empty).
void BuildLevelGrid(const DensityGrid& density, double maximum, bool half_interval, LevelGrid& levels);

// A point at every place where a whole level is crossed between a node and
// its neighbour before it along x or along y, at the linearly interpolated
// sub-pixel position, spread bilinearly over the four pixels around it, in
// the given opaque colour. Two neighbours of the same whole level value
// (a zero denominator) put the point on the second node.
void DrawContourLines(raster::RasterImage& image, const LevelGrid& levels, data::Rgb colour);

// The level legend, e.g. "contours: 1, 3, ... 23 s": the contour word, the
// row's text, the maximum truncated to a whole number and " s" or " %".
// Empty when no row applies (M outside 1..1500, or above 100 on the fixed
// percentage scale).
std::optional<std::string> LevelLegendText(double maximum, bool half_interval, bool percent,
                                           text::Language language);

// The colour bar: for i = 1..100 row top + i, pixels left + 1..left + 10,
// gets the colour of maximum / 100 * (100 - i) (minimum 0); a black frame
// of 10 x 100 with two ticks to its right; the smallest whole number not
// below the maximum with a blank and the unit text at (left + 15, top - 5),
// "0" at (left + 15, top + 92), Arial 10 pt.
void DrawColourBarLegend(raster::RasterImage& image, int left, std::string_view unit, bool discrete,
                         ColourScheme scheme, int top, double maximum, const SchemeColours& colours = {});

// The options of the two group boxes and what the redraw takes from the
// window.
struct RedrawSettings {
  ColourScheme scheme = ColourScheme::BlueGreenRed;
  SchemeColours colours;
  bool discrete = false;                                            // "Diskrétní"
  stereonet::TriState legend = stereonet::TriState::Ticked;         // "Legenda": grey drops the colour bar
  bool contours = true;                                             // "Kontury"
  bool half_interval = false;                                       // "0,5 %"
  stereonet::TriState orientation = stereonet::TriState::Clear;     // "Orientace": grey draws it translucent
  bool shadow = false;                                              // "Stín diagramu"
  bool percent = false;                                             // "1% o": the unit
  data::Rgb line_colour{0, 0, 0};                                   // the plot colour: contour points
  std::size_t line_count = 0;                                       // lines of the data text: "n = "
  text::Language language = text::Language::English;
  char decimal_separator = '.';
  std::string north_letter = "N";
};

struct RedrawResult {
  bool drawn = false;                       // false: no grid computed yet, the image is unchanged
  std::optional<std::string> level_legend;  // the level text drawn
  std::optional<std::string> count_text;    // "n = ..." when drawn
  std::optional<std::string> matrix_text;   // the six-item orientation-matrix text of the overlay
  stereonet::DiagramKind diagram_kind = stereonet::DiagramKind::None;  // Contoured when drawn
};

// The redraw, in this order: the discrete mode only when the maximum
// truncated is at least 1; nothing at all while no grid exists; the net
// base (the image becomes 500 x 513, white); every inside node with x and y
// in 1..500 coloured; with "Kontury" the level grid rebuilt, the contour
// lines and (legend on or grey) the level legend at (360, 485), Arial 10;
// with the legend on the colour bar at (10, 385); with "Orientace" on or
// grey the great circles normal to the three eigenvectors of the tensor sum
// (width 2, black, opacity 150 when grey) and open black circles of radius 5
// on the eigenvectors; the frame; with the legend on or grey "n = " and the
// line count at (360, 470), Arial 12.
RedrawResult DrawContouredDiagram(raster::RasterImage& image, const DensityState& state,
                                  const RedrawSettings& settings, LevelGrid& levels);

// The status-bar read-out over the contoured diagram at pixel (x, y): the
// cursor azimuth "/" dip as whole numbers, "      D: ", the node's value
// rounded to two decimals, then " %" with the fixed percentage scale and
// " s" otherwise; " " when the rounded dip is 0 or less.
std::string ContouredReadOut(const DensityState& state, int x, int y, bool percent, char decimal_separator);

}  // namespace velkar::contour
