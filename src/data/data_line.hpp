// The grammar of one line of the data text: fields split at the delimiter,
// their numbers, and what the line means under each plot mode. A line is
// never rejected: malformed numbers and missing fields read by fixed rules.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "data/colour.hpp"
#include "geometry/vectors.hpp"

namespace velkar::data {

// The item index of the plot-mode choice.
enum class PlotMode { Lines = 0, Circles = 1, Poles = 2, Synoptic = 3 };

// Fields of a line before conversion. Fields 1 and 2 are always there (maybe
// empty); field 3 is absent only in modes 0 to 2 when the line has a single
// delimiter or none; field 4 exists only in mode 0.
struct LineFields {
  std::string_view azimuth;
  std::string_view dip;
  std::optional<std::string_view> code;
  std::optional<std::string_view> colour;
};

// Splits at the first occurrences of the delimiter (any text; an empty one is
// never found). In modes 1 to 3 field 3 is the whole rest of the line.
LineFields SplitLine(std::string_view line, std::string_view delimiter, PlotMode mode);

// A field read as a number or an integer, after its first comma has become a
// point (see geometry::ReadNumber for the grammar).
double ReadNumberField(std::string_view field);
std::int64_t ReadIntegerField(std::string_view field);

// What a line is, as the plot draws it.
enum class Element { None, Line, Plane, Pole };

enum class Mark {
  None,               // nothing drawn; the line still counts
  FilledCircle,
  FilledTriangle,
  FilledSquare,
  FilledDiamond,
  OpenCircle,
  OpenTriangle,
  OpenSquare,
  OpenDiamond,
  SmallFilledCircle,  // mode 0 codes 9 to 1000
  GreatCircle,
  DoubleGreatCircle,  // mode 0 code -2: double line width
};

struct DataLine {
  geometry::Orientation orientation;         // as read; a negative dip normalised
  std::optional<double> code;                // symbol or kind code, rounded; empty in mode 1
  Element element = Element::None;
  Mark mark = Mark::None;
  std::optional<Rgb> colour;                 // mode 0 colour code; empty: the element colour
  geometry::Orientation tensor_direction;    // the direction that enters the orientation tensor
};

DataLine ParseDataLine(std::string_view line, std::string_view delimiter, PlotMode mode);

// The direction of the line that enters the orientation tensor, without the
// rest of the parsing (the streaming commands' fast path).
geometry::Orientation TensorDirectionOfLine(std::string_view line, std::string_view delimiter, PlotMode mode);

}  // namespace velkar::data
