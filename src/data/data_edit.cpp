#include "data/data_edit.hpp"

#include <algorithm>
#include <array>

#include "data/data_line.hpp"
#include "data/data_text.hpp"
#include "data/line_reader.hpp"
#include "geometry/numbers.hpp"
#include "geometry/vectors.hpp"

namespace velkar::data {

namespace {

// A line of the text with its line end ("\n", "\r\n" or none) kept apart.
struct RawLine {
  std::string_view content;
  std::string_view end;
};

// Calls f(RawLine) for every line; a final line end does not start another
// line, as with LineReader.
template <typename F>
void ForEachRawLine(std::string_view text, F&& f) {
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t at = text.find('\n', from);
    const std::size_t stop = at == std::string_view::npos ? text.size() : at;
    std::size_t content_end = stop;
    if (at != std::string_view::npos && content_end > from && text[content_end - 1] == '\r') --content_end;
    const std::size_t next = at == std::string_view::npos ? text.size() : at + 1;
    f(RawLine{text.substr(from, content_end - from), text.substr(content_end, next - content_end)});
    from = next;
  }
}

// The last rows of the bands of codes 1..8.
constexpr std::array<int, 8> kBandLastRow = {17, 35, 50, 68, 83, 101, 119, kSymbolCodePictureHeight};

}  // namespace

std::size_t CaretLineIndex(std::string_view text, std::size_t caret) {
  LineReader reader(text);
  std::size_t sum = 0;
  for (std::string_view line; reader.Next(line);) {
    sum += line.size() + 2;
    if (sum > caret) return reader.LineNumber() - 1;
  }
  return 0;
}

std::string LineToPoleLine(std::string_view line, std::string_view delimiter, char decimal_separator) {
  // The circle-mode split keeps the whole rest after the second delimiter as
  // the code field.
  const LineFields f = SplitLine(line, delimiter, PlotMode::Circles);
  const geometry::Orientation o{ReadNumberField(f.azimuth), ReadNumberField(f.dip)};
  const std::int64_t code = f.code ? ReadIntegerField(*f.code) : 0;
  const geometry::Orientation pole = geometry::PlaneToPole(o);
  const std::int64_t new_code = code == 0 ? 5 : code + 4;
  std::string out = geometry::FormatGeneral(pole.azimuth, decimal_separator);
  out.append(delimiter);
  out += geometry::FormatGeneral(pole.dip, decimal_separator);
  out.append(delimiter);
  out += std::to_string(new_code);
  return out;
}

std::optional<LineReplacement> LineToPole(std::string_view text, std::size_t caret, std::string_view delimiter,
                                          char decimal_separator) {
  const std::size_t index = CaretLineIndex(text, caret);
  LineReader reader(text);
  std::string_view line;
  for (std::size_t i = 0; i <= index; ++i)
    if (!reader.Next(line)) return std::nullopt;
  return LineReplacement{index, LineToPoleLine(line, delimiter, decimal_separator)};
}

std::string ReplaceLine(std::string_view text, std::size_t index, std::string_view line) {
  std::string out;
  out.reserve(text.size() + line.size());
  std::size_t i = 0;
  ForEachRawLine(text, [&](const RawLine& raw) {
    out.append(i++ == index ? line : raw.content);
    out.append(raw.end);
  });
  return out;
}

int SymbolCodeAtY(int y) {
  for (int code = 1; code <= 8; ++code)
    if (y <= kBandLastRow[static_cast<std::size_t>(code - 1)]) return code;
  return 8;
}

RowBand SymbolCodeBand(int code) {
  code = std::clamp(code, 1, 8);
  const int first = code == 1 ? 0 : kBandLastRow[static_cast<std::size_t>(code - 2)] + 1;
  const int last = std::min(kBandLastRow[static_cast<std::size_t>(code - 1)], kSymbolCodePictureHeight - 1);
  return {first, last};
}

std::string AppendSymbolCode(std::string_view text, int code, std::string_view delimiter) {
  const std::string code_text = std::to_string(code);
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  ForEachRawLine(text, [&](const RawLine& raw) {
    out.append(raw.content);
    if (!raw.content.empty()) {
      if (raw.content.back() != '\t') out.append(delimiter);
      out.append(code_text);
    }
    out.append(raw.end);
  });
  return out;
}

std::string StripTrailingTabs(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  ForEachRawLine(text, [&](const RawLine& raw) {
    std::string_view content = raw.content;
    if (!content.empty() && content.back() == '\t') content.remove_suffix(1);
    out.append(content);
    out.append(raw.end);
  });
  return out;
}

PastedText ProcessPastedText(std::string_view text) {
  PastedText result;
  result.delimiter = DetectDelimiter(FirstLine(text));
  result.text = FilterDataText(text);
  if (result.delimiter == "\t") result.text = StripTrailingTabs(result.text);
  return result;
}

std::string LineAppendix(std::string_view text, std::string_view line) {
  std::string out;
  if (!text.empty() && text.back() != '\n') out += '\n';
  out.append(line);
  out += '\n';
  return out;
}

}  // namespace velkar::data
