#include "data/data_edit.hpp"

#include <gtest/gtest.h>

namespace velkar::data {
namespace {

TEST(DataEdit, CaretLineCountsTwoPerLineEnd) {
  // "120/45" is 6 characters and its line end 2 more: the caret positions
  // 0..7 lie on line 0, 8.. on line 1.
  const std::string text = "120/45\n10/5\n300/80";
  struct Case {
    std::size_t caret;
    std::size_t line;
  };
  const Case cases[] = {
      {0, 0}, {6, 0}, {7, 0},    // the end of line 0 and its line end
      {8, 1}, {13, 1},           // "10/5" spans 8..11, its line end 12..13
      {14, 2}, {20, 2},          // the end of the last line
      {21, 2},                   // the last line counts 2 for a line end too
      {22, 0}, {1000, 0},        // beyond the text: line 0
  };
  for (const Case& c : cases) EXPECT_EQ(CaretLineIndex(text, c.caret), c.line) << c.caret;
  EXPECT_EQ(CaretLineIndex("120/45\n", 8), 0u);  // the empty line after a final line end
  EXPECT_EQ(CaretLineIndex("", 0), 0u);
  EXPECT_EQ(CaretLineIndex("a\r\nb", 3), 1u);    // CR LF is one line end
  EXPECT_EQ(CaretLineIndex("\xC5\x99/1\nb", 6), 1u);  // lengths in UTF-8 bytes ("ř" is 2)
}

TEST(DataEdit, LineToPoleLine) {
  struct Case {
    const char* line;
    const char* delimiter;
    char separator;
    const char* out;
  };
  const Case cases[] = {
      {"120/45", "/", '.', "300/45/5"},
      {"120/45/2", "/", '.', "300/45/6"},
      {"300/45/5", "/", '.', "120/45/9"},       // twice from code 0: +9
      {"300/45/6", "/", '.', "120/45/10"},      // twice from code 2: +8
      {"120/45/2/23", "/", '.', "300/45/6"},    // the colour code goes
      {"120/45/-1", "/", '.', "300/45/3"},
      {"120/45/2,7", "/", '.', "300/45/6"},     // the code read as an integer
      {"10,5;20,25", ";", ',', "190,5;69,75;5"},  // the locale's separator
      {"10.5;20.25", ";", '.', "190.5;69.75;5"},
      {"200/90", "/", '.', "20/0/5"},           // azimuth wrapped into 0..360
      {"", "/", '.', "180/90/5"},               // an empty line reads 0/0
      {"45", "/", '.', "180/45/5"},             // no delimiter: azimuth 0, dip 45
      {"120\t45\t", "\t", '.', "300\t45\t5"},   // an empty code field reads 0
  };
  for (const Case& c : cases) EXPECT_EQ(LineToPoleLine(c.line, c.delimiter, c.separator), c.out) << c.line;
}

TEST(DataEdit, LineToPoleAtTheCaret) {
  const std::string text = "10/20\n120/45\n30/40\n";
  const auto r = LineToPole(text, 9, "/", '.');  // caret inside "120/45"
  ASSERT_TRUE(r);
  EXPECT_EQ(r->line_index, 1u);
  EXPECT_EQ(r->line, "300/45/5");
  EXPECT_EQ(ReplaceLine(text, r->line_index, r->line), "10/20\n300/45/5\n30/40\n");

  // Twice on the same line returns the orientation with the code raised by 9.
  std::string twice = text;
  for (int i = 0; i < 2; ++i) {
    const auto step = LineToPole(twice, 9, "/", '.');
    ASSERT_TRUE(step);
    twice = ReplaceLine(twice, step->line_index, step->line);
  }
  EXPECT_EQ(twice, "10/20\n120/45/9\n30/40\n");

  EXPECT_EQ(LineToPole(text, 500, "/", '.')->line_index, 0u);  // beyond the text: line 0
  EXPECT_FALSE(LineToPole("", 0, "/", '.'));
  EXPECT_EQ(ReplaceLine("a\r\nb\r\n", 0, "c"), "c\r\nb\r\n");
  EXPECT_EQ(ReplaceLine("a\nb", 1, "c"), "a\nc");
  EXPECT_EQ(ReplaceLine("a\nb", 5, "c"), "a\nb");
}

TEST(DataEdit, SymbolCodeBands) {
  struct Case {
    int y;
    int code;
  };
  const Case cases[] = {
      {-5, 1}, {0, 1},   {17, 1},  {18, 2},  {35, 2},  {36, 3},  {40, 3},  {50, 3},  {51, 4},  {68, 4},
      {69, 5}, {70, 5},  {83, 5},  {84, 6},  {101, 6}, {102, 7}, {119, 7}, {120, 8}, {139, 8}, {140, 8},
      {500, 8},
  };
  for (const Case& c : cases) EXPECT_EQ(SymbolCodeAtY(c.y), c.code) << c.y;
  for (int code = 1; code <= 8; ++code) {
    const RowBand band = SymbolCodeBand(code);
    EXPECT_EQ(SymbolCodeAtY(band.first), code);
    EXPECT_EQ(SymbolCodeAtY(band.last), code);
    if (code > 1) {
      EXPECT_EQ(SymbolCodeAtY(band.first - 1), code - 1);
    }
  }
  EXPECT_EQ(SymbolCodeBand(8).last, kSymbolCodePictureHeight - 1);
}

TEST(DataEdit, AppendSymbolCode) {
  struct Case {
    const char* text;
    int code;
    const char* delimiter;
    const char* out;
  };
  const Case cases[] = {
      {"120/45\n", 3, "/", "120/45/3\n"},
      {"120/45/3\n", 5, "/", "120/45/3/5\n"},        // read as code 3, colour code 5
      {"120/45\n\n10/5", 2, "/", "120/45/2\n\n10/5/2"},  // empty lines stay empty
      {"120\t45\t\n10\t5\n", 7, "\t", "120\t45\t7\n10\t5\t7\n"},
      {"120;45\t\r\n", 1, ";", "120;45\t1\r\n"},     // after a trailing tab directly
      {"", 4, "/", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(AppendSymbolCode(c.text, c.code, c.delimiter), c.out) << c.text;
}

TEST(DataEdit, PastedSpreadsheetText) {
  struct Case {
    const char* pasted;
    const char* text;
    const char* delimiter;
  };
  const Case cases[] = {
      {"120\t45\t\n10\t5\t\n", "120\t45\n10\t5\n", "\t"},            // trailing tabs stripped
      {"120\t45\t\t\r\n10\t5", "120\t45\t\n10\t5\n", "\t"},         // only one of them
      {"azimuth\tdip\t\n120\t45\t\n", "120\t45\t\n", "a"},          // header: the letter a, tabs stay
      {"120;45\n\nx\n-10;5\n", "120;45\n-10;5\n", ";"},             // filter
      {"", "", ""},
  };
  for (const Case& c : cases) {
    const PastedText r = ProcessPastedText(c.pasted);
    EXPECT_EQ(r.text, c.text) << c.pasted;
    EXPECT_EQ(r.delimiter, c.delimiter) << c.pasted;
  }
  EXPECT_EQ(StripTrailingTabs("a\t\nb\n\t\n"), "a\nb\n\n");
}

TEST(DataEdit, LineAppendix) {
  EXPECT_EQ(LineAppendix("", "225/60"), "225/60\n");
  EXPECT_EQ(LineAppendix("10/5\n", "225/60"), "225/60\n");
  EXPECT_EQ(LineAppendix("10/5", "225/60"), "\n225/60\n");
}

}  // namespace
}  // namespace velkar::data
