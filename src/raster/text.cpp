#include "raster/text.hpp"

#include <string>

#include "geometry/numbers.hpp"
#include "raster/pixels.hpp"

namespace velkar::raster {

namespace {

constexpr double kScreenDpi = 96;
constexpr double kPointsPerInch = 72;
constexpr char kFontFamily[] = "Arial";

}  // namespace

double FontPixelSize(double points) { return geometry::RoundHalfEven(points * kScreenDpi / kPointsPerInch); }

void DrawTextAt(RasterImage& image, std::string_view text, int x, int y, double points, Argb colour) {
  cairo_t* cr = image.cairo();
  if (cr == nullptr || text.empty()) return;
  const std::string nul_terminated(text);
  cairo_save(cr);
  cairo_select_font_face(cr, kFontFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, FontPixelSize(points));
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
  cairo_font_extents_t extents;
  cairo_font_extents(cr, &extents);
  // The cell starts at the outer corner of pixel (x, y), half a pixel before
  // its centre; Cairo places text by its baseline.
  cairo_move_to(cr, x - 0.5, y - 0.5 + extents.ascent);
  SetSourceColour(cr, colour);
  cairo_show_text(cr, nul_terminated.c_str());
  cairo_restore(cr);
}

}  // namespace velkar::raster
