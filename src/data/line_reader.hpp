// Reads a text held in memory line by line without copying it. LF and CR LF
// both end a line; a final line break does not start another line, so an
// empty text has no lines and "a\n" has one.
#pragma once

#include <cstddef>
#include <string_view>

namespace velkar::data {

class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}

  // The next line without its line end; false when the text is used up.
  bool Next(std::string_view& line);
  // 1-based number of the line last returned by Next (0 before the first).
  std::size_t LineNumber() const { return line_number_; }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
  std::size_t line_number_ = 0;
};

// The number of lines LineReader gives for the text, counted without
// reading them.
std::size_t CountLines(std::string_view text);

}  // namespace velkar::data
