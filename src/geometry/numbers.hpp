// Rounding, number text and number reading: the one place in the program
// where reals become texts and texts become reals.
//
// Rounding goes to the nearest value with halves to even everywhere. Texts
// written for the user use the general format: the shortest representation
// with at most 15 significant digits and the locale's decimal separator.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velkar::geometry {

// Nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4, -0.5 -> -0):
// the processor's rounding in its default mode, which the program never
// changes. rint rounds exactly as nearbyint does and compiles to a few
// instructions instead of a library call; the inexact flag it may raise is
// never read.
inline double RoundHalfEven(double x) { return std::rint(x); }
// RoundHalfEven as a whole number of pixels, degrees or steps; x must lie
// well inside the range of int.
inline int RoundToInt(double x) { return static_cast<int>(RoundHalfEven(x)); }
// x rounded at the d-th decimal, halves to even: the quotient x / 10^-d is
// rounded and multiplied back by 10^-d. d may be negative (tens, hundreds).
double RoundToDecimals(double x, int decimals);

// General format: at most 15 significant digits, no trailing zeros, fixed
// notation for decimal exponents -5..14 and otherwise d.dddE[-]n. Negative
// zero prints as 0.
std::string FormatGeneral(double x, char decimal_separator = '.');
// Shorthand for FormatGeneral(RoundToDecimals(x, decimals), separator).
std::string FormatRounded(double x, int decimals, char decimal_separator = '.');

// The text with its first comma turned into a point; a leading comma gets a
// "0" in front (",5" -> "0.5"). Texts without a comma are returned unchanged.
std::string NormaliseDecimalComma(std::string_view text);

// Reads the longest number at the start of the field: blanks skipped, then an
// optional sign, digits with an optional point and fraction, an optional
// exponent. The rest of the field is ignored. A field without digits reads
// 0; a value too large for a double reads as the largest finite one.
double ReadNumber(std::string_view field);
// Optional sign and digits after leading blanks; no digits reads 0; values
// beyond 64 bits saturate.
std::int64_t ReadInteger(std::string_view field);
// True when the whole token (no blanks) is one number of the grammar above;
// stores it in value.
bool ReadWholeNumber(std::string_view token, double& value);

// The number typed into an entry field (the smoothing, the stretch factor):
// the first comma read as a point, blanks around it ignored, the rest one
// number of the grammar above; empty when it is anything else or blank.
std::optional<double> ReadEnteredNumber(std::string_view text);
// The whole token as a whole number in low..high: an optional minus sign
// and decimal digits, nothing else (no blanks, no plus sign); empty when it
// is not one or lies outside the range.
std::optional<int> ReadIntegerInRange(std::string_view token, int low, int high);

}  // namespace velkar::geometry
