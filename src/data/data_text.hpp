// Commands over the whole data text: delimiter detection and replacement,
// the entry filter, the direction-cosine conversion, the tensor of the data
// and the line-by-line report. They stream the text line by line and return
// a new text only when they have fully succeeded.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "data/data_line.hpp"
#include "geometry/matrix.hpp"
#include "text/language.hpp"

namespace velkar::data {

// How the data text is read: the delimiter and the plot mode.
struct DataSettings {
  std::string delimiter = "/";
  PlotMode mode = PlotMode::Lines;
};

// The delimiter a first line suggests: after its first comma becomes a point,
// leading digits, commas, points and minus signs are skipped and the next
// character (a whole UTF-8 character) is the delimiter; empty when the line
// is used up.
std::string DetectDelimiter(std::string_view first_line);

// The first line of a text (without its line end).
std::string_view FirstLine(std::string_view text);

// Every occurrence of old_delimiter replaced by new_delimiter in one pass; an
// empty old delimiter leaves the text unchanged.
std::string ReplaceDelimiter(std::string_view text, std::string_view old_delimiter,
                             std::string_view new_delimiter);

// True for a line the entry filter keeps: its first character is a digit or
// a minus sign (so an empty line is not one).
bool IsEntryLine(std::string_view line);

// Keeps the lines whose first character is a digit or a minus sign; empty
// lines go too. Every kept line ends with '\n'.
std::string FilterDataText(std::string_view text);

// Every comma turned into a point.
std::string CommasToPoints(std::string_view text);

// A line as a message quotes it: its first 80 characters, then "…" when
// there are more; tabs, line ends, the other control characters and bytes
// that are not UTF-8 written as escapes (\t, \r, \x1b, \u009b, \xff). A
// message then stays one short line, whatever the data holds, and cannot
// steer a terminal.
std::string QuoteLine(std::string_view line);

struct ConversionResult {
  bool ok = false;
  std::string text;           // the new data text when ok
  std::size_t error_line = 0; // 1-based line of the failure when not ok
  std::string error;          // the message naming it
};

// Direction cosines to data lines: all commas become points, then three
// numbers x, y, z are read per record (blanks, tabs and line ends separate
// them; the rest of the record's last line is skipped). Each vector is brought
// into the lower hemisphere and written as azimuth, delimiter, dip, rounded
// to three decimals. A token that is not a number, or a record cut short by
// the end of the text, fails the whole conversion and names the line (its
// number and QuoteLine of it).
ConversionResult DirectionCosinesToData(std::string_view text, std::string_view delimiter,
                                        char decimal_separator, text::Language language);

struct TensorSum {
  geometry::Matrix3 tensor;
  std::size_t count = 0;  // every line counts, empty ones too
};

// The orientation tensor of the data (the tensor direction of every line).
// Large texts are summed in pieces on the available processors; the pieces
// and the order of their sums are fixed, so the result is the same on every
// machine.
TensorSum AccumulateTensor(std::string_view text, const DataSettings& settings);

// One tab-separated row per line telling how it is read: line number,
// element, azimuth, dip, code, colour (#rrggbb or "-" for the element
// colour), tensor azimuth and dip; with a header row.
std::string DataReadReport(std::string_view text, const DataSettings& settings, char decimal_separator);

}  // namespace velkar::data
