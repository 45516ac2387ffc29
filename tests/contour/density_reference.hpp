// A plain, one-thread computation of the density grid written straight from
// the rules, with std::exp: the yardstick of the engine's tests and
// benchmarks. It shares nothing with the engine but the projection and the
// degree trigonometry.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "geometry/angles.hpp"
#include "geometry/vectors.hpp"
#include "stereonet/projection.hpp"

namespace velkar::contour::reference {

using Grid = std::vector<std::vector<double>>;  // [x][y], 501 x 501

struct Result {
  Grid grid;
  double maximum = 0;
  double minimum = 0;
  int maximum_x = 0;
  int maximum_y = 0;
};

// One summed direction with its weight (1 for a datum, the count of a cell).
struct Weighted {
  geometry::Vector3 v;
  double weight = 1;
};

inline geometry::Vector3 Direction(int x, int y) {
  return geometry::OrientationToVector(stereonet::UnprojectPoint(x, y, stereonet::kMainScale));
}

inline double Distance(int x, int y) { return std::sqrt((247.5 - x) * (247.5 - x) + (262.5 - y) * (262.5 - y)); }

// The exact nodes only; every other node 0.
inline Grid ExactSums(const std::vector<Weighted>& data, double s) {
  Grid g(501, std::vector<double>(501, 0.0));
  for (int i = 10; i <= 237; ++i) {
    for (int j = 0; j <= 250; ++j) {
      const int x = 2 * i, y = 2 * j;
      if (!(Distance(x, y) < 228)) continue;
      const geometry::Vector3 u = Direction(x, y);
      double sum = 0;
      for (const Weighted& d : data) {
        const double c = geometry::Dot(u, d.v);
        sum += d.weight * std::exp(s * (c * c));
      }
      g[x][y] = sum;
    }
  }
  return g;
}

inline void Interpolate(Grid& g, double s) {
  const auto four = [](double a, double b, double a2, double b2) {
    return (2 * (a + b) + (a + (a - a2) / 2) + (b + (b - b2) / 2)) / 6;
  };
  if (s < 100) {
    for (int x = 7; x <= 497; x += 2)
      for (int y = 6; y <= 496; y += 2) g[x][y] = four(g[x - 1][y], g[x + 1][y], g[x - 3][y], g[x + 3][y]);
    for (int x = 3; x <= 488; ++x)
      for (int y = 7; y <= 497; y += 2) g[x][y] = four(g[x][y - 1], g[x][y + 1], g[x][y - 3], g[x][y + 3]);
  } else {
    for (int x = 7; x <= 497; x += 2)
      for (int y = 7; y <= 497; y += 2)
        g[x][y] = (g[x - 1][y - 1] + g[x + 1][y - 1] + g[x - 1][y + 1] + g[x + 1][y + 1]) / 4;
    for (int x = 6; x <= 496; x += 2)
      for (int y = 7; y <= 497; y += 2) g[x][y] = (g[x][y - 1] + g[x][y + 1] + g[x - 1][y] + g[x + 1][y]) / 4;
    for (int x = 7; x <= 497; x += 2)
      for (int y = 6; y <= 496; y += 2) g[x][y] = (g[x - 1][y] + g[x + 1][y] + g[x][y - 1] + g[x][y + 1]) / 4;
  }
}

// Interpolation, marking, extremes and normalisation of exact sums.
// data_vectors are the n data (for the percentage scale's count).
inline Result Finish(Grid g, double s, bool percent, const std::vector<geometry::Vector3>& data_vectors) {
  Interpolate(g, s);
  Result r;
  r.maximum = -1000;
  r.minimum = 1.1e100;
  for (int x = 0; x <= 500; ++x) {
    for (int y = 0; y <= 500; ++y) {
      if (Distance(x, y) >= 225) {
        g[x][y] = -666;
        continue;
      }
      if (g[x][y] > r.maximum) {
        r.maximum = g[x][y];
        r.maximum_x = x;
        r.maximum_y = y;
      }
      if (g[x][y] < r.minimum) r.minimum = g[x][y];
    }
  }
  const double n = static_cast<double>(data_vectors.size());
  if (percent) {
    const double cone = 71.873 * 0.580974615968644 * std::pow(s, -0.369);
    const geometry::Vector3 u = Direction(r.maximum_x, r.maximum_y);
    double q = 0;
    for (const geometry::Vector3& v : data_vectors) {
      if (std::fabs(geometry::Dot(u, v)) > geometry::CosDeg(cone)) q += 1;
    }
    const double factor = (q / (n / 100)) / r.maximum;
    for (auto& row : g)
      for (double& v : row)
        if (v != -666) v *= factor;
    r.maximum = q * 100 / n;
  } else {
    double sum = 0;
    for (int x = 1; x <= 500; ++x) {
      for (int y = 1; y <= 500; ++y) {
        if (!(Distance(x, y) < 225)) continue;
        const double sine = geometry::SinDeg(stereonet::UnprojectPoint(x, y, stereonet::kMainScale).dip);
        sum += n * std::exp(s * (sine * sine));
      }
    }
    const double d = sum / 159068;
    for (auto& row : g)
      for (double& v : row)
        if (v != -666) v /= d;
    r.maximum = -1000;
    for (int x = 1; x <= 500; ++x)
      for (int y = 1; y <= 500; ++y)
        if (g[x][y] != -666 && g[x][y] > r.maximum) r.maximum = g[x][y];
  }
  r.minimum = 0;
  r.grid = std::move(g);
  return r;
}

}  // namespace velkar::contour::reference
