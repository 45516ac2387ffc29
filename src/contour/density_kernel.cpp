// Compiled with -ffp-contract=off: the exponent of every term is formed by
// plain products and sums, exactly as a scalar loop forms it; fused
// multiply-adds appear only where written as intrinsics (the exponential).
#include "contour/density_kernel.hpp"

#include <immintrin.h>

#include <cmath>

namespace velkar::contour {

namespace {

// exp(x) = 2^k exp(r), k = nearest integer to x / ln 2, r = x - k ln 2 in
// [-0.3466, 0.3466]. ln 2 is split so that k * kLn2High is exact for k below
// 2^20 and x - k * kLn2High is exact (Sterbenz); r then carries one rounding.
// 2^k enters through the exponent field: k is at most 961 for x <= 666, so
// no result overflows and none is subnormal (x >= 0 gives results >= 1).
//
// Four lanes (AVX2): exp(r) is the Taylor polynomial of degree 13, whose
// remainder |r|^14 / 14! < 4.3e-18 is below 0.04 ulp; Horner's scheme with
// fused multiply-adds keeps the result within 0.9 ulp.
//
// Eight lanes (AVX-512): the step is ln 2 / 16, so r lies in [-0.0217,
// 0.0217] and exp(x) = 2^(m / 16) exp(r) = 2^a T_j (1 + q), m = 16 a + j,
// with T_j = 2^(j / 16) from a 16-entry table held in registers as a rounded
// value and its remainder. q = exp(r) - 1 is r times the Taylor polynomial
// of degree 6 (remainder |r|^8 / 8! < 1.3e-18, below 0.01 ulp); T_j + (T_j q
// + remainder) keeps the result within 0.6 ulp.
constexpr double kLog2e = 1.4426950408889634;
constexpr double kLn2High = 6.93147180369123816490e-01;
constexpr double kLn2Low = 1.90821492927058770002e-10;
// 1.5 * 2^52: adding it rounds to an integer that lands in the low mantissa
// bits.
constexpr double kShifter = 0x1.8p52;
constexpr double kC[14] = {1.0,
                           1.0,
                           1.0 / 2,
                           1.0 / 6,
                           1.0 / 24,
                           1.0 / 120,
                           1.0 / 720,
                           1.0 / 5040,
                           1.0 / 40320,
                           1.0 / 362880,
                           1.0 / 3628800,
                           1.0 / 39916800,
                           1.0 / 479001600,
                           1.0 / 6227020800.0};
// 2^(j / 16), j = 0..15, rounded, and what the rounding left (computed to 60
// digits).
alignas(64) constexpr double kTableHigh[16] = {
    0x1.0000000000000p+0, 0x1.0b5586cf9890fp+0, 0x1.172b83c7d517bp+0, 0x1.2387a6e756238p+0,
    0x1.306fe0a31b715p+0, 0x1.3dea64c123422p+0, 0x1.4bfdad5362a27p+0, 0x1.5ab07dd485429p+0,
    0x1.6a09e667f3bcdp+0, 0x1.7a11473eb0187p+0, 0x1.8ace5422aa0dbp+0, 0x1.9c49182a3f090p+0,
    0x1.ae89f995ad3adp+0, 0x1.c199bdd85529cp+0, 0x1.d5818dcfba487p+0, 0x1.ea4afa2a490dap+0,
};
alignas(64) constexpr double kTableLow[16] = {
    0x0.0p+0, 0x1.8a62e4adc610bp-54, -0x1.19041b9d78a76p-55, 0x1.9b07eb6c70573p-54,
    0x1.6f46ad23182e4p-55, 0x1.ada0911f09ebcp-55, 0x1.d4397afec42e2p-56, 0x1.6324c054647adp-54,
    -0x1.bdd3413b26456p-54, -0x1.41577ee04992fp-55, 0x1.6e9f156864b27p-54, 0x1.c7c46b071f2bep-56,
    0x1.7a1cd345dcc81p-54, 0x1.11065895048ddp-55, 0x1.2ed02d75b3707p-55, -0x1.e9c23179c2893p-54,
};

// ---------------------------------------------------------------------------
// AVX-512F: 8 lanes.

__attribute__((target("avx512f"))) inline __m512d Exp8(__m512d x) {
  const __m512d shifter = _mm512_set1_pd(kShifter);
  __m512d md = _mm512_fmadd_pd(x, _mm512_set1_pd(16 * kLog2e), shifter);
  // The low four bits of m index the table (the permutes read only them);
  // a = m >> 4 goes into the exponent field. The zero-masked forms of the
  // shifts: the plain ones trip a false "uninitialised" warning in the
  // compiler's header.
  const __m512i bits = _mm512_castpd_si512(md);
  const __m512i scale = _mm512_maskz_slli_epi64(static_cast<__mmask8>(0xff),
                                                _mm512_maskz_srli_epi64(static_cast<__mmask8>(0xff), bits, 4), 52);
  md = _mm512_sub_pd(md, shifter);
  __m512d r = _mm512_fnmadd_pd(md, _mm512_set1_pd(kLn2High / 16), x);
  r = _mm512_fnmadd_pd(md, _mm512_set1_pd(kLn2Low / 16), r);
  __m512d p = _mm512_set1_pd(kC[7]);
#pragma GCC unroll 6
  for (int i = 6; i >= 1; --i) p = _mm512_fmadd_pd(p, r, _mm512_set1_pd(kC[i]));
  const __m512d q = _mm512_mul_pd(p, r);
  const __m512d high = _mm512_permutex2var_pd(_mm512_load_pd(kTableHigh), bits, _mm512_load_pd(kTableHigh + 8));
  const __m512d low = _mm512_permutex2var_pd(_mm512_load_pd(kTableLow), bits, _mm512_load_pd(kTableLow + 8));
  const __m512d e = _mm512_add_pd(high, _mm512_fmadd_pd(high, q, low));
  return _mm512_castsi512_pd(_mm512_add_epi64(_mm512_castpd_si512(e), scale));
}

// The eight lanes in a fixed pairwise order.
__attribute__((target("avx512f"))) inline double Reduce8(__m512d v) {
  alignas(64) double lane[8];
  _mm512_store_pd(lane, v);
  return ((lane[0] + lane[1]) + (lane[2] + lane[3])) + ((lane[4] + lane[5]) + (lane[6] + lane[7]));
}

__attribute__((target("avx512f"))) inline __m512d Term8(const KernelData& d, std::size_t i, __m512d ux, __m512d uy,
                                                        __m512d uz, __m512d s) {
  const __m512d c = _mm512_add_pd(
      _mm512_add_pd(_mm512_mul_pd(ux, _mm512_loadu_pd(d.x() + i)), _mm512_mul_pd(uy, _mm512_loadu_pd(d.y() + i))),
      _mm512_mul_pd(uz, _mm512_loadu_pd(d.z() + i)));
  return Exp8(_mm512_mul_pd(s, _mm512_mul_pd(c, c)));
}

__attribute__((target("avx512f"))) double KernelSum512(const KernelData& d, geometry::Vector3 u, double s) {
  const __m512d ux = _mm512_set1_pd(u.x), uy = _mm512_set1_pd(u.y), uz = _mm512_set1_pd(u.z);
  const __m512d vs = _mm512_set1_pd(s);
  // One accumulator: the loop is bound by throughput, and a second chain
  // only costs registers.
  __m512d acc = _mm512_setzero_pd();
  const std::size_t n = d.padded_size();
  for (std::size_t i = 0; i < n; i += 8) {
    acc = _mm512_fmadd_pd(_mm512_loadu_pd(d.weight() + i), Term8(d, i, ux, uy, uz, vs), acc);
  }
  return Reduce8(acc);
}

__attribute__((target("avx512f"))) double ExpSquareSum512(const double* z, const double* w, std::size_t n, double s) {
  const __m512d vs = _mm512_set1_pd(s);
  __m512d acc = _mm512_setzero_pd();
  for (std::size_t i = 0; i < n; i += 8) {
    const __m512d zi = _mm512_loadu_pd(z + i);
    acc = _mm512_fmadd_pd(_mm512_loadu_pd(w + i), Exp8(_mm512_mul_pd(vs, _mm512_mul_pd(zi, zi))), acc);
  }
  return Reduce8(acc);
}

__attribute__((target("avx512f"))) void Exp512(const double* x, double* out, std::size_t n) {
  for (std::size_t i = 0; i < n; i += 8) _mm512_storeu_pd(out + i, Exp8(_mm512_loadu_pd(x + i)));
}

// ---------------------------------------------------------------------------
// AVX2 with FMA: 4 lanes.

__attribute__((target("avx2,fma"))) inline __m256d Exp4(__m256d x) {
  const __m256d shifter = _mm256_set1_pd(kShifter);
  __m256d kd = _mm256_fmadd_pd(x, _mm256_set1_pd(kLog2e), shifter);
  const __m256i scale = _mm256_slli_epi64(_mm256_castpd_si256(kd), 52);
  kd = _mm256_sub_pd(kd, shifter);
  __m256d r = _mm256_fnmadd_pd(kd, _mm256_set1_pd(kLn2High), x);
  r = _mm256_fnmadd_pd(kd, _mm256_set1_pd(kLn2Low), r);
  __m256d p = _mm256_set1_pd(kC[13]);
#pragma GCC unroll 13
  for (int i = 12; i >= 0; --i) p = _mm256_fmadd_pd(p, r, _mm256_set1_pd(kC[i]));
  return _mm256_castsi256_pd(_mm256_add_epi64(_mm256_castpd_si256(p), scale));
}

__attribute__((target("avx2,fma"))) inline __m256d Term4(const KernelData& d, std::size_t i, __m256d ux, __m256d uy,
                                                         __m256d uz, __m256d s) {
  const __m256d c = _mm256_add_pd(
      _mm256_add_pd(_mm256_mul_pd(ux, _mm256_loadu_pd(d.x() + i)), _mm256_mul_pd(uy, _mm256_loadu_pd(d.y() + i))),
      _mm256_mul_pd(uz, _mm256_loadu_pd(d.z() + i)));
  return Exp4(_mm256_mul_pd(s, _mm256_mul_pd(c, c)));
}

__attribute__((target("avx2,fma"))) inline double Reduce4(__m256d v) {
  const __m128d low = _mm256_castpd256_pd128(v), high = _mm256_extractf128_pd(v, 1);
  const __m128d pair = _mm_add_pd(low, high);
  return _mm_cvtsd_f64(_mm_add_sd(pair, _mm_unpackhi_pd(pair, pair)));
}

__attribute__((target("avx2,fma"))) double KernelSum256(const KernelData& d, geometry::Vector3 u, double s) {
  const __m256d ux = _mm256_set1_pd(u.x), uy = _mm256_set1_pd(u.y), uz = _mm256_set1_pd(u.z);
  const __m256d vs = _mm256_set1_pd(s);
  __m256d acc0 = _mm256_setzero_pd(), acc1 = _mm256_setzero_pd();
  const std::size_t n = d.padded_size();
  for (std::size_t i = 0; i < n; i += 8) {
    acc0 = _mm256_fmadd_pd(_mm256_loadu_pd(d.weight() + i), Term4(d, i, ux, uy, uz, vs), acc0);
    acc1 = _mm256_fmadd_pd(_mm256_loadu_pd(d.weight() + i + 4), Term4(d, i + 4, ux, uy, uz, vs), acc1);
  }
  return Reduce4(_mm256_add_pd(acc0, acc1));
}

__attribute__((target("avx2,fma"))) double ExpSquareSum256(const double* z, const double* w, std::size_t n, double s) {
  const __m256d vs = _mm256_set1_pd(s);
  __m256d acc0 = _mm256_setzero_pd(), acc1 = _mm256_setzero_pd();
  for (std::size_t i = 0; i < n; i += 8) {
    const __m256d z0 = _mm256_loadu_pd(z + i), z1 = _mm256_loadu_pd(z + i + 4);
    acc0 = _mm256_fmadd_pd(_mm256_loadu_pd(w + i), Exp4(_mm256_mul_pd(vs, _mm256_mul_pd(z0, z0))), acc0);
    acc1 = _mm256_fmadd_pd(_mm256_loadu_pd(w + i + 4), Exp4(_mm256_mul_pd(vs, _mm256_mul_pd(z1, z1))), acc1);
  }
  return Reduce4(_mm256_add_pd(acc0, acc1));
}

__attribute__((target("avx2,fma"))) void Exp256(const double* x, double* out, std::size_t n) {
  for (std::size_t i = 0; i < n; i += 4) _mm256_storeu_pd(out + i, Exp4(_mm256_loadu_pd(x + i)));
}

// ---------------------------------------------------------------------------
// One lane, the library's exponential.

double KernelSumScalar(const KernelData& d, geometry::Vector3 u, double s) {
  double sum = 0;
  for (std::size_t i = 0; i < d.size(); ++i) {
    const double c = u.x * d.x()[i] + u.y * d.y()[i] + u.z * d.z()[i];
    sum += d.weight()[i] * std::exp(s * (c * c));
  }
  return sum;
}

double ExpSquareSumScalar(const double* z, const double* w, std::size_t n, double s) {
  double sum = 0;
  for (std::size_t i = 0; i < n; ++i) sum += w[i] * std::exp(s * (z[i] * z[i]));
  return sum;
}

}  // namespace

bool KernelPathAvailable(KernelPath path) {
  switch (path) {
    case KernelPath::Scalar: return true;
    case KernelPath::Avx2: return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    case KernelPath::Avx512: return __builtin_cpu_supports("avx512f");
  }
  return false;
}

KernelPath BestKernelPath() {
  static const KernelPath best = KernelPathAvailable(KernelPath::Avx512) ? KernelPath::Avx512
                                 : KernelPathAvailable(KernelPath::Avx2) ? KernelPath::Avx2
                                                                         : KernelPath::Scalar;
  return best;
}

const char* KernelPathName(KernelPath path) {
  switch (path) {
    case KernelPath::Scalar: return "scalar";
    case KernelPath::Avx2: return "avx2";
    case KernelPath::Avx512: return "avx512";
  }
  return "scalar";
}

void KernelData::Reserve(std::size_t n) {
  const std::size_t padded = (n + kKernelBlock - 1) / kKernelBlock * kKernelBlock;
  x_.reserve(padded);
  y_.reserve(padded);
  z_.reserve(padded);
  w_.reserve(padded);
}

void KernelData::Add(geometry::Vector3 v, double weight) {
  if (count_ == x_.size()) {
    // Open a new block of padding entries and fill it from the front.
    x_.resize(x_.size() + kKernelBlock, 0.0);
    y_.resize(y_.size() + kKernelBlock, 0.0);
    z_.resize(z_.size() + kKernelBlock, 0.0);
    w_.resize(w_.size() + kKernelBlock, 0.0);
  }
  x_[count_] = v.x;
  y_[count_] = v.y;
  z_[count_] = v.z;
  w_[count_] = weight;
  ++count_;
}

double KernelSum(KernelPath path, const KernelData& data, geometry::Vector3 u, double s) {
  if (path == KernelPath::Avx512 && KernelPathAvailable(path)) return KernelSum512(data, u, s);
  if (path == KernelPath::Avx2 && KernelPathAvailable(path)) return KernelSum256(data, u, s);
  return KernelSumScalar(data, u, s);
}

double WeightedExpSquareSum(KernelPath path, const double* z, const double* weight, std::size_t n, double s) {
  if (path == KernelPath::Avx512 && KernelPathAvailable(path)) return ExpSquareSum512(z, weight, n, s);
  if (path == KernelPath::Avx2 && KernelPathAvailable(path)) return ExpSquareSum256(z, weight, n, s);
  return ExpSquareSumScalar(z, weight, n, s);
}

void KernelExp(KernelPath path, const double* x, double* out, std::size_t n) {
  if (path == KernelPath::Avx512 && KernelPathAvailable(path)) return Exp512(x, out, n);
  if (path == KernelPath::Avx2 && KernelPathAvailable(path)) return Exp256(x, out, n);
  for (std::size_t i = 0; i < n; ++i) out[i] = std::exp(x[i]);
}

}  // namespace velkar::contour
