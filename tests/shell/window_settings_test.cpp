#include "shell/window_settings.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "shell/texts.hpp"

namespace velkar::shell {
namespace {

TEST(TextCatalogue, EveryTextExistsInBothLanguages) {
  for (int i = 0; i < static_cast<int>(TextId::kCount); ++i) {
    const auto id = static_cast<TextId>(i);
    EXPECT_FALSE(Text(id, Language::Czech).empty()) << "text " << i;
    EXPECT_FALSE(Text(id, Language::English).empty()) << "text " << i;
  }
  // Texts that keep their Czech form, and the shared overwrite question.
  EXPECT_EQ(Text(TextId::HintUndoData, Language::English), "Vrátit zpět poslední změnu vstupních dat");
  EXPECT_EQ(Text(TextId::MaximaGroup, Language::English), "Nalezená maxima");
  EXPECT_EQ(Text(TextId::OverwriteQuestion, Language::English), "File exists, do you want to rewrite it?");
}

TEST(WindowSettings, StartUpValuesAndTheEnglishSwitch) {
  WindowSettings s = InitialWindowSettings(Language::Czech, 0, ',');
  EXPECT_EQ(s.UiLanguage, Language::Czech);
  EXPECT_EQ(s.ProcessorCount, 1);
  EXPECT_EQ(s.EraserRadius, 8);
  EXPECT_EQ(s.great_circle_opacity, 255);
  EXPECT_EQ(s.element_colour, (data::Rgb{0, 0, 0}));
  EXPECT_FALSE(s.shadow);
  EXPECT_EQ(s.contour_word, "kontury");
  EXPECT_EQ(s.overwrite_question, "Soubor téhož jména již existuje, chcete jej přepsat?");

  ApplyLanguage(s, Language::English);
  EXPECT_EQ(s.UiLanguage, Language::English);
  EXPECT_EQ(s.contour_word, "contours");
  EXPECT_EQ(s.overwrite_question, "File exists, do you want to rewrite it?");
}

TEST(WindowSettings, PlotSettingsComeFromTheRecordAndTheControls) {
  WindowSettings s = InitialWindowSettings(Language::English, 4, ',');
  s.element_colour = {10, 20, 30};
  s.great_circle_opacity = 100;
  s.shadow = true;
  s.north_letter = "S";
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
  EXPECT_EQ(p.language, Language::English);
  EXPECT_EQ(p.decimal_separator, ',');
  EXPECT_EQ(p.north_letter, "S");
}

TEST(WindowSettings, OpacityFromTheSwatch) {
  struct Case {
    int x, opacity;
  };
  const Case cases[] = {{0, 0}, {1, 6}, {2, 13}, {4, 26}, {20, 128}, {40, 255}, {45, 255}, {-3, 0}};
  for (const Case& c : cases) EXPECT_EQ(GreatCircleOpacityAt(c.x), c.opacity) << c.x;
}

TEST(WindowSettings, WindowPosition) {
  struct Case {
    int monitors, screen_w, screen_h, w, h, left, top;
  };
  const Case cases[] = {
      {1, 1600, 1000, 960, 640, 320, 180},
      {1, 1601, 1000, 960, 641, 320, 180},  // 320.5 and 179.5 to even
      {1, 1603, 1000, 960, 643, 322, 178},  // 321.5 and 178.5
      {2, 3200, 1000, 960, 640, 189, 119},
  };
  for (const Case& c : cases) {
    const WindowPosition p = MainWindowPosition(c.monitors, c.screen_w, c.screen_h, c.w, c.h);
    EXPECT_EQ(p.left, c.left);
    EXPECT_EQ(p.top, c.top);
  }
}

}  // namespace
}  // namespace velkar::shell
