#include "geometry/numbers.hpp"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>

namespace velkar::geometry {

double RoundToDecimals(double x, int decimals) {
  double power = 1;
  for (int i = 0; i < (decimals < 0 ? -decimals : decimals); ++i) power *= 10;
  const double factor = decimals >= 0 ? 1 / power : power;
  return RoundHalfEven(x / factor) * factor;
}

std::string FormatGeneral(double x, char decimal_separator) {
  if (std::isnan(x)) return "NAN";
  if (std::isinf(x)) return x > 0 ? "INF" : "-INF";
  if (x == 0) return "0";

  // Fifteen significant digits, correctly rounded, independent of the C locale.
  char buffer[64];
  const auto res = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14);
  const std::string_view sci(buffer, static_cast<std::size_t>(res.ptr - buffer));
  const std::size_t e_pos = sci.find('e');
  int exponent = 0;
  std::from_chars(sci.data() + e_pos + 1 + (sci[e_pos + 1] == '+'), sci.data() + sci.size(), exponent);

  std::string digits;
  const bool negative = sci[0] == '-';
  for (char c : sci.substr(0, e_pos))
    if (c >= '0' && c <= '9') digits += c;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent >= -5 && exponent < 15) {
    if (exponent < 0) {
      out += '0';
      out += decimal_separator;
      out.append(static_cast<std::size_t>(-exponent - 1), '0');
      out += digits;
    } else {
      const std::size_t int_digits = static_cast<std::size_t>(exponent) + 1;
      if (digits.size() <= int_digits) {
        out += digits;
        out.append(int_digits - digits.size(), '0');
      } else {
        out += digits.substr(0, int_digits);
        out += decimal_separator;
        out += digits.substr(int_digits);
      }
    }
  } else {
    out += digits[0];
    if (digits.size() > 1) {
      out += decimal_separator;
      out += digits.substr(1);
    }
    out += 'E';
    out += std::to_string(exponent);
  }
  return out;
}

std::string FormatRounded(double x, int decimals, char decimal_separator) {
  return FormatGeneral(RoundToDecimals(x, decimals), decimal_separator);
}

std::string NormaliseDecimalComma(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size() + 1);
  if (comma == 0) out += '0';
  out.append(text.substr(0, comma));
  out += '.';
  out.append(text.substr(comma + 1));
  return out;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Length of the number at the start of s (0 when there is none), following
// the grammar of ReadNumber; leading blanks are not part of it.
std::size_t NumberPrefixLength(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i + 1 < s.size() && s[i] == '.' && IsDigit(s[i + 1])) {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  } else if (i < s.size() && s[i] == '.' && digits > 0) {
    ++i;  // "5." : the point belongs to the number, no fraction follows
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IsDigit(s[j])) {
      while (j < s.size() && IsDigit(s[j])) ++j;
      i = j;
    }
  }
  return i;
}

// Converts a validated number text. from_chars rounds correctly and ignores
// the C locale; when it reports the value out of range, the order of
// magnitude tells overflow (largest finite value) from underflow (zero).
double ConvertNumber(std::string_view number) {
  bool negative = false;
  if (!number.empty() && (number[0] == '+' || number[0] == '-')) {
    negative = number[0] == '-';
    number.remove_prefix(1);
  }
  double value = 0;
  const auto res = std::from_chars(number.data(), number.data() + number.size(), value);
  if (res.ec == std::errc::result_out_of_range) {
    // Position of the first significant digit relative to the point, plus
    // the exponent, gives the decimal magnitude.
    long long magnitude = 0;
    std::size_t i = 0;
    long long int_digits = 0;
    while (i < number.size() && IsDigit(number[i])) ++int_digits, ++i;
    long long leading_zeros = 0;
    bool seen_nonzero = false;
    for (std::size_t k = 0; k < number.size() && number[k] != 'e' && number[k] != 'E'; ++k) {
      if (number[k] == '.') continue;
      if (number[k] != '0') { seen_nonzero = true; break; }
      ++leading_zeros;
    }
    magnitude = int_digits - leading_zeros;
    const std::size_t e = number.find_first_of("eE");
    if (e != std::string_view::npos) {
      std::string_view exp = number.substr(e + 1);
      bool exp_negative = false;
      if (!exp.empty() && (exp[0] == '+' || exp[0] == '-')) {
        exp_negative = exp[0] == '-';
        exp.remove_prefix(1);
      }
      long long ev = 0;
      for (char c : exp) ev = ev < 100000000 ? ev * 10 + (c - '0') : ev;
      magnitude += exp_negative ? -ev : ev;
    }
    value = seen_nonzero && magnitude > 0 ? DBL_MAX : 0.0;
  }
  return negative ? -value : value;
}

}  // namespace

double ReadNumber(std::string_view field) {
  std::size_t start = 0;
  while (start < field.size() && IsBlank(field[start])) ++start;
  field.remove_prefix(start);
  const std::size_t n = NumberPrefixLength(field);
  if (n == 0) return 0.0;
  return ConvertNumber(field.substr(0, n)) + 0.0;
}

bool ReadWholeNumber(std::string_view token, double& value) {
  const std::size_t n = NumberPrefixLength(token);
  if (n == 0 || n != token.size()) return false;
  value = ConvertNumber(token) + 0.0;
  return true;
}

std::optional<double> ReadEnteredNumber(std::string_view text) {
  const std::string normalised = NormaliseDecimalComma(text);
  std::string_view t = normalised;
  while (!t.empty() && IsBlank(t.front())) t.remove_prefix(1);
  while (!t.empty() && IsBlank(t.back())) t.remove_suffix(1);
  double value = 0;
  if (!ReadWholeNumber(t, value)) return std::nullopt;
  return value;
}

std::optional<int> ReadIntegerInRange(std::string_view token, int low, int high) {
  int value = 0;
  const auto res = std::from_chars(token.data(), token.data() + token.size(), value);
  if (res.ec != std::errc() || res.ptr != token.data() + token.size() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

std::int64_t ReadInteger(std::string_view field) {
  std::size_t i = 0;
  while (i < field.size() && IsBlank(field[i])) ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  std::int64_t value = 0;
  for (; i < field.size() && IsDigit(field[i]); ++i) {
    const int d = field[i] - '0';
    value = value > (kMax - d) / 10 ? kMax : value * 10 + d;
  }
  return negative ? -value : value;
}

}  // namespace velkar::geometry
