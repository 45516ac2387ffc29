#include "shell/command_settings.hpp"

#include <gtest/gtest.h>

#include <string>

namespace velkar::shell {
namespace {

TEST(CommandSettings, PlotSettingsComeFromTheRecordAndTheControls) {
  WindowSettings s = InitialWindowSettings(text::Language::English, 4, ',');
  s.element_colour = {10, 20, 30};
  s.great_circle_opacity = 100;
  s.shadow = true;
  // From a std::string: assigning the literal trips GCC 12's false
  // -Wrestrict at -O3 (GCC bug 105329).
  s.north_letter = std::string("S");
  PlotControls c;
  c.symbol_size_position = 8;
  c.data = {";", data::PlotMode::Poles};
  c.orientation = stereonet::TriState::Grayed;
  const stereonet::PlotSettings p = MakePlotSettings(s, c);
  EXPECT_EQ(p.symbol_size_position, 8);
  EXPECT_EQ(p.element_colour, (data::Rgb{10, 20, 30}));
  EXPECT_EQ(p.great_circle_opacity, 100);
  EXPECT_TRUE(p.shadow);
  EXPECT_EQ(p.data.delimiter, ";");
  EXPECT_EQ(p.data.mode, data::PlotMode::Poles);
  EXPECT_EQ(p.orientation, stereonet::TriState::Grayed);
  EXPECT_EQ(p.legend, stereonet::TriState::Ticked);
  EXPECT_EQ(p.language, text::Language::English);
  EXPECT_EQ(p.decimal_separator, ',');
  EXPECT_EQ(p.north_letter, "S");
}

// A plot record and contour controls whose every value differs from its
// default, so that a field taken from the wrong place shows.
stereonet::PlotSettings DressedPlot() {
  stereonet::PlotSettings p;
  p.element_colour = {10, 20, 30};
  p.data = {";", data::PlotMode::Poles};
  p.shadow = true;
  p.legend = stereonet::TriState::Grayed;
  p.orientation = stereonet::TriState::Ticked;
  p.language = text::Language::Czech;
  p.decimal_separator = ',';
  p.north_letter = "S";
  return p;
}

ContourControls DressedControls() {
  ContourControls c;
  c.smoothing_text = "20,5";
  c.scheme = contour::ColourScheme::Rainbow;
  c.colours.minimum = {1, 2, 3};
  c.discrete = true;
  c.contours = false;
  c.half_interval = true;
  return c;
}

TEST(CommandSettings, ContourSettingsTakeTheFixedSmoothingWithThePercentScale) {
  struct Case {
    const char* smoothing_text;
    bool percent;
    const char* expected;
  };
  const Case cases[] = {{"20,5", false, "20,5"}, {"20,5", true, "64"}, {"", true, "64"}, {"700", false, "700"}};
  for (const Case& c : cases) {
    ContourControls controls = DressedControls();
    controls.smoothing_text = c.smoothing_text;
    controls.percent = c.percent;
    const contour::ContourSettings s = MakeContourSettings(controls, DressedPlot(), 1234);
    EXPECT_EQ(s.smoothing_text, c.expected) << c.smoothing_text << " " << c.percent;
    EXPECT_EQ(s.percent, c.percent);
    EXPECT_EQ(s.data_count, 1234u);
    EXPECT_EQ(s.thread_count, 0);
    EXPECT_EQ(s.data.delimiter, ";");
    EXPECT_EQ(s.data.mode, data::PlotMode::Poles);
    EXPECT_EQ(s.language, text::Language::Czech);
  }
  EXPECT_EQ(ContourControls().smoothing_text, contour::kPercentScaleSmoothing);
}

TEST(CommandSettings, RedrawSettingsComeFromTheControlsAndThePlot) {
  ContourControls controls = DressedControls();
  controls.percent = true;
  const contour::RedrawSettings r = MakeRedrawSettings(controls, DressedPlot(), 77);
  EXPECT_EQ(r.scheme, contour::ColourScheme::Rainbow);
  EXPECT_EQ(r.colours.minimum, (data::Rgb{1, 2, 3}));
  EXPECT_TRUE(r.discrete);
  EXPECT_FALSE(r.contours);
  EXPECT_TRUE(r.half_interval);
  EXPECT_TRUE(r.percent);
  EXPECT_EQ(r.legend, stereonet::TriState::Grayed);
  EXPECT_EQ(r.orientation, stereonet::TriState::Ticked);
  EXPECT_TRUE(r.shadow);
  EXPECT_EQ(r.line_colour, (data::Rgb{10, 20, 30}));
  EXPECT_EQ(r.line_count, 77u);
  EXPECT_EQ(r.language, text::Language::Czech);
  EXPECT_EQ(r.decimal_separator, ',');
  EXPECT_EQ(r.north_letter, "S");
}

}  // namespace
}  // namespace velkar::shell
