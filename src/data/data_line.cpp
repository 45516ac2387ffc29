#include "data/data_line.hpp"

#include <cstring>

#include "geometry/numbers.hpp"

namespace velkar::data {

using geometry::Orientation;

namespace {

// Text before the first delimiter and the text after it; without one, the
// whole text stays in rest and before is empty (found = false).
struct Cut {
  std::string_view before;
  std::string_view rest;
  bool found = false;
};

std::size_t Find(std::string_view text, std::string_view delimiter) {
  if (delimiter.size() == 1) {
    const void* p = std::memchr(text.data(), delimiter[0], text.size());
    return p ? static_cast<std::size_t>(static_cast<const char*>(p) - text.data()) : std::string_view::npos;
  }
  return delimiter.empty() ? std::string_view::npos : text.find(delimiter);
}

Cut CutAt(std::string_view text, std::string_view delimiter) {
  const std::size_t at = Find(text, delimiter);
  if (at == std::string_view::npos) return {{}, text, false};
  return {text.substr(0, at), text.substr(at + delimiter.size()), true};
}

bool HasDelimiter(std::string_view text, std::string_view delimiter) {
  return Find(text, delimiter) != std::string_view::npos;
}

Orientation ReadOrientation(const LineFields& f) {
  Orientation o{ReadNumberField(f.azimuth), ReadNumberField(f.dip)};
  if (o.dip < 0) o = geometry::NormaliseOrientation(o);
  return o;
}

double ReadCode(const LineFields& f, double absent) {
  return f.code ? geometry::RoundHalfEven(ReadNumberField(*f.code)) : absent;
}

Mark MarkOfSymbolCode(double code) {
  if (code == -2) return Mark::DoubleGreatCircle;
  if (code == -1) return Mark::GreatCircle;
  if (code == 0 || code == 1) return Mark::FilledCircle;
  if (code == 2) return Mark::FilledTriangle;
  if (code == 3) return Mark::FilledSquare;
  if (code == 4) return Mark::FilledDiamond;
  if (code == 5) return Mark::OpenCircle;
  if (code == 6) return Mark::OpenTriangle;
  if (code == 7) return Mark::OpenSquare;
  if (code == 8) return Mark::OpenDiamond;
  if (code >= 9 && code <= 1000) return Mark::SmallFilledCircle;
  return Mark::None;
}

Mark MarkOfPoleCode(double code) {
  if (code <= 1) return Mark::OpenCircle;
  if (code == 2) return Mark::OpenTriangle;
  if (code == 3) return Mark::OpenSquare;
  if (code <= 10000) return Mark::OpenDiamond;
  return Mark::None;
}

Element ElementOfKindCode(double code) {
  if (code == 2) return Element::Plane;
  if (code == 3) return Element::Pole;
  if (code >= 1 && code <= 10000) return Element::Line;
  return Element::None;
}

}  // namespace

LineFields SplitLine(std::string_view line, std::string_view delimiter, PlotMode mode) {
  LineFields f;
  const Cut first = CutAt(line, delimiter);
  f.azimuth = first.before;
  std::string_view rest = first.rest;

  if (mode != PlotMode::Synoptic && !HasDelimiter(rest, delimiter)) {
    f.dip = rest;
    return f;
  }
  const Cut second = CutAt(rest, delimiter);
  f.dip = second.before;
  rest = second.rest;
  if (mode != PlotMode::Lines) {
    f.code = rest;
    return f;
  }
  const Cut third = CutAt(rest, delimiter);
  if (!third.found) {
    f.code = rest;
    return f;
  }
  f.code = third.before;
  const Cut fourth = CutAt(third.rest, delimiter);
  f.colour = fourth.found ? fourth.before : third.rest;
  return f;
}

double ReadNumberField(std::string_view field) {
  if (field.find(',') == std::string_view::npos) return geometry::ReadNumber(field);
  return geometry::ReadNumber(geometry::NormaliseDecimalComma(field));
}

std::int64_t ReadIntegerField(std::string_view field) {
  if (field.find(',') == std::string_view::npos) return geometry::ReadInteger(field);
  return geometry::ReadInteger(geometry::NormaliseDecimalComma(field));
}

DataLine ParseDataLine(std::string_view line, std::string_view delimiter, PlotMode mode) {
  const LineFields f = SplitLine(line, delimiter, mode);
  DataLine d;
  d.orientation = ReadOrientation(f);
  d.tensor_direction = d.orientation;
  switch (mode) {
    case PlotMode::Lines: {
      const double code = ReadCode(f, 0);
      d.code = code;
      d.mark = MarkOfSymbolCode(code);
      d.element = d.mark == Mark::None
                      ? Element::None
                      : (d.mark == Mark::GreatCircle || d.mark == Mark::DoubleGreatCircle ? Element::Plane
                                                                                           : Element::Line);
      if (f.colour) d.colour = ColourOfCode(ReadIntegerField(*f.colour));
      break;
    }
    case PlotMode::Circles:
      d.element = Element::Plane;
      d.mark = Mark::GreatCircle;
      d.tensor_direction = geometry::PlaneToPole(d.orientation);
      break;
    case PlotMode::Poles: {
      const double code = ReadCode(f, 1);
      d.code = code;
      d.mark = MarkOfPoleCode(code);
      d.element = d.mark == Mark::None ? Element::None : Element::Pole;
      d.tensor_direction = geometry::PlaneToPole(d.orientation);
      break;
    }
    case PlotMode::Synoptic: {
      const double code = ReadCode(f, 0);
      d.code = code;
      d.element = ElementOfKindCode(code);
      d.mark = d.element == Element::Plane  ? Mark::GreatCircle
               : d.element == Element::Pole ? Mark::OpenCircle
               : d.element == Element::Line ? Mark::FilledCircle
                                            : Mark::None;
      if (code == 3) d.tensor_direction = geometry::PlaneToPole(d.orientation);
      break;
    }
  }
  return d;
}

Orientation TensorDirectionOfLine(std::string_view line, std::string_view delimiter, PlotMode mode) {
  const LineFields f = SplitLine(line, delimiter, mode);
  const Orientation o = ReadOrientation(f);
  switch (mode) {
    case PlotMode::Lines:
      return o;
    case PlotMode::Circles:
    case PlotMode::Poles:
      return geometry::PlaneToPole(o);
    case PlotMode::Synoptic:
      return ReadCode(f, 0) == 3 ? geometry::PlaneToPole(o) : o;
  }
  return o;
}

}  // namespace velkar::data
