#include "data/data_line.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace velkar::data {
namespace {

using Opt = std::optional<std::string>;

Opt Str(const std::optional<std::string_view>& v) { return v ? Opt(std::string(*v)) : std::nullopt; }

TEST(DataLine, SplitLine) {
  struct Case {
    const char* line;
    const char* delimiter;
    PlotMode mode;
    const char* azimuth;
    const char* dip;
    Opt code, colour;
  };
  const auto L = PlotMode::Lines, C = PlotMode::Circles, P = PlotMode::Poles, S = PlotMode::Synoptic;
  const Case cases[] = {
      {"120/45", "/", L, "120", "45", {}, {}},
      {"120/45/6", "/", L, "120", "45", "6", {}},
      {"120/45/2/23", "/", L, "120", "45", "2", "23"},
      {"120/45/2/23/9", "/", L, "120", "45", "2", "23"},  // fourth field ends at the next delimiter
      {"120/45/2/2,5", "/", L, "120", "45", "2", "2,5"},  // comma inside the last field
      {"120/45/", "/", L, "120", "45", "", {}},
      {"45", "/", L, "", "45", {}, {}},
      {"", "/", L, "", "", {}, {}},
      {"120/45/6/7", "/", C, "120", "45", "6/7", {}},       // modes 1-3: the rest is field 3
      {"120/45/3/9", "/", P, "120", "45", "3/9", {}},
      {"120/45/3", "/", S, "120", "45", "3", {}},
      {"120/45", "/", S, "120", "", "45", {}},              // one delimiter: dip text becomes the kind code
      {"120;45;2", ";", L, "120", "45", "2", {}},
      {"120::45::2", "::", L, "120", "45", "2", {}},
      {"12345", "", L, "", "12345", {}, {}},                 // an empty delimiter is never found
      {"1.5\t2.5\t", "\t", L, "1.5", "2.5", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.line << "\" mode " << static_cast<int>(c.mode));
    const LineFields f = SplitLine(c.line, c.delimiter, c.mode);
    EXPECT_EQ(f.azimuth, c.azimuth);
    EXPECT_EQ(f.dip, c.dip);
    EXPECT_EQ(Str(f.code), c.code);
    EXPECT_EQ(Str(f.colour), c.colour);
  }
}

TEST(DataLine, MeaningPerMode) {
  struct Case {
    const char* line;
    PlotMode mode;
    double azimuth, dip;
    Element element;
    Mark mark;
    std::optional<Rgb> colour;
    double tensor_azimuth, tensor_dip;
  };
  const auto L = PlotMode::Lines, C = PlotMode::Circles, P = PlotMode::Poles, S = PlotMode::Synoptic;
  const std::optional<Rgb> none;
  const Case cases[] = {
      {"120/45", L, 120, 45, Element::Line, Mark::FilledCircle, none, 120, 45},
      {"120/45/6", L, 120, 45, Element::Line, Mark::OpenTriangle, none, 120, 45},
      {"120/45/-1", L, 120, 45, Element::Plane, Mark::GreatCircle, none, 120, 45},
      {"120/45/-2", L, 120, 45, Element::Plane, Mark::DoubleGreatCircle, none, 120, 45},
      {"120/45/2/23", L, 120, 45, Element::Line, Mark::FilledTriangle, Rgb{57, 57, 255}, 120, 45},
      {"120/45/2/161", L, 120, 45, Element::Line, Mark::FilledTriangle, Rgb{255, 0, 0}, 120, 45},
      {"120/45/2/0", L, 120, 45, Element::Line, Mark::FilledTriangle, none, 120, 45},
      {"120/45/2/-3", L, 120, 45, Element::Line, Mark::FilledTriangle, none, 120, 45},
      {"120/45/2,5", L, 120, 45, Element::Line, Mark::FilledTriangle, none, 120, 45},   // 2.5 rounds to 2
      {"120/45/3,5", L, 120, 45, Element::Line, Mark::FilledDiamond, none, 120, 45},    // 3.5 rounds to 4
      {"120/45/9", L, 120, 45, Element::Line, Mark::SmallFilledCircle, none, 120, 45},
      {"120/45/1000", L, 120, 45, Element::Line, Mark::SmallFilledCircle, none, 120, 45},
      {"120/45/1001", L, 120, 45, Element::None, Mark::None, none, 120, 45},
      {"120/45/-3", L, 120, 45, Element::None, Mark::None, none, 120, 45},
      {"120/45,5", L, 120, 45.5, Element::Line, Mark::FilledCircle, none, 120, 45.5},
      {",5/30", L, 0.5, 30, Element::Line, Mark::FilledCircle, none, 0.5, 30},
      {"120 / 45", L, 120, 45, Element::Line, Mark::FilledCircle, none, 120, 45},
      {"120/45 x", L, 120, 45, Element::Line, Mark::FilledCircle, none, 120, 45},
      {"45", L, 0, 45, Element::Line, Mark::FilledCircle, none, 0, 45},
      {"", L, 0, 0, Element::Line, Mark::FilledCircle, none, 0, 0},
      {"10/-30", L, 190, 30, Element::Line, Mark::FilledCircle, none, 190, 30},
      {"10/120", L, 10, 120, Element::Line, Mark::FilledCircle, none, 10, 120},  // dips over 90 kept
      {"120/45,5", C, 120, 45.5, Element::Plane, Mark::GreatCircle, none, 300, 44.5},
      {"120/45/7/3", C, 120, 45, Element::Plane, Mark::GreatCircle, none, 300, 45},
      {"300/30", P, 300, 30, Element::Pole, Mark::OpenCircle, none, 120, 60},
      {"300/30/-4", P, 300, 30, Element::Pole, Mark::OpenCircle, none, 120, 60},
      {"300/30/2", P, 300, 30, Element::Pole, Mark::OpenTriangle, none, 120, 60},
      {"300/30/3", P, 300, 30, Element::Pole, Mark::OpenSquare, none, 120, 60},
      {"300/30/10000", P, 300, 30, Element::Pole, Mark::OpenDiamond, none, 120, 60},
      {"300/30/10001", P, 300, 30, Element::None, Mark::None, none, 120, 60},
      {"300/30/1", S, 300, 30, Element::Line, Mark::FilledCircle, none, 300, 30},
      {"300/30/2", S, 300, 30, Element::Plane, Mark::GreatCircle, none, 300, 30},
      {"300/30/3", S, 300, 30, Element::Pole, Mark::OpenCircle, none, 120, 60},
      {"300/30/10000", S, 300, 30, Element::Line, Mark::FilledCircle, none, 300, 30},
      {"300/30/0", S, 300, 30, Element::None, Mark::None, none, 300, 30},
      {"300/30/-1", S, 300, 30, Element::None, Mark::None, none, 300, 30},
      {"300/30/10001", S, 300, 30, Element::None, Mark::None, none, 300, 30},
      {"300/2", S, 300, 0, Element::Plane, Mark::GreatCircle, none, 300, 0},  // one delimiter
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.line << "\" mode " << static_cast<int>(c.mode));
    const DataLine d = ParseDataLine(c.line, "/", c.mode);
    EXPECT_NEAR(d.orientation.azimuth, c.azimuth, 1e-12);
    EXPECT_NEAR(d.orientation.dip, c.dip, 1e-12);
    EXPECT_EQ(d.element, c.element);
    EXPECT_EQ(d.mark, c.mark);
    EXPECT_EQ(d.colour, c.colour);
    EXPECT_NEAR(d.tensor_direction.azimuth, c.tensor_azimuth, 1e-12);
    EXPECT_NEAR(d.tensor_direction.dip, c.tensor_dip, 1e-12);
    const geometry::Orientation fast = TensorDirectionOfLine(c.line, "/", c.mode);
    EXPECT_EQ(fast.azimuth, d.tensor_direction.azimuth);
    EXPECT_EQ(fast.dip, d.tensor_direction.dip);
  }
}

TEST(DataLine, CodesAreAbsentOnlyInCircleMode) {
  EXPECT_FALSE(ParseDataLine("1/2/3", "/", PlotMode::Circles).code);
  EXPECT_EQ(ParseDataLine("1/2", "/", PlotMode::Lines).code, 0);
  EXPECT_EQ(ParseDataLine("1/2", "/", PlotMode::Poles).code, 1);
}

}  // namespace
}  // namespace velkar::data
