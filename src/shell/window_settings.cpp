#include "shell/window_settings.hpp"

#include <algorithm>

#include "geometry/numbers.hpp"
#include "text/texts.hpp"

namespace velkar::shell {

using geometry::RoundToInt;

WindowSettings InitialWindowSettings(text::Language language, int processors, char decimal_separator) {
  WindowSettings s;
  s.ProcessorCount = std::max(1, processors);
  s.decimal_separator = decimal_separator;
  ApplyLanguage(s, language);
  return s;
}

void ApplyLanguage(WindowSettings& settings, text::Language language) {
  settings.UiLanguage = language;
  settings.contour_word = std::string(text::Text(text::TextId::ContourWord, language));
  settings.overwrite_question = std::string(text::Text(text::TextId::OverwriteQuestion, language));
}

int GreatCircleOpacityAt(int x) { return std::clamp(RoundToInt(x * 6.375), 0, 255); }

WindowPosition MainWindowPosition(int monitors, int screen_width, int screen_height, int window_width,
                                  int window_height) {
  if (monitors != 1) return {189, 119};
  return {RoundToInt((screen_width - window_width) / 2.0), RoundToInt((screen_height - window_height) / 2.0)};
}

}  // namespace velkar::shell
