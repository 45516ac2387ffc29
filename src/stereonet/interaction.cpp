#include "stereonet/interaction.hpp"

#include <algorithm>
#include <cmath>

#include "data/colour.hpp"
#include "data/data_edit.hpp"
#include "geometry/angles.hpp"
#include "geometry/numbers.hpp"
#include "raster/pixels.hpp"
#include "raster/text.hpp"
#include "stereonet/canvas.hpp"
#include "stereonet/projection.hpp"

namespace velkar::stereonet {

using geometry::Orientation;
using geometry::RoundHalfEven;
using geometry::RoundToInt;
using raster::Argb;
using raster::RasterImage;
using raster::SurfacePoint;

namespace {

std::string Whole(double x) { return geometry::FormatGeneral(RoundHalfEven(x)); }

// The shapes of the symbol-code picture as the diagram draws them: circle,
// triangle, square and diamond of size r around (x, y).
void PathSymbol(cairo_t* cr, int code, double x, double y, double r) {
  constexpr PolygonShape kPolygons[] = {PolygonShape::kTriangle, PolygonShape::kSquare, PolygonShape::kDiamond};
  const int shape = (code - 1) % 4;
  if (shape == 0) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * geometry::kPi);
    return;
  }
  SurfacePoint v[4];
  const int n = PolygonSymbolVertices(kPolygons[shape - 1], {x, y}, r, v);
  cairo_move_to(cr, v[0].x, v[0].y);
  for (int i = 1; i < n; ++i) cairo_line_to(cr, v[i].x, v[i].y);
  cairo_close_path(cr);
}

}  // namespace

Orientation CursorOrientationAt(double x, double y) { return UnprojectPoint(x, y, kMainScale); }

bool IsInsideNet(Orientation cursor) { return cursor.dip > 0; }

std::string PlottedDataReadOut(Orientation cursor) {
  const double a = RoundHalfEven(cursor.azimuth);
  const double d = RoundHalfEven(cursor.dip);
  if (d <= 0) return " ";
  const Orientation pole = geometry::PlaneToPole({a, d});
  return Whole(a) + "/" + Whole(d) + "    n: " + Whole(pole.azimuth) + "/" + Whole(pole.dip);
}

double AngleBetween(Orientation a, Orientation b) {
  const double cosine =
      std::clamp(geometry::Dot(geometry::OrientationToVector(a), geometry::OrientationToVector(b)), -1.0, 1.0);
  return geometry::ArcCosDeg(cosine);
}

std::string AngleLabel(double degrees, char decimal_separator) {
  return geometry::FormatRounded(degrees, 2, decimal_separator) + " °";
}

AngleDisplay UpdateAngleTool(AngleTool& tool, Orientation cursor, int x, int y, bool middle_held, bool rotation_on,
                             char decimal_separator) {
  AngleDisplay display;
  if (!middle_held) {
    tool.started = false;
    display.action = AngleDisplay::Action::Hide;
    return display;
  }
  if (rotation_on || !IsInsideNet(cursor)) return display;
  if (!tool.started) {
    tool.p0 = cursor;
    tool.started = true;
  }
  const SurfacePoint start = ProjectOrientation(tool.p0, kMainScale);
  display.action = AngleDisplay::Action::Show;
  display.label_x = x + 15;
  display.label_y = y + 15;
  display.label = AngleLabel(AngleBetween(tool.p0, cursor), decimal_separator);
  display.disc_x = RoundToInt(start.x - 4);
  display.disc_y = RoundToInt(start.y - 4);
  return display;
}

std::string DatumLine(Orientation cursor, data::PlotMode mode, std::string_view delimiter) {
  const Orientation o = mode == data::PlotMode::Poles ? geometry::PlaneToPole(cursor) : cursor;
  std::string line = Whole(o.azimuth);
  line.append(delimiter);
  line += Whole(o.dip);
  return line;
}

int EraserRadiusAfterWheel(int radius, int wheel_delta) {
  return std::max(1, RoundToInt(radius + wheel_delta / 100.0));
}

EraseResult EraseAt(std::string_view text, const data::DataSettings& settings, Orientation cursor, int radius) {
  const SurfacePoint c = ProjectOrientation(cursor, kMainScale);
  const bool poles = settings.mode == data::PlotMode::Poles;
  EraseResult result;
  result.text.reserve(text.size());
  std::size_t index = 0;
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t at = text.find('\n', from);
    const std::size_t next = at == std::string_view::npos ? text.size() : at + 1;
    std::string_view line = text.substr(from, (at == std::string_view::npos ? text.size() : at) - from);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    // The first two fields only; the lines mode split gives them without
    // taking the rest of the line as a code.
    const data::LineFields f = data::SplitLine(line, settings.delimiter, data::PlotMode::Lines);
    Orientation o{data::ReadNumberField(f.azimuth), data::ReadNumberField(f.dip)};
    if (o.dip < 0) o = geometry::NormaliseOrientation(o);
    if (poles) o = geometry::PlaneToPole(o);
    const SurfacePoint p = ProjectOrientation(o, kMainScale);
    const bool inside = c.x - radius < p.x && p.x < c.x + radius && c.y - radius < p.y && p.y < c.y + radius;
    if (inside)
      result.removed_lines.push_back(index);
    else
      result.text.append(text.substr(from, next - from));
    ++index;
    from = next;
  }
  return result;
}

void ClearOverlay(RasterImage& overlay) {
  overlay.Resize(raster::kDiagramWidth, raster::kDiagramHeight);
  cairo_t* cr = overlay.cairo();
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_paint(cr);
  cairo_restore(cr);
}

void DrawEraserOverlay(RasterImage& overlay, int x, int y, int radius) {
  ClearOverlay(overlay);
  cairo_t* cr = overlay.cairo();
  cairo_save(cr);
  cairo_rectangle(cr, x - radius, y - radius, 2.0 * radius, 2.0 * radius);
  cairo_set_line_width(cr, 2);  // one pixel to each side of the square
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_set_source_rgb(cr, 1, 0, 0);
  cairo_stroke(cr);
  cairo_restore(cr);
  overlay.Flush();
}

void DrawSymbolCodePicture(RasterImage& picture) {
  picture.Resize(data::kSymbolCodePictureWidth, data::kSymbolCodePictureHeight);
  cairo_t* cr = picture.cairo();
  cairo_save(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  // A thin grey border, and a grey line between the filled and the open row.
  cairo_set_source_rgb(cr, 0.6, 0.6, 0.6);
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, 0, 0, data::kSymbolCodePictureWidth - 1, data::kSymbolCodePictureHeight - 1);
  cairo_stroke(cr);
  const int split = data::SymbolCodeBand(5).first;
  cairo_move_to(cr, 4, split - 1);
  cairo_line_to(cr, data::kSymbolCodePictureWidth - 5, split - 1);
  cairo_stroke(cr);
  // The close mark.
  cairo_set_source_rgb(cr, 0.35, 0.35, 0.35);
  cairo_set_line_width(cr, 1.5);
  constexpr double kMark = 6, kMarkX = data::kSymbolCodePictureWidth - 12, kMarkY = 4;
  cairo_move_to(cr, kMarkX, kMarkY);
  cairo_line_to(cr, kMarkX + kMark, kMarkY + kMark);
  cairo_move_to(cr, kMarkX + kMark, kMarkY);
  cairo_line_to(cr, kMarkX, kMarkY + kMark);
  cairo_stroke(cr);
  cairo_restore(cr);

  constexpr double kSymbolX = 48, kRadius = 4.5;
  for (int code = 1; code <= 8; ++code) {
    const data::RowBand band = data::SymbolCodeBand(code);
    const double y = (band.first + band.last) / 2.0;
    cairo_save(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    PathSymbol(cr, code, kSymbolX, y, kRadius);
    if (code <= 4) {
      cairo_fill(cr);
    } else {
      cairo_set_line_width(cr, 1.2);
      cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
      cairo_stroke(cr);
    }
    cairo_restore(cr);
    raster::DrawTextAt(picture, std::to_string(code), 12, RoundToInt(y) - 8, 9, Argb{});
  }
  picture.Flush();
}

void DrawColourCodePicture(RasterImage& picture) {
  picture.Resize(kColourCodePictureWidth, kColourCodePictureHeight);
  cairo_t* cr = picture.cairo();
  cairo_save(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  cairo_set_line_width(cr, 1);
  for (int code = 1; code <= 80; ++code) {
    const int column = (code - 1) % 10, row = (code - 1) / 10;
    const double x = 2 + column * kColourCodeCellWidth, y = 2 + row * kColourCodeCellHeight;
    const data::Rgb colour = data::ColourOfCode(code).value_or(data::Rgb{});
    raster::SetSourceColour(cr, colour);
    // Whole pixels: x - 0.5 is the left edge of pixel column x.
    cairo_rectangle(cr, x - 0.5, y - 0.5, kColourCodeCellWidth - 1, kColourCodeCellHeight - 1);
    cairo_fill(cr);
    // Numbers in white on the dark swatches, black on the light ones.
    const double luminance = 0.299 * colour.red + 0.587 * colour.green + 0.114 * colour.blue;
    const Argb ink = luminance < 110 ? Argb{255, 255, 255, 255} : Argb{};
    raster::DrawTextAt(picture, std::to_string(code), RoundToInt(x + 3), RoundToInt(y + 2), 8, ink);
  }
  // A thin grey frame around the swatches.
  cairo_set_source_rgb(cr, 0.6, 0.6, 0.6);
  cairo_rectangle(cr, 0, 0, kColourCodePictureWidth - 1, kColourCodePictureHeight - 1);
  cairo_stroke(cr);
  cairo_restore(cr);
  picture.Flush();
}

}  // namespace velkar::stereonet
