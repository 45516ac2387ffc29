#include "data/data_text.hpp"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "data/file_text.hpp"
#include "data/line_reader.hpp"
#include "data/processors.hpp"
#include "geometry/numbers.hpp"
#include "geometry/vectors.hpp"
#include "text/texts.hpp"

namespace velkar::data {

using geometry::FormatGeneral;
using geometry::FormatRounded;

namespace {

bool StartsNumberToken(char c) { return (c >= '0' && c <= '9') || c == ',' || c == '.' || c == '-'; }

// Length of the UTF-8 character starting at s[0] (1 for a malformed one).
std::size_t Utf8CharLength(std::string_view s) {
  const auto lead = static_cast<unsigned char>(s[0]);
  std::size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  if (n > s.size()) return 1;
  for (std::size_t i = 1; i < n; ++i)
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 1;
  return n;
}

constexpr std::size_t kQuotedCharacters = 80;

void AppendEscape(std::string& out, const char* prefix, unsigned char value) {
  constexpr char kHex[] = "0123456789abcdef";
  out += prefix;
  out += kHex[value >> 4];
  out += kHex[value & 0xF];
}

}  // namespace

std::string DetectDelimiter(std::string_view first_line) {
  const std::string line = geometry::NormaliseDecimalComma(first_line);
  std::size_t i = 0;
  while (i < line.size() && StartsNumberToken(line[i])) ++i;
  if (i == line.size()) return {};
  const std::string_view rest = std::string_view(line).substr(i);
  return std::string(rest.substr(0, Utf8CharLength(rest)));
}

std::string_view FirstLine(std::string_view text) {
  LineReader reader(text);
  std::string_view line;
  return reader.Next(line) ? line : std::string_view{};
}

std::string ReplaceDelimiter(std::string_view text, std::string_view old_delimiter,
                             std::string_view new_delimiter) {
  if (old_delimiter.empty() || old_delimiter == new_delimiter) return std::string(text);
  std::string out;
  out.reserve(text.size());
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(old_delimiter, from)) != std::string_view::npos;
       from = at + old_delimiter.size()) {
    out.append(text.substr(from, at - from));
    out.append(new_delimiter);
  }
  out.append(text.substr(from));
  return out;
}

bool IsEntryLine(std::string_view line) {
  return !line.empty() && ((line[0] >= '0' && line[0] <= '9') || line[0] == '-');
}

std::string FilterDataText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  LineReader reader(text);
  for (std::string_view line; reader.Next(line);) {
    if (!IsEntryLine(line)) continue;
    out.append(line);
    out += '\n';
  }
  return out;
}

std::string CommasToPoints(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c == ',') c = '.';
  return out;
}

std::string QuoteLine(std::string_view line) {
  std::string out;
  std::size_t i = 0;
  for (std::size_t characters = 0; i < line.size() && characters < kQuotedCharacters; ++characters) {
    const auto c = static_cast<unsigned char>(line[i]);
    std::size_t length = Utf8CharLength(line.substr(i));
    if (!IsValidUtf8(line.substr(i, length))) {
      AppendEscape(out, "\\x", c);  // a stray byte, one at a time
      length = 1;
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c < 0x20 || c == 0x7F) {
      AppendEscape(out, "\\x", c);
    } else if (c == 0xC2 && static_cast<unsigned char>(line[i + 1]) < 0xA0) {
      AppendEscape(out, "\\u00", static_cast<unsigned char>(line[i + 1]));  // a C1 control
    } else {
      out.append(line.substr(i, length));
    }
    i += length;
  }
  if (i < line.size()) out += "\u2026";
  return out;
}

ConversionResult DirectionCosinesToData(std::string_view text, std::string_view delimiter,
                                        char decimal_separator, text::Language language) {
  const std::string points = CommasToPoints(text);
  LineReader reader(points);
  std::string_view line;
  std::size_t column = 0;
  bool have_line = reader.Next(line);

  // The next blank-separated token, moving on to later lines as needed; an
  // empty token means the text is used up.
  const auto next_token = [&]() -> std::string_view {
    while (have_line) {
      while (column < line.size() && (line[column] == ' ' || line[column] == '\t')) ++column;
      if (column < line.size()) {
        const std::size_t start = column;
        while (column < line.size() && line[column] != ' ' && line[column] != '\t') ++column;
        return line.substr(start, column - start);
      }
      have_line = reader.Next(line);
      column = 0;
    }
    return {};
  };
  const auto only_blanks_left = [&]() {
    while (have_line) {
      if (line.find_first_not_of(" \t", column) != std::string_view::npos) return false;
      have_line = reader.Next(line);
      column = 0;
    }
    return true;
  };

  ConversionResult result;
  std::string out;
  while (!only_blanks_left()) {
    double c[3];
    for (double& value : c) {
      const std::string_view token = next_token();
      if (token.empty() || !geometry::ReadWholeNumber(token, value)) {
        result.error_line = reader.LineNumber();
        result.error = std::string(text::Text(text::TextId::InvalidNumericInput, language)) + " (" +
                       std::string(text::Text(text::TextId::LineWord, language)) + " " +
                       std::to_string(result.error_line) + ": " + QuoteLine(line) + ")";
        return result;
      }
    }
    const geometry::Orientation o = geometry::VectorToOrientation(
        geometry::Normalise(geometry::ToLowerHemisphere({c[0], c[1], c[2]})));
    out += FormatRounded(o.azimuth, 3, decimal_separator);
    out.append(delimiter);
    out += FormatRounded(o.dip, 3, decimal_separator);
    out += '\n';
    // The rest of the record's line is skipped.
    have_line = reader.Next(line);
    column = 0;
  }
  result.ok = true;
  result.text = std::move(out);
  return result;
}

namespace {

TensorSum AccumulateTensorOfLines(std::string_view text, const DataSettings& settings) {
  TensorSum sum;
  LineReader reader(text);
  for (std::string_view line; reader.Next(line);) {
    const geometry::Orientation o = TensorDirectionOfLine(line, settings.delimiter, settings.mode);
    geometry::AccumulateOuterProduct(sum.tensor, geometry::OrientationToVector(o));
    ++sum.count;
  }
  return sum;
}

// Pieces of about kChunkBytes that start at line starts. The partial sums of
// the pieces are added in this fixed order, so the result does not depend on
// how many threads computed them.
constexpr std::size_t kChunkBytes = std::size_t{1} << 20;

std::vector<std::string_view> SplitIntoChunks(std::string_view text) {
  std::vector<std::string_view> chunks;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = start + kChunkBytes;
    if (end >= text.size()) {
      end = text.size();
    } else {
      const std::size_t line_end = text.find('\n', end - 1);
      end = line_end == std::string_view::npos ? text.size() : line_end + 1;
    }
    chunks.push_back(text.substr(start, end - start));
    start = end;
  }
  return chunks;
}

}  // namespace

TensorSum AccumulateTensor(std::string_view text, const DataSettings& settings) {
  const std::vector<std::string_view> chunks = SplitIntoChunks(text);
  std::vector<TensorSum> partial(chunks.size());
  std::atomic<std::size_t> next{0};
  const auto work = [&] {
    for (std::size_t i; (i = next.fetch_add(1)) < chunks.size();) partial[i] = AccumulateTensorOfLines(chunks[i], settings);
  };
  const std::size_t threads =
      std::min<std::size_t>({static_cast<std::size_t>(SystemProcessorCount()), chunks.size(), 8});
  std::vector<std::thread> helpers;
  for (std::size_t t = 1; t < threads; ++t) helpers.emplace_back(work);
  work();
  for (std::thread& h : helpers) h.join();

  TensorSum sum;
  for (const TensorSum& p : partial) {
    sum.tensor = geometry::AddMatrix(sum.tensor, p.tensor);
    sum.count += p.count;
  }
  return sum;
}

namespace {

const char* ElementName(Element e) {
  switch (e) {
    case Element::Line: return "line";
    case Element::Plane: return "plane";
    case Element::Pole: return "pole";
    case Element::None: break;
  }
  return "none";
}

}  // namespace

std::string DataReadReport(std::string_view text, const DataSettings& settings, char decimal_separator) {
  std::string out = "line\telement\tazimuth\tdip\tcode\tcolour\ttensor_azimuth\ttensor_dip\n";
  LineReader reader(text);
  for (std::string_view line; reader.Next(line);) {
    const DataLine d = ParseDataLine(line, settings.delimiter, settings.mode);
    out += std::to_string(reader.LineNumber()) + '\t' + ElementName(d.element) + '\t' +
           FormatGeneral(d.orientation.azimuth, decimal_separator) + '\t' +
           FormatGeneral(d.orientation.dip, decimal_separator) + '\t' +
           (d.code ? FormatGeneral(*d.code, decimal_separator) : std::string("-")) + '\t' +
           (d.colour ? ToHex(*d.colour) : std::string("-")) + '\t' +
           FormatGeneral(d.tensor_direction.azimuth, decimal_separator) + '\t' +
           FormatGeneral(d.tensor_direction.dip, decimal_separator) + '\n';
  }
  return out;
}

}  // namespace velkar::data
