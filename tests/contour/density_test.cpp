#include "contour/density.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "contour/density_reference.hpp"
#include "geometry/angles.hpp"
#include "geometry/numbers.hpp"

namespace velkar::contour {
namespace {

using geometry::Orientation;
using geometry::Vector3;

constexpr double kTolerance = 1e-12;

// The tool's random sequence: seed <- seed * 134775813 + 1 mod 2^32; a draw
// in 0..m-1 is the upper half of seed * m.
struct Lcg {
  std::uint32_t seed = 0;
  std::uint32_t Next(std::uint32_t m) {
    seed = seed * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed) * m) >> 32);
  }
};

std::string Format(double v) { return geometry::FormatGeneral(v); }

std::string TextOf(const std::vector<Orientation>& data) {
  std::string text;
  for (const Orientation& o : data) text += Format(o.azimuth) + "/" + Format(o.dip) + "\n";
  return text;
}

// Two clusters, a girdle and scattered data, in quarter degrees (exact in
// binary), with azimuths and dips beyond their ranges among them.
std::vector<Orientation> MixedData(int n) {
  Lcg g;
  std::vector<Orientation> data;
  for (int i = 0; i < n; ++i) {
    const double jitter_a = g.Next(41) * 0.25 - 5, jitter_d = g.Next(41) * 0.25 - 5;
    switch (i % 5) {
      case 0: data.push_back({120 + jitter_a, 35 + jitter_d}); break;
      case 1: data.push_back({300 + jitter_a, 70 + jitter_d}); break;
      case 2: data.push_back({g.Next(180) * 2.0, 2.0 + jitter_d}); break;  // near-horizontal: across the rim
      case 3: data.push_back({g.Next(1440) * 0.25 - 360.0, g.Next(480) * 0.25 - 15.0}); break;
      default: data.push_back({g.Next(4) * 400.0 + g.Next(40), g.Next(100) + 90.0}); break;  // beyond 360, dip > 90
    }
  }
  return data;
}

bool ReadsPlanes(data::PlotMode mode) { return mode == data::PlotMode::Circles || mode == data::PlotMode::Poles; }

// The datum as the contour command reads it, written out independently.
Orientation Datum(Orientation o, data::PlotMode mode, bool binned) {
  if (o.dip < 0) o = geometry::NormaliseOrientation(o);
  if (binned) {
    while (o.azimuth > 360) o.azimuth -= 360;
    while (o.azimuth < 0) o.azimuth += 360;
    while (o.dip > 90) o.dip -= 90;
    while (o.dip < 0) o.dip += 90;
  }
  if (ReadsPlanes(mode)) o = geometry::PlaneToPole(o);
  return o;
}

struct ReferenceInput {
  std::vector<reference::Weighted> summed;
  std::vector<Vector3> vectors;
};

ReferenceInput ReferenceData(const std::vector<Orientation>& data, data::PlotMode mode, bool binned) {
  ReferenceInput in;
  std::vector<double> counts(361 * 91, 0.0);
  for (const Orientation& raw : data) {
    const Orientation o = Datum(raw, mode, binned);
    in.vectors.push_back(geometry::OrientationToVector(o));
    if (binned) {
      const int a = static_cast<int>(geometry::RoundHalfEven(o.azimuth));
      const int d = static_cast<int>(geometry::RoundHalfEven(o.dip));
      counts[a * 91 + d] += 1;
    } else {
      in.summed.push_back({in.vectors.back(), 1});
    }
  }
  if (binned) {
    // Empty cells add exactly 0 to a positive sum; they are left out.
    for (int a = 0; a <= 360; ++a)
      for (int d = 0; d <= 90; ++d)
        if (counts[a * 91 + d] > 0)
          in.summed.push_back({geometry::OrientationToVector({double(a), double(d)}), counts[a * 91 + d]});
  }
  return in;
}

ContourSettings Settings(double s, bool percent, std::size_t data_count, int threads,
                         data::PlotMode mode = data::PlotMode::Lines) {
  ContourSettings c;
  c.smoothing_text = Format(s);
  c.percent = percent;
  c.data_count = data_count;
  c.thread_count = threads;
  c.data.mode = mode;
  return c;
}

// The largest relative difference from the reference over the nodes inside;
// -1 when a node's outside marking differs.
double WorstDifference(const DensityGrid& grid, const reference::Grid& ref) {
  double worst = 0;
  for (int x = 0; x < kGridSize; ++x) {
    for (int y = 0; y < kGridSize; ++y) {
      const double a = grid[x][y], b = ref[x][y];
      if ((a == kOutsideMarker) != (b == -666)) return -1;
      if (b == -666) continue;
      worst = std::max(worst, b == 0 ? std::fabs(a) : std::fabs(a - b) / std::fabs(b));
    }
  }
  return worst;
}

bool SameGrid(const DensityGrid& a, const DensityGrid& b) {
  for (int x = 0; x < kGridSize; ++x)
    if (std::memcmp(a[x].data(), b[x].data(), sizeof(double) * kGridSize) != 0) return false;
  return true;
}

TEST(DensityGeometry, NodeCounts) {
  int inside = 0, exact = 0, exact_outside_rows = 0;
  for (int x = 0; x <= 500; ++x) {
    for (int y = 0; y <= 500; ++y) {
      inside += IsInsideNode(x, y);
      exact += IsExactNode(x, y);
      if (IsExactNode(x, y) && (x < 20 || x > 474)) ++exact_outside_rows;
    }
  }
  EXPECT_EQ(inside, kInsideNodeCount);
  EXPECT_EQ(exact, kExactNodeCount);
  EXPECT_EQ(exact_outside_rows, 0);
  // The projection centre (248, 262) is the vertical; the inside test's
  // centre lies half a node off it.
  EXPECT_NEAR(NodeDirection(248, 262).z, 1, 1e-15);
  EXPECT_FALSE(IsInsideNode(473, 262));
  EXPECT_TRUE(IsInsideNode(472, 262));
}

TEST(DensityGeometry, ThreadCountRule) {
  struct Case {
    int processors;
    std::size_t data;
    int threads;
  };
  const Case cases[] = {{0, 10, 1},    {1, 10, 1},    {2, 10, 2},      {3, 10, 3},     {4, 1000, 4},
                        {5, 1000, 4},  {6, 1000, 6},  {7, 1000, 6},    {8, 300, 4},    {8, 500, 8},
                        {8, 399, 4},   {8, 400, 8},   {11, 1000, 8},   {12, 1000, 12}, {15, 1000, 12},
                        {16, 1000, 16}, {19, 1000, 16}, {20, 1000, 20}, {64, 1000, 20}, {64, 10, 4}};
  for (const Case& c : cases) {
    EXPECT_EQ(DensityThreadCount(c.processors, c.data), c.threads) << c.processors << " processors, " << c.data;
  }
}

TEST(DensityGeometry, PercentCone) {
  EXPECT_NEAR(PercentConeAngle(64), 9.000, 5e-4);
  EXPECT_GT(PercentConeAngle(10), PercentConeAngle(64));
}

// Every variant, interpolation scheme and normalisation against the plain
// reference, for several thread counts (bit for bit the same grid) and every
// kernel path this processor runs.
TEST(DensityGrid, MatchesReferenceForEveryThreadCount) {
  const std::vector<Orientation> data = MixedData(240);
  const std::string text = TextOf(data);
  struct Case {
    bool binned;
    double s;
    data::PlotMode mode;
  };
  const Case cases[] = {{false, 64, data::PlotMode::Lines},
                        {false, 150, data::PlotMode::Poles},
                        {true, 30, data::PlotMode::Circles},
                        {true, 333, data::PlotMode::Lines}};
  for (const Case& c : cases) {
    const ReferenceInput in = ReferenceData(data, c.mode, c.binned);
    const reference::Grid sums = reference::ExactSums(in.summed, c.s);
    // The variant follows the count of the last plot, not the text.
    const std::size_t data_count = c.binned ? kBinnedFromCount : data.size();
    for (const bool percent : {false, true}) {
      SCOPED_TRACE(testing::Message() << (c.binned ? "binned" : "direct") << " S=" << c.s << " percent=" << percent);
      const reference::Result ref = reference::Finish(sums, c.s, percent, in.vectors);
      std::optional<DensityState> first;
      for (const int threads : {1, 2, 3, 7, 20}) {
        ContourOutcome out = ComputeDensity(text, Settings(c.s, percent, data_count, threads, c.mode));
        ASSERT_EQ(out.status, ContourStatus::Computed);
        ASSERT_TRUE(out.state);
        EXPECT_EQ(out.thread_count, threads);
        EXPECT_EQ(out.state->variant, c.binned ? DensityVariant::Binned : DensityVariant::Direct);
        const double worst = WorstDifference(out.state->grid, ref.grid);
        EXPECT_GE(worst, 0) << "outside marking differs";
        EXPECT_LE(worst, kTolerance) << threads << " threads";
        EXPECT_NEAR(out.state->maximum, ref.maximum, kTolerance * ref.maximum);
        EXPECT_EQ(out.state->minimum, 0);
        EXPECT_EQ(out.state->maximum_x, ref.maximum_x);
        EXPECT_EQ(out.state->maximum_y, ref.maximum_y);
        EXPECT_EQ(out.state->data_vectors.size(), data.size());
        if (!first) {
          first = std::move(out.state);
        } else {
          EXPECT_TRUE(SameGrid(first->grid, out.state->grid)) << threads << " threads differ from 1";
          EXPECT_EQ(first->maximum, out.state->maximum);
        }
      }
      for (const KernelPath path : {KernelPath::Scalar, KernelPath::Avx2, KernelPath::Avx512}) {
        if (!KernelPathAvailable(path)) continue;
        ContourSettings settings = Settings(c.s, percent, data_count, 2, c.mode);
        settings.kernel = path;
        const ContourOutcome out = ComputeDensity(text, settings);
        ASSERT_TRUE(out.state);
        const double worst = WorstDifference(out.state->grid, ref.grid);
        EXPECT_GE(worst, 0);
        EXPECT_LE(worst, kTolerance) << KernelPathName(path);
      }
    }
  }
}

// A data set of 32761 lines or more bins by itself once the plot has
// counted it; whole-degree data give the direct variant's numbers.
TEST(DensityGrid, BinnedFromTheCountOfLines) {
  std::vector<Orientation> data;
  Lcg g;
  for (std::size_t i = 0; i < kBinnedFromCount + 40; ++i) {
    data.push_back({static_cast<double>(g.Next(6) * 60 + 7), static_cast<double>(g.Next(9) * 10 + 3)});
  }
  const std::string text = TextOf(data);
  const ContourOutcome binned = ComputeDensity(text, Settings(64, false, data.size(), 2));
  ASSERT_TRUE(binned.state);
  EXPECT_EQ(binned.state->variant, DensityVariant::Binned);
  ASSERT_EQ(binned.state->cell_counts.size(), static_cast<std::size_t>(kCellCount));
  std::int64_t total = 0;
  for (const std::int64_t c : binned.state->cell_counts) total += c;
  EXPECT_EQ(total, static_cast<std::int64_t>(data.size()));
  EXPECT_EQ(binned.state->cell_counts[67 * kCellDips + 13] > 0, true);

  const ReferenceInput in = ReferenceData(data, data::PlotMode::Lines, true);
  const reference::Result ref = reference::Finish(reference::ExactSums(in.summed, 64), 64, false, in.vectors);
  EXPECT_LE(WorstDifference(binned.state->grid, ref.grid), kTolerance);

  // The direct variant of the same whole-degree data (forced by a small
  // count) gives the same grid within the tolerance.
  const ContourOutcome direct = ComputeDensity(text, Settings(64, false, 100, 2));
  ASSERT_TRUE(direct.state);
  EXPECT_EQ(direct.state->variant, DensityVariant::Direct);
  double worst = 0;
  for (int x = 0; x < kGridSize; ++x)
    for (int y = 0; y < kGridSize; ++y)
      if (direct.state->grid[x][y] != kOutsideMarker)
        worst = std::max(worst, std::fabs(direct.state->grid[x][y] / binned.state->grid[x][y] - 1));
  EXPECT_LE(worst, 1e-11);
}

// n data straight down: the densest node is the vertical one, which holds
// n exp(S), and the reference holds n times the mean of exp(S sin^2 dip):
// the maximum depends on S alone.
TEST(DensityGrid, IdenticalDataGiveAMaximumOfSAlone) {
  for (const double s : {1.0, 64.0, 150.0, 666.0}) {
    double mean = 0;
    for (int x = 1; x <= 500; ++x)
      for (int y = 1; y <= 500; ++y)
        if (reference::Distance(x, y) < 225) {
          const double sine = geometry::SinDeg(stereonet::UnprojectPoint(x, y, stereonet::kMainScale).dip);
          mean += std::exp(s * (sine * sine)) / kInsideNodeCount;
        }
    const double expected = std::exp(s) / mean;
    for (const int n : {1, 7, 100}) {
      std::string text;
      for (int i = 0; i < n; ++i) text += "0/90\n";
      const ContourOutcome out = ComputeDensity(text, Settings(s, false, n, 2));
      ASSERT_TRUE(out.state);
      EXPECT_NEAR(out.state->maximum, expected, 1e-12 * expected) << "S=" << s << " n=" << n;
      EXPECT_EQ(out.state->maximum_x, 248);
      EXPECT_EQ(out.state->maximum_y, 262);
    }
  }
  // On the sphere the mean of exp(S z^2) over z uniform in [0, 1] is about
  // exp(S) / (2 S) (1 + 1 / (2 S) + 3 / (4 S^2)): the peak of one datum at
  // S = 64 is near 2 S.
  const ContourOutcome one = ComputeDensity("0/90\n", Settings(64, false, 1, 1));
  ASSERT_TRUE(one.state);
  EXPECT_NEAR(one.state->maximum, 128 / (1 + 1 / 128.0 + 3 / (4 * 64.0 * 64)), 0.5);
}

// A single datum off the nodes and a girdle: pinned values.
TEST(DensityGrid, GoldenValues) {
  // 45/30 projects to (360, 150); the nearest node direction lies one node
  // up and right of it, because the inverse projection's centre is (248, 262).
  const ContourOutcome one = ComputeDensity("45/30\n", Settings(64, false, 1, 2));
  ASSERT_TRUE(one.state);
  EXPECT_EQ(one.state->maximum_x, 361);
  EXPECT_EQ(one.state->maximum_y, 149);
  EXPECT_NEAR(one.state->maximum, 127.00151654408985, 1e-12 * 127);
  EXPECT_NEAR(one.state->grid[360][150], 126.79000571176525, 1e-12 * 127);

  std::string girdle;  // the vertical north-south plane, every 5 degrees
  for (int p = 0; p < 90; p += 5) girdle += "0/" + std::to_string(p) + "\n180/" + std::to_string(p) + "\n";
  girdle += "0/90\n";
  struct Node {
    int x, y;
    double multiples, percent;
  };
  // Along the girdle (x = 248), at its rim end where 0/0 and 180/0 meet,
  // beside it and far from it.
  const Node nodes[] = {{248, 262, 8.7493485174028631, 7.7612641366704622},
                        {248, 100, 8.7493496370691464, 7.761265129890214},
                        {248, 40, 12.031145178994885, 10.672439829671628},
                        {249, 263, 8.7343541230440369, 7.7479630943177904},
                        {251, 300, 8.5632467047565601, 7.596179236761837},
                        {300, 262, 0.011916205601965414, 0.010570480647761281},
                        {400, 262, 4.269141109808788e-19, 3.7870170246435539e-19}};
  for (const bool percent : {false, true}) {
    const ContourOutcome g = ComputeDensity(girdle, Settings(64, percent, 37, 2));
    ASSERT_TRUE(g.state);
    EXPECT_EQ(g.state->maximum_x, 248);
    EXPECT_EQ(g.state->maximum_y, 487);
    // The percentage: 4 of the 37 data lie within 9 degrees of the rim node.
    EXPECT_NEAR(g.state->maximum, percent ? 400.0 / 37 : 12.187132131295808, 1e-12 * 13);
    for (const Node& n : nodes) {
      const double expected = percent ? n.percent : n.multiples;
      EXPECT_NEAR(g.state->grid[n.x][n.y], expected, 1e-12 * expected) << n.x << "," << n.y;
    }
  }
}

TEST(DensityGrid, PercentScaleCountsTheDataNearTheDensestNode) {
  std::string text;
  for (int i = 0; i < 10; ++i) text += "0/90\n";
  for (int i = 0; i < 6; ++i) text += "90/40\n";
  for (int i = 0; i < 4; ++i) text += "200/20\n";
  const ContourOutcome out = ComputeDensity(text, Settings(64, true, 20, 2));
  ASSERT_TRUE(out.state);
  EXPECT_TRUE(out.state->percent);
  EXPECT_EQ(out.state->maximum, 50);  // 10 of 20 data within 9 degrees
  EXPECT_NEAR(out.state->grid[248][262], 50, 1e-12);
}

TEST(DensityGrid, OutsideMarkedAndTensorSummed) {
  const ContourOutcome out = ComputeDensity("120/30\n120/30\n", Settings(64, false, 2, 2));
  ASSERT_TRUE(out.state);
  const DensityState& st = *out.state;
  EXPECT_TRUE(HasGrid(st));
  for (int i = 0; i <= 500; ++i) {
    EXPECT_EQ(st.grid[0][i], kOutsideMarker);
    EXPECT_EQ(st.grid[500][i], kOutsideMarker);
    EXPECT_EQ(st.grid[i][0], kOutsideMarker);
    EXPECT_EQ(st.grid[i][500], kOutsideMarker);
  }
  const Vector3 v = geometry::OrientationToVector({120, 30});
  EXPECT_NEAR(st.tensor(0, 1), 2 * v.x * v.y, 1e-15);
  EXPECT_NEAR(st.tensor(2, 2), 2 * v.z * v.z, 1e-15);
  EXPECT_EQ(st.smoothing, 64);
  EXPECT_FALSE(HasGrid(DensityState{}));
}

TEST(DensityCommand, RefusalsAndNothingToDo) {
  struct Case {
    const char* smoothing;
    bool refused;
    const char* written_back;  // nullptr: the field stays
  };
  const Case cases[] = {{"700", true, "666"}, {"666.5", true, "666"}, {"1e4", true, "666"},
                        {"0.5", true, nullptr}, {"0", true, nullptr},    {"-5", true, nullptr},
                        {"abc", true, nullptr}, {"", true, nullptr},     {"64x", true, nullptr},
                        {"1", false, nullptr},  {"666", false, nullptr}, {"64,5", false, nullptr},
                        {" 80 ", false, nullptr}};
  for (const Case& c : cases) {
    ContourSettings s = Settings(64, false, 1, 1);
    s.smoothing_text = c.smoothing;
    const ContourPreparation p = PrepareDensity("120/30\n", s);
    EXPECT_EQ(p.status, c.refused ? ContourStatus::Refused : ContourStatus::Computed) << c.smoothing;
    EXPECT_EQ(p.request.has_value(), !c.refused) << c.smoothing;
    EXPECT_EQ(p.smoothing_text.has_value(), c.written_back != nullptr) << c.smoothing;
    if (c.written_back && p.smoothing_text) {
      EXPECT_EQ(*p.smoothing_text, c.written_back);
    }
    if (c.refused) {
      EXPECT_EQ(p.message, "The smoothing must be between 1 and 666 !");
    }
  }
  ContourSettings czech = Settings(64, false, 1, 1);
  czech.smoothing_text = "700";
  czech.language = text::Language::Czech;
  EXPECT_EQ(ComputeDensity("1/2\n", czech).message, "Zhlazení musí být v rozsahu 1 - 666 !");
  EXPECT_FALSE(ComputeDensity("1/2\n", czech).state);

  ContourSettings synoptic = Settings(64, false, 1, 1, data::PlotMode::Synoptic);
  synoptic.smoothing_text = "700";  // the mode is refused first
  ContourOutcome mixed = ComputeDensity("1/2/1\n", synoptic);
  EXPECT_EQ(mixed.status, ContourStatus::Refused);
  EXPECT_EQ(mixed.message, "You can not contour mixed data!");
  EXPECT_FALSE(mixed.smoothing_text);
  synoptic.language = text::Language::Czech;
  EXPECT_EQ(ComputeDensity("1/2/1\n", synoptic).message, "Nelze konturovat smíšená data!");

  for (const char* empty : {"", "\n", "\n120/30\n", "\r\n120/30"}) {
    const ContourOutcome out = ComputeDensity(empty, Settings(64, false, 1, 1));
    EXPECT_EQ(out.status, ContourStatus::NothingToDo);
    EXPECT_TRUE(out.message.empty());
    EXPECT_FALSE(out.state);
  }
  // Inside the text an empty line is a datum at 0/0, as the plot reads it.
  const ContourOutcome with_empty = ComputeDensity("120/30\n\n", Settings(64, false, 2, 1));
  ASSERT_TRUE(with_empty.state);
  EXPECT_EQ(with_empty.state->data_vectors.size(), 2u);
}

TEST(DensityJob, ProgressAndCancellation) {
  const std::string text = TextOf(MixedData(4000));
  {
    ContourPreparation p = PrepareDensity(text, Settings(64, false, 4000, 2));
    ASSERT_TRUE(p.request);
    EXPECT_EQ(p.request->line_count, 4000u);
    DensityJob job(text, *p.request, 2);
    int last = 0;
    while (!job.Done()) {
      const int now = job.Progress();
      EXPECT_GE(now, last);
      last = now;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(job.Progress(), DensityJob::ProgressTotal());
    EXPECT_TRUE(job.Finish().has_value());
  }
  {
    ContourPreparation p = PrepareDensity(text, Settings(64, false, 4000, 2));
    DensityJob job(text, *p.request, 2);
    job.Cancel();
    EXPECT_FALSE(job.Finish().has_value());
    EXPECT_TRUE(job.Done());
  }
  {
    // Destroyed while running: the workers stop and are joined.
    ContourPreparation p = PrepareDensity(text, Settings(64, false, 4000, 3));
    auto job = std::make_unique<DensityJob>(text, *p.request, 3);
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    job.reset();
  }
  {
    // Cancelled while the data are still being read.
    std::string many;
    for (int i = 0; i < 300000; ++i) many += "12/34\n";
    ContourPreparation p = PrepareDensity(many, Settings(64, false, many.size(), 2));
    ASSERT_TRUE(p.request);
    EXPECT_EQ(p.request->variant, DensityVariant::Binned);
    DensityJob job(many, *p.request, 2);
    job.Cancel();
    EXPECT_FALSE(job.Finish().has_value());
  }
  EXPECT_EQ(ProgressPercent(0), 0);
  EXPECT_EQ(ProgressTitle(20418), "50 %   Velkar");
  EXPECT_EQ(ProgressMeterWidth(0), 4);
  EXPECT_EQ(ProgressMeterWidth(kExactNodeCount / 2), 102);
  EXPECT_EQ(ProgressMeterWidth(kExactNodeCount), 200);
}

TEST(DensityGrid, Stretch) {
  ContourOutcome out = ComputeDensity("0/90\n45/45\n", Settings(64, false, 2, 1));
  ASSERT_TRUE(out.state);
  DensityState st = *out.state;
  const double peak = st.grid[248][262];
  const double low = st.grid[60][262];  // far from both: below 1.1
  ASSERT_LE(low, 1.1);
  StretchDensity(st, 2);
  EXPECT_DOUBLE_EQ(st.grid[248][262], (peak - 1) * 2 + 1);
  EXPECT_EQ(st.grid[60][262], low);
  EXPECT_DOUBLE_EQ(st.maximum, (out.state->maximum - 1) * 2 + 1);
  EXPECT_EQ(st.maximum_x, out.state->maximum_x);
}

TEST(DensityKernel, ExponentialWithinAnUlp) {
  std::vector<double> x;
  Lcg g;
  for (int i = 0; i < 200000; ++i) x.push_back(i < 6660 ? i * 0.1 : g.Next(1u << 30) * (666.0 / (1u << 30)));
  while (x.size() % kKernelBlock) x.push_back(0);
  std::vector<double> out(x.size());
  // The bounds the kernel states: the library's exponential, the degree-13
  // polynomial, the table with the degree-7 polynomial.
  const std::pair<KernelPath, double> bounds[] = {
      {KernelPath::Scalar, 1.0}, {KernelPath::Avx2, 0.9}, {KernelPath::Avx512, 0.6}};
  for (const auto& [path, bound] : bounds) {
    if (!KernelPathAvailable(path)) continue;
    KernelExp(path, x.data(), out.data(), x.size());
    double worst = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
      const long double exact = std::exp(static_cast<long double>(x[i]));
      const double ulp = std::nextafter(static_cast<double>(exact), INFINITY) - static_cast<double>(exact);
      worst = std::max(worst, static_cast<double>(std::fabs(out[i] - exact) / ulp));
    }
    EXPECT_LE(worst, bound) << KernelPathName(path);
  }
}

TEST(DensityKernel, SumsWithinTolerance) {
  KernelData d;
  Lcg g;
  std::vector<Vector3> v;
  for (int i = 0; i < 1003; ++i) {  // not a multiple of a block
    v.push_back(geometry::OrientationToVector({g.Next(3600) * 0.1, g.Next(900) * 0.1}));
    d.Add(v.back(), 1 + i % 3);
  }
  EXPECT_EQ(d.size(), 1003u);
  EXPECT_EQ(d.padded_size() % kKernelBlock, 0u);
  const Vector3 u = geometry::OrientationToVector({33, 44});
  for (const double s : {1.0, 64.0, 666.0}) {
    double ref = 0;
    for (int i = 0; i < 1003; ++i) {
      const double c = geometry::Dot(u, v[i]);
      ref += (1 + i % 3) * std::exp(s * (c * c));
    }
    for (const KernelPath path : {KernelPath::Scalar, KernelPath::Avx2, KernelPath::Avx512}) {
      if (!KernelPathAvailable(path)) continue;
      EXPECT_NEAR(KernelSum(path, d, u, s), ref, 1e-14 * ref) << KernelPathName(path) << " S=" << s;
      EXPECT_EQ(KernelSum(path, KernelData{}, u, s), 0);
    }
  }
}

}  // namespace
}  // namespace velkar::contour
