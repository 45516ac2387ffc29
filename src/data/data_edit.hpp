// The edits the main window offers on the data text: the line under the
// caret turned into the line of its pole, a symbol code appended to every
// line, the clean-up of pasted text and the appending of one line. Each
// takes the text and returns the new text (or the one changed line), so the
// window only hands the result to the data panel.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velkar::data {

// The index of the line holding the caret. The caret is counted as the data
// panel counts it with two characters (CR LF) per line end, in bytes of the
// UTF-8 text: the lengths of the lines plus 2 are added up, the last line
// included, until the sum exceeds the caret; a caret beyond the text (also
// on the empty line after a final line end) gives line 0.
std::size_t CaretLineIndex(std::string_view text, std::size_t caret);

// One line turned into the line of its pole: azimuth and dip as the first
// two fields (the rest of the line after the second delimiter is the code,
// read as an integer; absent means 0), replaced by PlaneToPole and written
// as azimuth, delimiter, dip, delimiter, new code in the general number
// format. The new code is 5 for code 0 and the old code + 4 otherwise, so
// that a filled symbol becomes its open counterpart. Fields after the code
// are dropped. "120/45" gives "300/45/5", "120/45/2" gives "300/45/6".
std::string LineToPoleLine(std::string_view line, std::string_view delimiter, char decimal_separator);

struct LineReplacement {
  std::size_t line_index = 0;  // 0-based line of the text
  std::string line;            // its new content, without a line end
};

// LineToPoleLine applied to the line at the caret (CaretLineIndex); empty
// when the text has no line.
std::optional<LineReplacement> LineToPole(std::string_view text, std::size_t caret, std::string_view delimiter,
                                          char decimal_separator);

// The text with line `index` replaced (its line end kept); an index past the
// last line leaves the text unchanged.
std::string ReplaceLine(std::string_view text, std::size_t index, std::string_view line);

// The height of the symbol-code picture and the code of a pointer row in it:
// rows 0-17 give 1, 18-35 2, 36-50 3, 51-68 4, 69-83 5, 84-101 6, 102-119 7,
// 120 and below 8; rows above the picture count as its first row.
inline constexpr int kSymbolCodePictureWidth = 80;
inline constexpr int kSymbolCodePictureHeight = 140;
int SymbolCodeAtY(int y);
// The first and last row of the band of a code (1..8).
struct RowBand {
  int first = 0;
  int last = 0;
};
RowBand SymbolCodeBand(int code);

// Every non-empty line with the code appended: after the delimiter, or
// directly when the line ends with a tab. Line ends are kept.
std::string AppendSymbolCode(std::string_view text, int code, std::string_view delimiter);

// One trailing tab removed from every line that ends with one (text pasted
// from a spreadsheet). Line ends are kept.
std::string StripTrailingTabs(std::string_view text);

struct PastedText {
  std::string text;       // the new data text
  std::string delimiter;  // the delimiter detected on its first line
};

// What the data panel holds after Ctrl+V: the delimiter detected on the
// first line of the text as pasted, the filter, and, when that delimiter is
// a tab, one trailing tab stripped from every line.
PastedText ProcessPastedText(std::string_view text);

// What to append to the text so that `line` becomes its new last line: a
// line end first when the text does not end with one, then the line and its
// line end.
std::string LineAppendix(std::string_view text, std::string_view line);

}  // namespace velkar::data
