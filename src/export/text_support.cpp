#include "export/text_support.hpp"

#include <cairo.h>

namespace velkar::export_ {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr double kDefaultEm = 300;
// Proportions of a common sans face, for a system without usable fonts.
constexpr double kFallbackAscent = 0.905;
constexpr double kFallbackDescent = 0.212;
constexpr double kFallbackAdvance = 0.5;

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

bool IsScalar(char32_t c) { return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF); }

// A scaled toy font: enough for metrics, and resolved by fontconfig the same
// way the PDF writer resolves it.
class ScaledFont {
 public:
  ScaledFont(const Font& font, double em) {
    face_ =
        cairo_toy_font_face_create(font.name.c_str(), CAIRO_FONT_SLANT_NORMAL,
                                   font.weight >= 600 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_matrix_t size;
    cairo_matrix_t identity;
    cairo_matrix_init_scale(&size, em, em);
    cairo_matrix_init_identity(&identity);
    cairo_font_options_t* options = cairo_font_options_create();
    // Unhinted metrics: the advances must scale with the height exactly.
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    scaled_ = cairo_scaled_font_create(face_, &size, &identity, options);
    cairo_font_options_destroy(options);
  }
  ~ScaledFont() {
    cairo_scaled_font_destroy(scaled_);
    cairo_font_face_destroy(face_);
  }
  ScaledFont(const ScaledFont&) = delete;
  ScaledFont& operator=(const ScaledFont&) = delete;

  cairo_scaled_font_t* get() const { return scaled_; }

 private:
  cairo_font_face_t* face_ = nullptr;
  cairo_scaled_font_t* scaled_ = nullptr;
};

}  // namespace

std::u32string DecodeUtf8(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    int length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (c < 0x80) {
      out.push_back(c);
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      length = 2, value = c & 0x1F, minimum = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
      length = 3, value = c & 0x0F, minimum = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
      length = 4, value = c & 0x07, minimum = 0x10000;
    } else {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    int taken = 1;
    while (taken < length && i + taken < utf8.size() &&
           IsContinuation(static_cast<unsigned char>(utf8[i + taken]))) {
      value = (value << 6) | (static_cast<unsigned char>(utf8[i + taken]) & 0x3F);
      ++taken;
    }
    if (taken < length || value < minimum || !IsScalar(value)) {
      out.push_back(kReplacement);
    } else {
      out.push_back(value);
    }
    i += taken;
  }
  return out;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : text) {
    if (!IsScalar(c)) c = kReplacement;
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

std::u16string EncodeUtf16(std::u32string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char32_t c : text) {
    if (!IsScalar(c)) c = kReplacement;
    if (c < 0x10000) {
      out.push_back(static_cast<char16_t>(c));
    } else {
      c -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    }
  }
  return out;
}

double EmHeightOf(const Font& font) {
  if (font.height < 0) return -static_cast<double>(font.height);
  if (font.height == 0) return kDefaultEm;
  // The cell of a face scales with its em; measure it at a large em.
  constexpr double kProbe = 1000;
  const ScaledFont scaled(font, kProbe);
  cairo_font_extents_t extents;
  cairo_scaled_font_extents(scaled.get(), &extents);
  double cell = (kFallbackAscent + kFallbackDescent) * kProbe;
  if (cairo_scaled_font_status(scaled.get()) == CAIRO_STATUS_SUCCESS &&
      extents.ascent + extents.descent > 0) {
    cell = extents.ascent + extents.descent;
  }
  return font.height * kProbe / cell;
}

FontMetrics MeasureFont(const Font& font) {
  const double em = EmHeightOf(font);
  const ScaledFont scaled(font, em);
  cairo_font_extents_t extents;
  cairo_scaled_font_extents(scaled.get(), &extents);
  if (cairo_scaled_font_status(scaled.get()) != CAIRO_STATUS_SUCCESS) {
    return {kFallbackAscent * em, kFallbackDescent * em};
  }
  return {extents.ascent, extents.descent};
}

std::vector<double> CharacterAdvances(const Font& font, std::u32string_view text) {
  const double em = EmHeightOf(font);
  const ScaledFont scaled(font, em);
  const bool usable = cairo_scaled_font_status(scaled.get()) == CAIRO_STATUS_SUCCESS;
  std::vector<double> advances;
  advances.reserve(text.size());
  for (char32_t c : text) {
    double advance = kFallbackAdvance * em;
    if (usable) {
      const std::string one = EncodeUtf8(std::u32string_view(&c, 1));
      cairo_text_extents_t extents;
      cairo_scaled_font_text_extents(scaled.get(), one.c_str(), &extents);
      advance = extents.x_advance;
    }
    advances.push_back(advance);
  }
  return advances;
}

}  // namespace velkar::export_
