#include "stereonet/plot_command.hpp"

#include <algorithm>
#include <array>

#include "data/line_reader.hpp"
#include "export/emf_primitives.hpp"
#include "geometry/equal_area.hpp"
#include "geometry/numbers.hpp"
#include "geometry/tensor.hpp"
#include "raster/text.hpp"
#include "stereonet/canvas.hpp"
#include "stereonet/projection.hpp"
#include "text/texts.hpp"

namespace velkar::stereonet {

using data::Mark;
using data::PlotMode;
using data::Rgb;
using export_::SymbolShape;
using geometry::Orientation;
using geometry::RoundHalfEven;
using geometry::RoundToInt;
using raster::Argb;
using raster::RasterImage;

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kOverlayGreyColours[3] = {{255, 0, 0}, {0, 128, 0}, {0, 0, 255}};
// The legend of the vector picture: Arial at 300 points on the screen as
// reference device (300 x 96 / 72 drawing units), at (9500, 11000).
constexpr export_::Point kVectorLegendPosition{9500, 11000};
constexpr int kVectorFontHeight = -400;  // negative: the em height, as a font size gives it
constexpr int kRasterLegendX = 360, kRasterLegendY = 470;
constexpr double kRasterLegendPoints = 12;

// Everything that stays the same for all lines of one run.
struct Pen {
  double s;              // symbol size
  Rgb element_colour;
  std::uint8_t opacity;  // of the great circles of modes 0 and 1
};

void DrawRasterSymbol(RasterImage& image, Mark mark, Orientation o, Rgb colour, int r) {
  switch (mark) {
    case Mark::FilledCircle:
    case Mark::SmallFilledCircle: DrawCircleSymbol(image, o, colour, kMainScale, r, true); break;
    case Mark::FilledTriangle: DrawTriangleSymbol(image, o, colour, kMainScale, r, true); break;
    case Mark::FilledSquare: DrawSquareSymbol(image, o, colour, kMainScale, r, true); break;
    case Mark::FilledDiamond: DrawDiamondSymbol(image, o, colour, kMainScale, r, true); break;
    case Mark::OpenCircle: DrawCircleSymbol(image, o, colour, kMainScale, r, false); break;
    case Mark::OpenTriangle: DrawTriangleSymbol(image, o, colour, kMainScale, r, false); break;
    case Mark::OpenSquare: DrawSquareSymbol(image, o, colour, kMainScale, r, false); break;
    case Mark::OpenDiamond: DrawDiamondSymbol(image, o, colour, kMainScale, r, false); break;
    default: break;
  }
}

// Raster size r of a point symbol: lines of mode 0 (and of mode 3), or poles
// of mode 2 (and of mode 3).
int LineSymbolRadius(Mark mark, double s) {
  switch (mark) {
    case Mark::OpenCircle: return RoundToInt((s - 0.3) * 2);
    case Mark::OpenTriangle:
    case Mark::OpenSquare:
    case Mark::SmallFilledCircle: return RoundToInt((s - 0.7) * 2);
    case Mark::OpenDiamond: return RoundToInt((s - 0.75) * 2);
    default: return RoundToInt((s - 0.5) * 2);
  }
}
int PoleSymbolRadius(Mark mark, double s) {
  return mark == Mark::OpenCircle ? RoundToInt(2 * s) : RoundToInt((s - 0.1) * 2);
}

// The vector symbol of a point mark: shape, fill and the factor of its half
// size 40 s f.
struct VectorSymbol {
  SymbolShape shape;
  bool filled;
  double factor;
};
VectorSymbol VectorSymbolOf(Mark mark) {
  switch (mark) {
    case Mark::FilledTriangle: return {SymbolShape::kTriangle, true, 0.8};
    case Mark::FilledSquare: return {SymbolShape::kSquare, true, 0.8};
    case Mark::FilledDiamond: return {SymbolShape::kDiamond, true, 0.8};
    case Mark::OpenCircle: return {SymbolShape::kCircle, false, 0.8};
    case Mark::OpenTriangle: return {SymbolShape::kTriangle, false, 0.9};
    case Mark::OpenSquare: return {SymbolShape::kSquare, false, 0.8};
    case Mark::OpenDiamond: return {SymbolShape::kDiamond, false, 1.1};
    default: return {SymbolShape::kCircle, true, 0.8};  // filled circles, large and small
  }
}

void AddVectorSymbol(export_::VectorPicture& picture, Mark mark, Orientation o, Rgb colour, double s) {
  const VectorSymbol v = VectorSymbolOf(mark);
  export_::EmfSymbol(picture, v.shape, o, colour, v.filled, RoundHalfEven(export_::kSymbolSizeBase * s * v.factor));
}

Argb WithAlpha(Rgb c, std::uint8_t alpha) { return {alpha, c.red, c.green, c.blue}; }

// The great circle of a plane in both pictures, its lines taken from the
// profiles kept for the plot.
void DrawPlane(Orientation plane, Argb raster_colour, double width, Rgb vector_colour,
               geometry::GreatCircleProfiles& profiles, RasterImage& image, export_::VectorPicture& picture) {
  const geometry::GreatCircleProfile& profile = profiles.Of(plane.dip);
  DrawGreatCircle(image, plane.azimuth, profile, raster_colour, kMainScale, width);
  export_::EmfGreatCircle(picture, plane.azimuth, profile, vector_colour);
}

void DrawDataLine(const data::DataLine& d, PlotMode mode, const Pen& pen, geometry::GreatCircleProfiles& profiles,
                  RasterImage& image, export_::VectorPicture& picture) {
  if (d.mark == Mark::None) return;
  const Orientation o = d.orientation;
  switch (mode) {
    case PlotMode::Lines: {
      const Rgb colour = d.colour.value_or(pen.element_colour);
      if (d.mark == Mark::GreatCircle || d.mark == Mark::DoubleGreatCircle) {
        const double width = d.mark == Mark::DoubleGreatCircle ? 2 * pen.s : pen.s;
        DrawPlane(o, WithAlpha(colour, pen.opacity), width, colour, profiles, image, picture);
      } else {
        DrawRasterSymbol(image, d.mark, o, colour, LineSymbolRadius(d.mark, pen.s));
        AddVectorSymbol(picture, d.mark, o, colour, pen.s);
      }
      break;
    }
    case PlotMode::Circles:
      DrawPlane(o, WithAlpha(pen.element_colour, pen.opacity), pen.s, pen.element_colour, profiles, image, picture);
      break;
    case PlotMode::Poles: {
      const Orientation pole = geometry::PlaneToPole(o);
      DrawRasterSymbol(image, d.mark, pole, pen.element_colour, PoleSymbolRadius(d.mark, pen.s));
      AddVectorSymbol(picture, d.mark, pole, pen.element_colour, pen.s);
      break;
    }
    case PlotMode::Synoptic:
      // The vector picture shows lines and planes in black whatever the
      // element colour; poles keep it.
      if (d.element == data::Element::Plane) {
        DrawPlane(o, Argb::Opaque(pen.element_colour), pen.s, kBlack, profiles, image, picture);
      } else if (d.element == data::Element::Pole) {
        const Orientation pole = geometry::PlaneToPole(o);
        DrawCircleSymbol(image, pole, pen.element_colour, kMainScale, PoleSymbolRadius(Mark::OpenCircle, pen.s),
                         false);
        AddVectorSymbol(picture, Mark::OpenCircle, pole, pen.element_colour, pen.s);
      } else {
        DrawCircleSymbol(image, o, pen.element_colour, kMainScale, LineSymbolRadius(Mark::FilledCircle, pen.s),
                         true);
        export_::EmfPoint(picture, o, kBlack, export_::kSymbolSizeBase);
      }
      break;
  }
}

// The eigenvector overlay in both pictures: grey in red, green and blue
// with filled symbols, ticked in the orientation colour with open ones.
void AddEigenOverlay(const geometry::EigenResult& eigen, const PlotSettings& settings, RasterImage& image,
                     export_::VectorPicture& picture) {
  const bool grey = settings.orientation == TriState::Grayed;
  std::array<Rgb, 3> colours;
  for (int i = 0; i < 3; ++i) colours[i] = grey ? kOverlayGreyColours[i] : settings.orientation_colour;
  for (int i = 0; i < 3; ++i) {
    export_::EmfGreatCircle(picture, geometry::PlaneToPole(eigen.orientations[i]), colours[i]);
  }
  for (int i = 0; i < 3; ++i) export_::EmfRing(picture, eigen.orientations[i], colours[i]);
  DrawEigenOverlay(image, eigen, {Argb::Opaque(colours[0]), Argb::Opaque(colours[1]), Argb::Opaque(colours[2])},
                   kMainScale, grey);
}

}  // namespace

double SymbolSize(int slider_position) { return std::clamp(slider_position, 2, 8) * 0.5; }

PlotResult PlotData(std::string_view text, const PlotSettings& settings, RasterImage& diagram) {
  const Pen pen{SymbolSize(settings.symbol_size_position), settings.element_colour,
                static_cast<std::uint8_t>(std::clamp(settings.great_circle_opacity, 0, 255))};
  const std::size_t line_count = data::CountLines(text);
  const std::string legend =
      std::string(text::Text(text::TextId::CountPrefix, settings.language)) + std::to_string(line_count);

  PlotResult result;
  export_::VectorPicture& picture = result.picture;
  // A mark may need a pen, a brush and a shape record, and up to 4 points;
  // in mode 1 every line is a great circle. (Great circles among the marks
  // of modes 0 and 3 grow the point pool as they come.)
  const std::size_t points_per_line =
      settings.data.mode == PlotMode::Circles ? std::size_t{export_::kGreatCirclePoints} : 4;
  picture.Reserve(3 * line_count + 16, points_per_line * line_count + 256);
  export_::EmfNetDisc(picture);
  export_::EmfFrame(picture, export_::kFrameAll);
  export_::Font font;
  font.height = kVectorFontHeight;
  picture.SetFont(font);
  if (settings.legend == TriState::Ticked) picture.AddText(kVectorLegendPosition, legend);

  diagram.Resize(raster::kDiagramWidth, raster::kDiagramHeight);
  DrawNetBase(diagram, settings.shadow, kMainScale);

  geometry::GreatCircleProfiles profiles;
  data::LineReader reader(text);
  for (std::string_view line; reader.Next(line);) {
    const data::DataLine d = data::ParseDataLine(line, settings.data.delimiter, settings.data.mode);
    DrawDataLine(d, settings.data.mode, pen, profiles, diagram, picture);
    geometry::AccumulateOuterProduct(result.tensor, geometry::OrientationToVector(d.tensor_direction));
    ++result.data_count;
  }

  if (settings.orientation != TriState::Clear && result.data_count > 0) {
    const geometry::EigenResult eigen = geometry::EigenAnalysis(result.tensor);
    AddEigenOverlay(eigen, settings, diagram, picture);
    result.matrix_text = geometry::OrientationMatrixText(eigen, settings.language, settings.decimal_separator);
  }

  result.status_text =
      std::to_string(result.data_count) + std::string(text::Text(text::TextId::DataCountSuffix, settings.language));
  DrawNetFrame(diagram, kMainScale, settings.north_letter);
  if (settings.legend != TriState::Clear)
    raster::DrawTextAt(diagram, legend, kRasterLegendX, kRasterLegendY, kRasterLegendPoints, Argb::Opaque(kBlack));
  diagram.Flush();
  result.diagram_kind = DiagramKind::PlottedData;
  return result;
}

}  // namespace velkar::stereonet
