// The window-wide values of the main window: one record, owned by the main
// window and read by its commands, and the small rules that change them.
#pragma once

#include <cstddef>
#include <string>

#include "data/colour.hpp"
#include "stereonet/plot_command.hpp"
#include "text/language.hpp"

namespace velkar::shell {

struct WindowSettings {
  text::Language UiLanguage = text::Language::Czech;  // 1 Czech, 0 English
  int ProcessorCount = 1;
  char decimal_separator = '.';           // of the user's numeric locale
  bool shadow = false;
  int great_circle_opacity = 255;         // 0..255
  int EraserRadius = 8;                   // half-size of the eraser square in pixels, at least 1
  data::Rgb element_colour{0, 0, 0};
  data::Rgb orientation_colour{255, 0, 0};
  std::string north_letter = "N";
  std::string contour_word;               // "kontury" / "contours"
  std::string overwrite_question;         // asked before a file is overwritten
  // Left by the last plot (or contour, or rose) command.
  std::size_t DataCount = 0;
  stereonet::DiagramKind DiagramKind = stereonet::DiagramKind::None;
};

// The values at start-up for a language, the number of processors the
// system reports (data::SystemProcessorCount(); below 1 counts as 1) and the
// locale's decimal separator.
WindowSettings InitialWindowSettings(text::Language language, int processors, char decimal_separator);

// The language-dependent values for a language (the English switch sets
// them for English).
void ApplyLanguage(WindowSettings& settings, text::Language language);

// The great-circle opacity set by a middle-button drag at x pixels into the
// 40-pixel colour swatch: R(x * 6.375), held to 0..255.
int GreatCircleOpacityAt(int x);

struct WindowPosition {
  int left = 0;
  int top = 0;
};
// Where the main window goes: centred on the only screen (halves to even),
// or at (189, 119) when the system has several screens.
WindowPosition MainWindowPosition(int monitors, int screen_width, int screen_height, int window_width,
                                  int window_height);

}  // namespace velkar::shell
