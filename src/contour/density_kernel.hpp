// The kernel sums of the density grid. A node with unit direction u gathers
// from each datum (or binned cell) v with weight w the term
// w * exp(S * (u.v)^2); the uniform reference gathers exp(S * z^2) over the
// nodes of the net. S lies in 1..666 and (u.v)^2, z^2 in 0..1, so every
// exponent lies in [0, 666 (1 + 1e-15)].
//
// Three interchangeable paths compute the same sums: plain std::exp in one
// lane, and a vectorised exponential on AVX2 + FMA (4 lanes) or AVX-512F
// (8 lanes), chosen at run time by what the processor offers. The products
// and sums that form the exponent are the plain ones (no fused
// multiply-add), so each term's exponent is bit for bit the one a scalar
// loop forms; the vectorised exponential is within 1 ulp, and the lanes are
// summed in a fixed order. A path therefore gives the same bits for the
// same input on every call, whatever thread calls it, and every path lies
// within a few ulp of a plain sequential std::exp sum.
#pragma once

#include <cstddef>
#include <vector>

#include "geometry/vectors.hpp"

namespace velkar::contour {

enum class KernelPath { Scalar, Avx2, Avx512 };

// Whether this processor (and its operating system) runs the path. Scalar
// always runs.
bool KernelPathAvailable(KernelPath path);
// The fastest available path.
KernelPath BestKernelPath();
// "scalar", "avx2" or "avx512".
const char* KernelPathName(KernelPath path);

// Directions and weights in columns. The columns are padded to a multiple of
// kKernelBlock with zero vectors of weight 0, whose terms are exactly 0.
inline constexpr std::size_t kKernelBlock = 16;

class KernelData {
 public:
  void Reserve(std::size_t n);
  void Add(geometry::Vector3 v, double weight);
  // Entries added (without the padding).
  std::size_t size() const { return count_; }
  // Entries including the padding; a multiple of kKernelBlock.
  std::size_t padded_size() const { return x_.size(); }
  const double* x() const { return x_.data(); }
  const double* y() const { return y_.data(); }
  const double* z() const { return z_.data(); }
  const double* weight() const { return w_.data(); }

 private:
  std::vector<double> x_, y_, z_, w_;
  std::size_t count_ = 0;
};

// The sum over the data of weight * exp(s * (c * c)), c = (u.x v.x + u.y v.y)
// + u.z v.z. Empty data give 0.
double KernelSum(KernelPath path, const KernelData& data, geometry::Vector3 u, double s);

// The sum over i of weight[i] * exp(s * (z[i] * z[i])); n must be a
// multiple of kKernelBlock (pad with weight 0).
double WeightedExpSquareSum(KernelPath path, const double* z, const double* weight, std::size_t n, double s);

// exp(x[i]) into out[i] for 0 <= x[i] <= 700: the path's exponential on its
// own, for checking its accuracy. n must be a multiple of kKernelBlock.
void KernelExp(KernelPath path, const double* x, double* out, std::size_t n);

}  // namespace velkar::contour
