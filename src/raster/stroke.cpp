// The stroke works in two passes. The first measures, segment by segment,
// the squared distance of the pixels near each segment and keeps the least
// per pixel; the second turns each pixel's distance into coverage and
// blends it once. Both run two or four pixels at a time in SSE2, which
// every x86-64 processor has, with the same roundings as one pixel at a
// time: lanes hold the same sums and products, minpd and maxpd select as
// the comparisons of std::min and std::max do, and conversions round to
// nearest, halves to even, as the processor's default mode does.
#include "raster/stroke.hpp"

#include <emmintrin.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "raster/image_cache.hpp"

namespace velkar::raster {

namespace {

constexpr double kFar = std::numeric_limits<double>::infinity();
constexpr int kPadding = StrokeScratch::kPadding;

// std::min and std::max as single instructions: written as comparisons,
// the compiler may branch on them, and which side wins changes from pixel
// to pixel.
double Min(double a, double b) { return _mm_cvtsd_f64(_mm_min_sd(_mm_set_sd(a), _mm_set_sd(b))); }
double Max(double a, double b) { return _mm_cvtsd_f64(_mm_max_sd(_mm_set_sd(a), _mm_set_sd(b))); }

// The whole number v held to lo..hi, also where v lies beyond int's range.
int ClampToInt(double v, int lo, int hi) { return static_cast<int>(Min(Max(v, lo), hi)); }

__m128d Clamp2(__m128d v, __m128d lo, __m128d hi) { return _mm_min_pd(_mm_max_pd(v, lo), hi); }

// Floor and ceiling of v held to the whole numbers lo..hi (|lo|, |hi| below
// 2^31): the truncation, corrected by one where it went the wrong way.
__m128d Floor2(__m128d v, __m128d lo, __m128d hi) {
  v = Clamp2(v, lo, hi);
  const __m128d truncated = _mm_cvtepi32_pd(_mm_cvttpd_epi32(v));
  return _mm_sub_pd(truncated, _mm_and_pd(_mm_cmplt_pd(v, truncated), _mm_set1_pd(1.0)));
}
__m128d Ceil2(__m128d v, __m128d lo, __m128d hi) {
  v = Clamp2(v, lo, hi);
  const __m128d truncated = _mm_cvtepi32_pd(_mm_cvttpd_epi32(v));
  return _mm_add_pd(truncated, _mm_and_pd(_mm_cmpgt_pd(v, truncated), _mm_set1_pd(1.0)));
}

// A segment a-b with its box grown by reach, clipped to the image. Pixels
// at reach or farther from the segment get no coverage, so only the rows
// and columns strictly inside the grown box matter: x0..x1, y0..y1.
// box_edge is the box's first column itself, where the position along the
// segment starts stepping on a level segment.
struct Segment {
  SurfacePoint a;
  double dx, dy;
  double inverse_length2;
  // Half the width, along a row, of the band within reach of the
  // segment's line; 0 for a level segment, whose band is the whole box.
  double reach_across;
  // The step of the position along the segment from one column to the next.
  double dt;
  int box_edge, x0, x1, y0, y1;
};

// The segment, or false when its grown box misses the image.
bool SegmentOf(SurfacePoint a, SurfacePoint b, double reach, int w, int h, Segment& s) {
  const double left = std::floor(Min(a.x, b.x) - reach), right = std::ceil(Max(a.x, b.x) + reach);
  const double top = std::floor(Min(a.y, b.y) - reach), bottom = std::ceil(Max(a.y, b.y) + reach);
  s.a = a;
  s.box_edge = ClampToInt(left, 0, w);
  s.x0 = ClampToInt(left + 1, 0, w), s.x1 = ClampToInt(right - 1, -1, w - 1);
  s.y0 = ClampToInt(top + 1, 0, h), s.y1 = ClampToInt(bottom - 1, -1, h - 1);
  if (s.x0 > s.x1 || s.y0 > s.y1) return false;
  s.dx = b.x - a.x, s.dy = b.y - a.y;
  const double length2 = s.dx * s.dx + s.dy * s.dy;
  s.inverse_length2 = length2 > 0 ? 1 / length2 : 0;
  s.reach_across = std::fabs(s.dy) > 1e-9 ? reach * std::sqrt(length2) / std::fabs(s.dy) : 0;
  s.dt = s.dx * s.inverse_length2;
  return true;
}

// Writes the rows of the segment that hold pixels within reach and returns
// their number (at most y1 - y0 + 1). On each row the columns are those
// strictly inside the band and the box, and t is the position along the
// segment at the first of them. t steps from the band's edge column (the
// box's on a level segment), which is the first column or the one before
// it: the same sums as always, so that no pixel's coverage moves by a bit.
std::size_t SegmentRows(const Segment& s, int w, SegmentRow* rows) {
  SegmentRow* row = rows;
  if (s.reach_across == 0) {
    for (int y = s.y0; y <= s.y1; ++y) {
      const double t = ((s.box_edge - s.a.x) * s.dx + (y - s.a.y) * s.dy) * s.inverse_length2;
      *row++ = {y, s.x0, s.x1, s.x0 > s.box_edge ? t + s.dt : t};
    }
    return static_cast<std::size_t>(row - rows);
  }
  const __m128d ax = _mm_set1_pd(s.a.x), ay = _mm_set1_pd(s.a.y), dx = _mm_set1_pd(s.dx), dy = _mm_set1_pd(s.dy);
  const __m128d across = _mm_set1_pd(s.reach_across), inverse_length2 = _mm_set1_pd(s.inverse_length2);
  const __m128d dt = _mm_set1_pd(s.dt), one = _mm_set1_pd(1), zero = _mm_setzero_pd(), minus_one = _mm_set1_pd(-1);
  // Band edges far off the image are held just beyond it, where they
  // select the same columns.
  const __m128d far_left = _mm_set1_pd(-2), far_right = _mm_set1_pd(w + 2.0);
  const __m128d width = _mm_set1_pd(w), last_column = _mm_set1_pd(w - 1);
  const __m128d box_edge = _mm_set1_pd(s.box_edge), x0 = _mm_set1_pd(s.x0), x1 = _mm_set1_pd(s.x1);
  for (int y = s.y0; y <= s.y1; y += 2) {
    const __m128d from_a = _mm_sub_pd(_mm_set_pd(y + 1, y), ay);
    const __m128d xc = _mm_add_pd(ax, _mm_div_pd(_mm_mul_pd(from_a, dx), dy));
    const __m128d band_left = Floor2(_mm_sub_pd(xc, across), far_left, far_right);
    const __m128d band_right = Ceil2(_mm_add_pd(xc, across), far_left, far_right);
    const __m128d edge = _mm_max_pd(box_edge, Clamp2(band_left, minus_one, width));
    const __m128d first = _mm_max_pd(x0, Clamp2(_mm_add_pd(band_left, one), zero, width));
    const __m128d last = _mm_min_pd(x1, Clamp2(_mm_sub_pd(band_right, one), minus_one, last_column));
    __m128d t = _mm_mul_pd(_mm_add_pd(_mm_mul_pd(_mm_sub_pd(edge, ax), dx), _mm_mul_pd(from_a, dy)), inverse_length2);
    t = _mm_add_pd(t, _mm_and_pd(_mm_cmpgt_pd(first, edge), dt));
    // Both rows are written; a row without columns, or past y1, is
    // overwritten by the next.
    const __m128i firsts = _mm_cvttpd_epi32(first), lasts = _mm_cvttpd_epi32(last);
    row->y = y;
    row->first = _mm_cvtsi128_si32(firsts);
    row->last = _mm_cvtsi128_si32(lasts);
    _mm_storel_pd(&row->t, t);
    row += row->first <= row->last;
    row->y = y + 1;
    row->first = _mm_cvtsi128_si32(_mm_srli_si128(firsts, 4));
    row->last = _mm_cvtsi128_si32(_mm_srli_si128(lasts, 4));
    _mm_storeh_pd(&row->t, t);
    row += row->first <= row->last && y + 1 <= s.y1;
  }
  return static_cast<std::size_t>(row - rows);
}

// Records pixels first..last of row y for blending, merged into the row's
// latest span where they overlap or touch it, as the runs of consecutive
// segments do.
void AddSpan(StrokeScratch& scratch, int y, int first, int last) {
  int& latest = scratch.latest_span[static_cast<std::size_t>(y)];
  if (latest >= 0) {
    StrokeSpan& span = scratch.spans[static_cast<std::size_t>(latest)];
    if (span.first <= last + 1 && first <= span.last + 1) {
      span.first = std::min(span.first, first);
      span.last = std::max(span.last, last);
      return;
    }
  }
  latest = static_cast<int>(scratch.spans.size());
  scratch.spans.push_back({y, first, last});
}

// Lowers the squared distance kept for each pixel of the rows to its
// distance from the segment, in groups of four pixels, two per step: rows
// of up to four pixels, most of them, take one group and no branch on
// their length. Lanes past the row's last pixel leave the distances there
// as they are; past the image they fall on the padding.
void MeasureRows(const Segment& s, const SegmentRow* rows, std::size_t count, int w, StrokeScratch& scratch) {
  const __m128d ax = _mm_set1_pd(s.a.x), ay = _mm_set1_pd(s.a.y), dx = _mm_set1_pd(s.dx), dy = _mm_set1_pd(s.dy);
  const __m128d one = _mm_set1_pd(1), zero = _mm_setzero_pd(), two = _mm_set1_pd(2), far = _mm_set1_pd(kFar);
  const std::ptrdiff_t stride = w + kPadding;
  for (const SegmentRow* r = rows; r != rows + count; ++r) {
    double* nearest2 = scratch.nearest2.data() + r->y * stride;
    const __m128d y = _mm_set1_pd(r->y), last = _mm_set1_pd(r->last);
    __m128d x = _mm_set_pd(r->first + 1, r->first);
    double t = r->t;
    const auto pair = [&](int column) {
      const double t_next = t + s.dt;
      const __m128d tc = _mm_max_pd(_mm_min_pd(_mm_set_pd(t_next, t), one), zero);
      t = t_next + s.dt;
      const __m128d ex = _mm_sub_pd(x, _mm_add_pd(ax, _mm_mul_pd(tc, dx)));
      const __m128d ey = _mm_sub_pd(y, _mm_add_pd(ay, _mm_mul_pd(tc, dy)));
      const __m128d d2 = _mm_add_pd(_mm_mul_pd(ex, ex), _mm_mul_pd(ey, ey));
      const __m128d in = _mm_cmple_pd(x, last);
      const __m128d kept = _mm_or_pd(_mm_and_pd(in, d2), _mm_andnot_pd(in, far));
      _mm_storeu_pd(nearest2 + column, _mm_min_pd(_mm_loadu_pd(nearest2 + column), kept));
      x = _mm_add_pd(x, two);
    };
    int column = r->first;
    do {
      pair(column);
      pair(column + 2);
      column += 4;
    } while (column <= r->last);
    AddSpan(scratch, r->y, r->first, r->last);
  }
}

// Coverage and blending of four pixels at a time. A pixel's coverage comes
// from its distance d taken to float precision, as coverage is defined:
// min(reach - d, peak) held to 0..1 (peak is at most 1), times the
// colour's alpha, rounded. The root and the rounding keep order, so the
// rounded root of the least square is the least of the rounded roots. The
// colour is laid over the channels as PixelBlender lays it, one channel
// per 16-bit lane.
class FourPixelBlender {
 public:
  FourPixelBlender(double width, double reach, Argb colour)
      : reach_(_mm_set1_pd(reach)),
        peak_(_mm_set1_pd(std::min(1.0, width))),
        alpha_(_mm_set1_pd(colour.alpha)),
        source_(_mm_set_epi16(255, colour.red, colour.green, colour.blue, 255, colour.red, colour.green,
                              colour.blue)) {}

  // Blends pixels[0..3] at the coverage of nearest2[0..3] and clears those
  // distances. A pixel whose distance is already cleared is left as it is.
  void Blend(double* nearest2, std::uint32_t* pixels) const {
    const __m128i alpha = _mm_unpacklo_epi64(Alpha(_mm_loadu_pd(nearest2)), Alpha(_mm_loadu_pd(nearest2 + 2)));
    _mm_storeu_pd(nearest2, _mm_set1_pd(kFar));
    _mm_storeu_pd(nearest2 + 2, _mm_set1_pd(kFar));
    const __m128i alpha16 = _mm_packs_epi32(alpha, alpha);          // a0 a1 a2 a3 a0 a1 a2 a3
    const __m128i twice = _mm_unpacklo_epi16(alpha16, alpha16);      // a0 a0 a1 a1 a2 a2 a3 a3
    const __m128i low = _mm_unpacklo_epi32(twice, twice);            // a0 x 4, a1 x 4
    const __m128i high = _mm_unpackhi_epi32(twice, twice);           // a2 x 4, a3 x 4
    const __m128i packed = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels));
    const __m128i zero = _mm_setzero_si128();
    const __m128i blended = _mm_packus_epi16(Over(_mm_unpacklo_epi8(packed, zero), low),
                                             Over(_mm_unpackhi_epi8(packed, zero), high));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels), blended);
  }

 private:
  // The rounded alphas of two squared distances, in the low two lanes.
  __m128i Alpha(__m128d nearest2) const {
    const __m128d d = _mm_cvtps_pd(_mm_cvtpd_ps(_mm_sqrt_pd(nearest2)));
    const __m128d coverage = _mm_max_pd(_mm_min_pd(_mm_sub_pd(reach_, d), peak_), _mm_setzero_pd());
    return _mm_cvtpd_epi32(_mm_mul_pd(coverage, alpha_));
  }

  // Two pixels' channels in 16-bit lanes with the colour laid over them at
  // their alphas.
  __m128i Over(__m128i channels, __m128i alpha) const {
    const __m128i inverse = _mm_sub_epi16(_mm_set1_epi16(255), alpha);
    __m128i x = _mm_add_epi16(_mm_mullo_epi16(source_, alpha), _mm_mullo_epi16(channels, inverse));
    x = _mm_add_epi16(x, _mm_set1_epi16(128));
    return _mm_srli_epi16(_mm_add_epi16(x, _mm_srli_epi16(x, 8)), 8);
  }

  __m128d reach_, peak_, alpha_;
  __m128i source_;
};

// Blends the spans four pixels at a time. A group that would run past the
// image's edge is moved back inside it; the pixels it takes again were
// blended already and have their distances cleared. On an image narrower
// than four pixels the group works on a copy padded with cleared pixels.
void BlendSpans(RasterImage& image, StrokeScratch& scratch, const FourPixelBlender& blender) {
  const int w = image.width();
  const std::ptrdiff_t stride = w + kPadding;
  for (const StrokeSpan& span : scratch.spans) {
    scratch.latest_span[static_cast<std::size_t>(span.y)] = -1;
    double* nearest2 = scratch.nearest2.data() + span.y * stride;
    std::uint32_t* pixels = image.Row(span.y);
    if (w < 4) {
      double distances[4] = {kFar, kFar, kFar, kFar};
      std::uint32_t copy[4] = {};
      std::copy(nearest2, nearest2 + w, distances);
      std::copy(pixels, pixels + w, copy);
      blender.Blend(distances, copy);
      std::copy(distances, distances + w, nearest2);
      std::copy(copy, copy + w, pixels);
      continue;
    }
    for (int x = span.first; x <= span.last; x += 4) {
      const int at = std::min(x, w - 4);
      blender.Blend(nearest2 + at, pixels + at);
    }
  }
}

}  // namespace

void StrokePolyline(RasterImage& image, std::span<const SurfacePoint> vertices, double width, Argb colour) {
  if (!(width > 0) || std::isinf(width)) return;
  StrokeScratch& scratch = CacheOf(image).stroke;
  const int w = image.width(), h = image.height();
  const std::size_t size = static_cast<std::size_t>(w + kPadding) * static_cast<std::size_t>(h);
  if (scratch.nearest2.size() != size || scratch.latest_span.size() != static_cast<std::size_t>(h)) {
    scratch.nearest2.assign(size, kFar);
    scratch.latest_span.assign(static_cast<std::size_t>(h), -1);
  }
  scratch.spans.clear();
  const double reach = width / 2 + 0.5;
  int left = w, top = h, right = -1, bottom = -1;
  Segment s;
  for (std::size_t i = 0; i + 1 < vertices.size(); ++i) {
    if (!SegmentOf(vertices[i], vertices[i + 1], reach, w, h, s)) continue;
    left = std::min(left, s.x0), top = std::min(top, s.y0), right = std::max(right, s.x1);
    bottom = std::max(bottom, s.y1);
    // Rows come in pairs; the second of the last pair may be written and
    // dropped.
    const auto rows = static_cast<std::size_t>(s.y1 - s.y0 + 2);
    if (scratch.rows.size() < rows) scratch.rows.resize(rows);
    MeasureRows(s, scratch.rows.data(), SegmentRows(s, w, scratch.rows.data()), w, scratch);
  }
  if (scratch.spans.empty()) return;
  image.Flush();
  BlendSpans(image, scratch, FourPixelBlender(width, reach, colour));
  image.MarkDirty(left, top, right - left + 1, bottom - top + 1);
}

}  // namespace velkar::raster
