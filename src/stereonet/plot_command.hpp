// The plot command: the data text drawn line by line on the raster diagram
// and, in the same pass, into a new vector picture, with the orientation
// tensor, the optional eigenvector overlay and the count of data.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "data/colour.hpp"
#include "data/data_text.hpp"
#include "export/vector_picture.hpp"
#include "geometry/matrix.hpp"
#include "raster/image.hpp"
#include "text/language.hpp"

namespace velkar::stereonet {

// A check box with a third, grey state.
enum class TriState { Clear, Ticked, Grayed };

// What a diagram shows: plotted data, a contoured diagram or a rose diagram.
enum class DiagramKind { None = 0, PlottedData = 1, Contoured = 10, Rose = 11 };

struct PlotSettings {
  int symbol_size_position = 3;              // slider 2..8; the symbol size s is half of it
  data::Rgb element_colour{0, 0, 0};
  int great_circle_opacity = 255;            // alpha of the great circles of modes 0 and 1
  data::DataSettings data;                   // delimiter and plot mode
  bool shadow = false;
  TriState legend = TriState::Ticked;        // "n = " texts: raster when ticked or grey, vector when ticked
  TriState orientation = TriState::Clear;    // eigen overlay: grey in red/green/blue, ticked in one colour
  data::Rgb orientation_colour{255, 0, 0};
  text::Language language = text::Language::English;
  char decimal_separator = '.';
  std::string north_letter = "N";
};

struct PlotResult {
  export_::VectorPicture picture;
  std::size_t data_count = 0;                // every line counts, empty ones too
  geometry::Matrix3 tensor;
  std::optional<std::string> matrix_text;    // when the eigen overlay ran
  std::string status_text;                   // count + " měření" / " data"
  DiagramKind diagram_kind = DiagramKind::PlottedData;
};

// The symbol size s of a slider position (2..8 -> 1..4; positions outside
// are held to that range).
double SymbolSize(int slider_position);

// Draws the whole text onto the diagram (sized to 500 x 513 first) and
// returns the vector picture and the texts. Streams: one line is read, drawn
// and added to the tensor at a time.
PlotResult PlotData(std::string_view text, const PlotSettings& settings, raster::RasterImage& diagram);

}  // namespace velkar::stereonet
