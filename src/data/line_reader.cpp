#include "data/line_reader.hpp"

#include <algorithm>
#include <cstring>

namespace velkar::data {

bool LineReader::Next(std::string_view& line) {
  if (position_ >= text_.size()) return false;
  const char* begin = text_.data() + position_;
  const std::size_t left = text_.size() - position_;
  const void* found = std::memchr(begin, '\n', left);
  std::size_t length = found ? static_cast<std::size_t>(static_cast<const char*>(found) - begin) : left;
  position_ += found ? length + 1 : length;
  if (found && length > 0 && begin[length - 1] == '\r') --length;
  line = std::string_view(begin, length);
  ++line_number_;
  return true;
}

std::size_t CountLines(std::string_view text) {
  std::size_t n = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  if (!text.empty() && text.back() != '\n') ++n;
  return n;
}

}  // namespace velkar::data
