#include "contour/contour_redraw.hpp"

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "geometry/numbers.hpp"
#include "geometry/tensor.hpp"
#include "raster/pixels.hpp"
#include "raster/text.hpp"
#include "stereonet/canvas.hpp"
#include "stereonet/projection.hpp"
#include "text/texts.hpp"

namespace velkar::contour {

using data::Rgb;
using raster::Argb;
using raster::RasterImage;
using stereonet::TriState;

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr int kColourBarLeft = 10, kColourBarTop = 385;
constexpr int kLevelLegendX = 360, kLevelLegendY = 485;
constexpr int kCountX = 360, kCountY = 470;
constexpr double kLegendPoints = 10;
constexpr double kCountPoints = 12;
constexpr std::uint8_t kGreyOverlayAlpha = 150;

struct ClassRow {
  int up_to;  // the largest M of the row
  double interval;
  text::TextId legend;
};
// From M = 1 on; the half interval of the first row is handled apart.
constexpr ClassRow kClassTable[] = {
    {5, 1, text::TextId::Levels2},      {15, 1, text::TextId::Levels2},     {30, 2, text::TextId::Levels3},
    {45, 3, text::TextId::Levels4},     {60, 4, text::TextId::Levels5},     {75, 5, text::TextId::Levels6},
    {100, 6, text::TextId::Levels7},    {150, 8, text::TextId::Levels8},    {200, 10, text::TextId::Levels10},
    {300, 20, text::TextId::Levels20},  {400, 30, text::TextId::Levels30},  {500, 40, text::TextId::Levels40},
    {1500, 100, text::TextId::Levels100},
};
constexpr int kLargestPercentRow = 100;

int RoundedMaximum(double maximum) {
  if (!(std::fabs(maximum) < 1e9)) return maximum > 0 ? 1000000000 : -1000000000;
  return geometry::RoundToInt(maximum);
}

std::string Whole(double v) { return geometry::FormatGeneral(v); }

// A sub-pixel point: coverage spread bilinearly over the four pixels around
// (px, py), laid over them in premultiplied form.
void BlendPoint(RasterImage& image, double px, double py, Rgb colour) {
  if (!std::isfinite(px) || !std::isfinite(py)) return;
  const double fx = std::floor(px), fy = std::floor(py);
  const double ax = px - fx, ay = py - fy;
  const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
  const double weight[2][2] = {{(1 - ax) * (1 - ay), (1 - ax) * ay}, {ax * (1 - ay), ax * ay}};
  const double source[4] = {255, static_cast<double>(colour.red), static_cast<double>(colour.green),
                            static_cast<double>(colour.blue)};
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 2; ++j) {
      const int x = x0 + i, y = y0 + j;
      const double w = weight[i][j];
      if (w <= 0 || x < 0 || y < 0 || x >= image.width() || y >= image.height()) continue;
      std::uint32_t& p = image.Row(y)[x];
      std::uint32_t out = 0;
      for (int c = 0; c < 4; ++c) {
        const int shift = 24 - 8 * c;
        const double d = static_cast<double>((p >> shift) & 0xffu);
        const double v = geometry::RoundHalfEven(source[c] * w + d * (1 - w));
        out |= static_cast<std::uint32_t>(std::clamp(v, 0.0, 255.0)) << shift;
      }
      p = out;
    }
  }
}

// The overlay in black with open symbols, its circles translucent when grey.
void DrawEigenOverlay(RasterImage& image, const DensityState& state, const RedrawSettings& settings,
                      RedrawResult& result) {
  const Argb colour{settings.orientation == TriState::Grayed ? kGreyOverlayAlpha : std::uint8_t{255}, 0, 0, 0};
  const geometry::EigenResult eigen = geometry::EigenAnalysis(state.tensor);
  stereonet::DrawEigenOverlay(image, eigen, {colour, colour, colour}, stereonet::kMainScale, false);
  result.matrix_text = geometry::OrientationMatrixText(eigen, settings.language, settings.decimal_separator,
                                                       geometry::MatrixTextItems::WithoutZetaGamma);
}

}  // namespace

LevelGrid MakeLevelGrid() { return MakeGrid(kOutsideMarker); }

std::optional<ClassInterval> ClassIntervalFor(int m, bool half_interval) {
  if (m < 1) return std::nullopt;
  for (const ClassRow& row : kClassTable) {
    if (m > row.up_to) continue;
    if (row.up_to == 5 && half_interval) return ClassInterval{0.5, text::TextId::LevelsHalf};
    return ClassInterval{row.interval, row.legend};
  }
  return std::nullopt;
}

void BuildLevelGrid(const DensityGrid& density, double maximum, bool half_interval, LevelGrid& levels) {
  const std::optional<ClassInterval> row = ClassIntervalFor(RoundedMaximum(maximum), half_interval);
  if (!row) return;
  const double d = row->interval;
  for (int x = 1; x <= 500; ++x) {
    for (int y = 1; y <= 500; ++y) {
      const double v = density[x][y];
      levels[x][y] = v == kOutsideMarker || v <= 1 ? v : (v - 1) / d + 1;
    }
  }
}

void DrawContourLines(RasterImage& image, const LevelGrid& levels, Rgb colour) {
  image.Flush();
  // The crossing of level between a (at the node before) and b (at the
  // node); on equal values the point sits on the node.
  const auto along = [](double a, double b, double level) { return a == b ? 1.0 : (level - a) / (b - a); };
  for (int x = 1; x <= 500; ++x) {
    for (int y = 1; y <= 500; ++y) {
      const double b = levels[x][y];
      if (b == kOutsideMarker) continue;
      const double a = levels[x - 1][y];
      const double a2 = levels[x][y - 1];
      const double up = std::trunc(b);
      if (std::ceil(a) == up) BlendPoint(image, (x - 1) + along(a, b, up), y, colour);
      if (std::ceil(a2) == up) BlendPoint(image, x, (y - 1) + along(a2, b, up), colour);
      const double down = std::ceil(b);
      if (std::trunc(a) == down) BlendPoint(image, (x - 1) + along(-a, -b, -down), y, colour);
      if (std::trunc(a2) == down) BlendPoint(image, x, (y - 1) + along(-a2, -b, -down), colour);
    }
  }
  image.MarkDirty();
}

std::optional<std::string> LevelLegendText(double maximum, bool half_interval, bool percent,
                                           text::Language language) {
  const int m = RoundedMaximum(maximum);
  const std::optional<ClassInterval> row = ClassIntervalFor(m, half_interval);
  if (!row || (percent && m > kLargestPercentRow)) return std::nullopt;
  return std::string(text::Text(text::TextId::ContourWord, language)) +
         std::string(text::Text(row->legend, language)) + Whole(std::trunc(maximum)) +
         std::string(text::Text(percent ? text::TextId::SuffixPercent : text::TextId::SuffixMultiples, language));
}

void DrawColourBarLegend(RasterImage& image, int left, std::string_view unit, bool discrete, ColourScheme scheme,
                         int top, double maximum, const SchemeColours& colours) {
  cairo_t* cr = image.cairo();
  if (cr == nullptr) return;
  image.Flush();
  for (int i = 1; i <= 100; ++i) {
    const double value = maximum / 100 * (100 - i);
    raster::FillSpan(image, left + 1, left + 10, top + i,
                     raster::OpaquePixel(ContourColour(scheme, discrete, value, 0, maximum, colours)));
  }
  image.MarkDirty();

  cairo_save(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, left, top);
  cairo_line_to(cr, left + 10, top);
  cairo_line_to(cr, left + 10, top + 100);
  cairo_line_to(cr, left, top + 100);
  cairo_line_to(cr, left, top);
  cairo_move_to(cr, left + 10, top);
  cairo_line_to(cr, left + 13, top);
  cairo_move_to(cr, left + 10, top + 100);
  cairo_line_to(cr, left + 13, top + 100);
  cairo_set_line_width(cr, 1.0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_set_source_rgb(cr, 0, 0, 0);
  // Three coats darken the anti-aliased edges into a firm thin frame.
  for (int coat = 0; coat < 3; ++coat) cairo_stroke_preserve(cr);
  cairo_new_path(cr);
  cairo_restore(cr);

  const Argb black = Argb::Opaque(kBlack);
  raster::DrawTextAt(image, Whole(std::ceil(maximum)) + " " + std::string(unit), left + 15, top - 5, kLegendPoints,
                     black);
  raster::DrawTextAt(image, "0", left + 15, top + 92, kLegendPoints, black);
  image.Flush();
}

RedrawResult DrawContouredDiagram(RasterImage& image, const DensityState& state, const RedrawSettings& settings,
                                  LevelGrid& levels) {
  RedrawResult result;
  const bool discrete = settings.discrete && std::trunc(state.maximum) >= 1;
  if (!HasGrid(state)) return result;

  image.Resize(raster::kDiagramWidth, raster::kDiagramHeight);
  stereonet::DrawNetBase(image, settings.shadow, stereonet::kMainScale);

  image.Flush();
  for (int y = 1; y <= 500 && y < image.height(); ++y) {
    std::uint32_t* row = image.Row(y);
    for (int x = 1; x <= 500 && x < image.width(); ++x) {
      const double v = state.grid[x][y];
      if (v == kOutsideMarker) continue;
      row[x] = raster::OpaquePixel(
          ContourColour(settings.scheme, discrete, v, state.minimum, state.maximum, settings.colours));
    }
  }
  image.MarkDirty();

  const Argb black = Argb::Opaque(kBlack);
  if (settings.contours) {
    if (levels.size() != kGridSize) levels = MakeLevelGrid();
    BuildLevelGrid(state.grid, state.maximum, settings.half_interval, levels);
    DrawContourLines(image, levels, settings.line_colour);
    if (settings.legend != TriState::Clear) {
      result.level_legend = LevelLegendText(state.maximum, settings.half_interval, settings.percent, settings.language);
      if (result.level_legend) {
        raster::DrawTextAt(image, *result.level_legend, kLevelLegendX, kLevelLegendY, kLegendPoints, black);
      }
    }
  }

  const text::TextId unit = settings.percent ? text::TextId::UnitPercent : text::TextId::UnitMultiples;
  if (settings.legend == TriState::Ticked) {
    DrawColourBarLegend(image, kColourBarLeft, text::Text(unit, settings.language), discrete, settings.scheme,
                        kColourBarTop, state.maximum, settings.colours);
  }
  if (settings.orientation != TriState::Clear) DrawEigenOverlay(image, state, settings, result);

  stereonet::DrawNetFrame(image, stereonet::kMainScale, settings.north_letter);
  result.diagram_kind = stereonet::DiagramKind::Contoured;
  if (settings.legend != TriState::Clear) {
    result.count_text = std::string(text::Text(text::TextId::CountPrefix, settings.language)) +
                        std::to_string(settings.line_count);
    raster::DrawTextAt(image, *result.count_text, kCountX, kCountY, kCountPoints, black);
  }
  image.Flush();
  result.drawn = true;
  return result;
}

std::string ContouredReadOut(const DensityState& state, int x, int y, bool percent, char decimal_separator) {
  const geometry::Orientation cursor = stereonet::UnprojectPoint(x, y, stereonet::kMainScale);
  const double a = geometry::RoundHalfEven(cursor.azimuth);
  const double d = geometry::RoundHalfEven(cursor.dip);
  if (d <= 0) return " ";
  const bool on_grid = x >= 0 && y >= 0 && x < kGridSize && y < kGridSize && state.grid.size() == kGridSize;
  const double v = on_grid ? state.grid[x][y] : kOutsideMarker;
  // The separator and the units read alike in both languages.
  constexpr text::Language kAny = text::Language::English;
  return Whole(a) + "/" + Whole(d) + std::string(text::Text(text::TextId::ReadOutSeparator, kAny)) +
         geometry::FormatRounded(v, 2, decimal_separator) +
         std::string(text::Text(percent ? text::TextId::SuffixPercent : text::TextId::SuffixMultiples, kAny));
}

}  // namespace velkar::contour
