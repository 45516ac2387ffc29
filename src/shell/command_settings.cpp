#include "shell/command_settings.hpp"

namespace velkar::shell {

stereonet::PlotSettings MakePlotSettings(const WindowSettings& settings, const PlotControls& controls) {
  stereonet::PlotSettings p;
  p.symbol_size_position = controls.symbol_size_position;
  p.element_colour = settings.element_colour;
  p.great_circle_opacity = settings.great_circle_opacity;
  p.data = controls.data;
  p.shadow = settings.shadow;
  p.legend = controls.legend;
  p.orientation = controls.orientation;
  p.orientation_colour = settings.orientation_colour;
  p.language = settings.UiLanguage;
  p.decimal_separator = settings.decimal_separator;
  p.north_letter = settings.north_letter;
  return p;
}

contour::ContourSettings MakeContourSettings(const ContourControls& controls, const stereonet::PlotSettings& plot,
                                             std::size_t data_count) {
  contour::ContourSettings c;
  c.smoothing_text = controls.percent ? std::string(contour::kPercentScaleSmoothing) : controls.smoothing_text;
  c.percent = controls.percent;
  c.data_count = data_count;
  c.data = plot.data;
  c.language = plot.language;
  return c;
}

contour::RedrawSettings MakeRedrawSettings(const ContourControls& controls, const stereonet::PlotSettings& plot,
                                           std::size_t line_count) {
  contour::RedrawSettings r;
  r.scheme = controls.scheme;
  r.colours = controls.colours;
  r.discrete = controls.discrete;
  r.legend = plot.legend;
  r.contours = controls.contours;
  r.half_interval = controls.half_interval;
  r.orientation = plot.orientation;
  r.shadow = plot.shadow;
  r.percent = controls.percent;
  r.line_colour = plot.element_colour;
  r.line_count = line_count;
  r.language = plot.language;
  r.decimal_separator = plot.decimal_separator;
  r.north_letter = plot.north_letter;
  return r;
}

}  // namespace velkar::shell
