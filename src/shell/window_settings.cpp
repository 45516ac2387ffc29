#include "shell/window_settings.hpp"

#include <algorithm>

#include "geometry/numbers.hpp"
#include "shell/texts.hpp"

namespace velkar::shell {

namespace {
int R(double x) { return static_cast<int>(geometry::RoundHalfEven(x)); }
}  // namespace

WindowSettings InitialWindowSettings(Language language, int processors, char decimal_separator) {
  WindowSettings s;
  s.ProcessorCount = std::max(1, processors);
  s.decimal_separator = decimal_separator;
  ApplyLanguage(s, language);
  return s;
}

void ApplyLanguage(WindowSettings& settings, Language language) {
  settings.UiLanguage = language;
  settings.contour_word = std::string(Text(TextId::ContourWord, language));
  settings.overwrite_question = std::string(Text(TextId::OverwriteQuestion, language));
}

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

int GreatCircleOpacityAt(int x) { return std::clamp(R(x * 6.375), 0, 255); }

WindowPosition MainWindowPosition(int monitors, int screen_width, int screen_height, int window_width,
                                  int window_height) {
  if (monitors != 1) return {189, 119};
  return {R((screen_width - window_width) / 2.0), R((screen_height - window_height) / 2.0)};
}

}  // namespace velkar::shell
