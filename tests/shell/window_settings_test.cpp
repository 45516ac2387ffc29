#include "shell/window_settings.hpp"

#include <gtest/gtest.h>

#include <string>

namespace velkar::shell {
namespace {

TEST(WindowSettings, StartUpValuesAndTheEnglishSwitch) {
  WindowSettings s = InitialWindowSettings(text::Language::Czech, 0, ',');
  EXPECT_EQ(s.UiLanguage, text::Language::Czech);
  EXPECT_EQ(s.ProcessorCount, 1);
  EXPECT_EQ(s.EraserRadius, 8);
  EXPECT_EQ(s.great_circle_opacity, 255);
  EXPECT_EQ(s.element_colour, (data::Rgb{0, 0, 0}));
  EXPECT_FALSE(s.shadow);
  EXPECT_EQ(s.contour_word, "kontury");
  EXPECT_EQ(s.overwrite_question, "Soubor téhož jména již existuje, chcete jej přepsat?");

  ApplyLanguage(s, text::Language::English);
  EXPECT_EQ(s.UiLanguage, text::Language::English);
  EXPECT_EQ(s.contour_word, "contours");
  EXPECT_EQ(s.overwrite_question, "File exists, do you want to rewrite it?");
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
