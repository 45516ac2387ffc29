#include "data/data_text.hpp"

#include <gtest/gtest.h>

#include "geometry/tensor.hpp"

namespace velkar::data {
namespace {

TEST(DataText, DetectDelimiter) {
  struct Case {
    const char* first_line;
    const char* delimiter;
  };
  const Case cases[] = {
      {"1.5;2.5", ";"}, {"12345", ""},   {"-10 20", " "},     {"120/45", "/"},     {"12,5\t30", "\t"},
      {",5x3", "x"},    {"azimuth;dip", "a"}, {"", ""},       {"10°20", "°"},      {"1,2,3;4", ";"},
      {"-.,-5", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(DetectDelimiter(c.first_line), c.delimiter) << c.first_line;
  EXPECT_EQ(FirstLine("1;2\r\n3/4\n"), "1;2");
  EXPECT_EQ(FirstLine(""), "");
}

TEST(DataText, ReplaceDelimiter) {
  EXPECT_EQ(ReplaceDelimiter("1/2/3\n4/5\n", "/", ";"), "1;2;3\n4;5\n");
  EXPECT_EQ(ReplaceDelimiter("1/2", "/", "/"), "1/2");
  EXPECT_EQ(ReplaceDelimiter("1/2", "", ";"), "1/2");
  EXPECT_EQ(ReplaceDelimiter("1;;2", ";", ";;"), "1;;;;2");  // one pass: no re-scan of inserted text
  EXPECT_EQ(ReplaceDelimiter("1 2", " ", ""), "12");
}

TEST(DataText, Filter) {
  EXPECT_EQ(FilterDataText("azimuth;dip\r\n120;45\r\n\r\n-10;5\r\n x\n 12/3\n.5/4\n7/8"), "120;45\n-10;5\n7/8\n");
  EXPECT_EQ(FilterDataText(""), "");
  EXPECT_EQ(CommasToPoints("1,5/2,5\n"), "1.5/2.5\n");
}

TEST(DataText, DirectionCosines) {
  const auto convert = [](std::string_view text, char separator = '.') {
    return DirectionCosinesToData(text, "/", separator, text::Language::English);
  };
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"1 0 0\n", "0/0\n"},
      {"0 0 1", "0/90\n"},
      {"0 0 -1\n", "0/90\n"},
      {"-1 0 0\n", "0/0\n"},            // horizontal, brought to x >= 0
      {"0,5 0,5 -0,7\n", "225/44.711\n"},
      {"2\t0\t0 extra words\n", "0/0\n"},  // the rest of the line is skipped
      {"0 0\n1\n", "0/90\n"},           // numbers may continue on the next line
      {"\n1 0 0\n\n  \n", "0/0\n"},      // blank lines between records are skipped
      {"0 0 0\n", "0/0\n"},
      {"", ""},
  };
  for (const Case& c : cases) {
    const ConversionResult r = convert(c.in);
    ASSERT_TRUE(r.ok) << c.in << " " << r.error;
    EXPECT_EQ(r.text, c.out) << c.in;
  }
  EXPECT_EQ(convert("0,5 0,5 -0,7\n", ',').text, "225/44,711\n");
}

TEST(DataText, DirectionCosinesBadLineLosesNothing) {
  const ConversionResult bad = DirectionCosinesToData("1 0 0\n0 1 0\n1 x 0\n0 0 1\n", "/", '.',
                                                      text::Language::English);
  EXPECT_FALSE(bad.ok);
  EXPECT_EQ(bad.error_line, 3u);
  EXPECT_TRUE(bad.text.empty());
  EXPECT_NE(bad.error.find("Invalid numeric input"), std::string::npos);
  EXPECT_NE(bad.error.find("line 3"), std::string::npos);
  EXPECT_NE(bad.error.find("1 x 0"), std::string::npos);

  const ConversionResult cut = DirectionCosinesToData("1 0 0\n0 1\n", "/", '.', text::Language::Czech);
  EXPECT_FALSE(cut.ok);
  EXPECT_EQ(cut.error_line, 2u);
  EXPECT_NE(cut.error.find("řádek 2"), std::string::npos);

  EXPECT_FALSE(DirectionCosinesToData("120/45\n", "/", '.', text::Language::English).ok);
}

TEST(DataText, QuoteLine) {
  const std::string eighty(80, '7');
  std::string czech;  // 81 two-byte letters: the cut counts characters, not bytes
  for (int i = 0; i < 81; ++i) czech += "\xC4\x8D";
  struct Case {
    std::string line;
    std::string quoted;
  };
  const Case cases[] = {
      {"", ""},
      {"1 x 0", "1 x 0"},
      {"sm\xC4\x9Br 12\xC2\xB0", "sm\xC4\x9Br 12\xC2\xB0"},             // UTF-8 letters as they are
      {"1\t2\r3\n", "1\\t2\\r3\\n"},
      {"\x1B[2J\x07\x7F", "\\x1b[2J\\x07\\x7f"},                        // control characters
      {"a\xC2\x9B" "1m", "a\\u009b1m"},                                 // a C1 control
      {"1\xFF\xC3(\xC0\xAF", "1\\xff\\xc3(\\xc0\\xaf"},                 // bytes that are not UTF-8
      {eighty, eighty},
      {eighty + "8", eighty + "\u2026"},
      {czech, czech.substr(0, 160) + "\u2026"},
      {std::string(79, '7') + "\x1B" + "\x1B", std::string(79, '7') + "\\x1b\u2026"},
  };
  for (const Case& c : cases) EXPECT_EQ(QuoteLine(c.line), c.quoted) << testing::PrintToString(c.line);
}

// However long or strange the bad line, the message stays one short line.
TEST(DataText, DirectionCosinesMessageQuotesTheLine) {
  const std::string line = "1 \x1B]0;title\x07" + std::string(1 << 20, 'x');
  const ConversionResult r = DirectionCosinesToData("0 0 1\n" + line + "\n", "/", '.', text::Language::English);
  ASSERT_FALSE(r.ok);
  EXPECT_EQ(r.error, "Invalid numeric input (line 2: " + QuoteLine(line) + ")");
  EXPECT_LT(r.error.size(), 200u);
  EXPECT_EQ(r.error.find('\x1B'), std::string::npos);
}

TEST(DataText, TensorCountsEveryLine) {
  DataSettings lines;
  const TensorSum sum = AccumulateTensor("120/30\n\n120/30/99999\n", lines);
  EXPECT_EQ(sum.count, 3u);  // the empty line and the undrawn code count too
  EXPECT_NEAR(sum.tensor(0, 0) + sum.tensor(1, 1) + sum.tensor(2, 2), 3, 1e-12);

  // Poles mode: the pole of 120/30 is 300/60.
  DataSettings poles{"/", PlotMode::Poles};
  const geometry::EigenResult r = geometry::EigenAnalysis(AccumulateTensor("120/30\n120/30\n", poles).tensor);
  EXPECT_NEAR(r.orientations[0].azimuth, 300, 1e-9);
  EXPECT_NEAR(r.orientations[0].dip, 60, 1e-9);
}

TEST(DataText, ReadReport) {
  const std::string report = DataReadReport("120/45/2/23\n300/30/-1\n\n1/2/2000\n", DataSettings{}, ',');
  EXPECT_EQ(report,
            "line\telement\tazimuth\tdip\tcode\tcolour\ttensor_azimuth\ttensor_dip\n"
            "1\tline\t120\t45\t2\t#3939ff\t120\t45\n"
            "2\tplane\t300\t30\t-1\t-\t300\t30\n"
            "3\tline\t0\t0\t0\t-\t0\t0\n"
            "4\tnone\t1\t2\t2000\t-\t1\t2\n");
  const std::string circles = DataReadReport("120/45,5\n", DataSettings{"/", PlotMode::Circles}, ',');
  EXPECT_NE(circles.find("1\tplane\t120\t45,5\t-\t-\t300\t44,5\n"), std::string::npos);
}

}  // namespace
}  // namespace velkar::data
