#include "data/line_reader.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velkar::data {
namespace {

std::vector<std::string> ReadAll(std::string_view text) {
  std::vector<std::string> lines;
  LineReader reader(text);
  for (std::string_view line; reader.Next(line);) lines.emplace_back(line);
  return lines;
}

TEST(LineReader, LineEnds) {
  using V = std::vector<std::string>;
  struct Case {
    std::string text;
    V lines;
  };
  const Case cases[] = {
      {"", {}},
      {"\n", {""}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"a\nb", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\n\nb\n", {"a", "", "b"}},
      {"a\rb\n", {"a\rb"}},  // a lone CR is not a line end
      {"\r\n\r\n", {"", ""}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadAll(c.text), c.lines) << testing::PrintToString(c.text);
    EXPECT_EQ(CountLines(c.text), c.lines.size()) << testing::PrintToString(c.text);
  }
}

TEST(LineReader, CountsLines) {
  LineReader reader("x\ny\n");
  std::string_view line;
  EXPECT_EQ(reader.LineNumber(), 0u);
  ASSERT_TRUE(reader.Next(line));
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(reader.LineNumber(), 2u);
  EXPECT_FALSE(reader.Next(line));
  EXPECT_EQ(reader.LineNumber(), 2u);
}

}  // namespace
}  // namespace velkar::data
