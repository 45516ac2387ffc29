// The bytes of a data file as the text of the data panel. Files written by
// this program are UTF-8; files from Czech Windows systems come in
// Windows-1250. Any byte sequence that is not valid UTF-8 is taken to be
// Windows-1250, which maps every byte, so decoding never fails.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velkar::data {

// True when the bytes are well-formed UTF-8: no overlong forms, no UTF-16
// surrogates, nothing above U+10FFFF, no cut-off sequence at the end.
bool IsValidUtf8(std::string_view bytes);

// Windows-1250 to UTF-8. Bytes below 0x80 stay as they are; the five bytes
// the code page leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98) become
// U+FFFD.
std::string Cp1250ToUtf8(std::string_view bytes);

// The text of a file: valid UTF-8 as it is, without a leading byte-order
// mark; anything else decoded as Windows-1250.
std::string DecodeFileText(std::string_view bytes);

// CR LF and lone CR line ends turned into LF, as the data panel keeps them.
std::string NormaliseLineEnds(std::string_view text);

// The text of a file as it is: decoded (DecodeFileText) with LF line ends,
// every line kept.
std::string FileTextFromBytes(std::string_view bytes);

// The data text of a file, the one way every front end reads a file: the
// text of FileTextFromBytes without the lines the entry filter drops
// (FilterDataText), every line ending in LF. Empty bytes give an empty text.
std::string DataTextFromFileBytes(std::string_view bytes);

// The data text of the bytes where it already lies in them, as in files this
// program writes: valid UTF-8 without CR where, after a byte-order mark and
// lines the filter drops at the top (a header), every line is kept and ends
// in LF. A reader may then use the bytes without a copy. Empty when the text
// has to be made (DataTextFromFileBytes).
std::optional<std::string_view> DataTextInPlace(std::string_view bytes);

}  // namespace velkar::data
