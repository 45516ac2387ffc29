// Text helpers shared by the picture writers: UTF-8 decoding and the font
// metrics the writers need to place text the way a recording canvas does
// (top-left aligned) and to give the EMF text its character advances.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "export/vector_picture.hpp"

namespace velkar::export_ {

// Code points of a UTF-8 text; each invalid or truncated sequence, surrogate
// or overlong form becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view utf8);
// UTF-8 of code points (values above U+10FFFF or surrogates as U+FFFD).
std::string EncodeUtf8(std::u32string_view text);
// UTF-16 code units of code points, little or big endian left to the caller.
std::u16string EncodeUtf16(std::u32string_view text);

struct FontMetrics {
  double ascent = 0;   // from the top of the line to the baseline
  double descent = 0;  // from the baseline down
};

// The em height of the font in drawing units (see Font::height): -height
// for a negative height, the em whose ascent plus descent make up a positive
// height, 300 for 0.
double EmHeightOf(const Font& font);

// Metrics of the font at its em height, in drawing units, as the system's
// font configuration resolves its name (a missing font gets its stand-in).
FontMetrics MeasureFont(const Font& font);

// The horizontal advance of every code point of the text in the font, in
// drawing units.
std::vector<double> CharacterAdvances(const Font& font, std::u32string_view text);

}  // namespace velkar::export_
