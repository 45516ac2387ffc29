#include "contour/density.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <system_error>

#include "text/texts.hpp"
#include "data/data_line.hpp"
#include "data/line_reader.hpp"
#include "data/processors.hpp"
#include "geometry/angles.hpp"
#include "geometry/numbers.hpp"
#include "stereonet/projection.hpp"

namespace velkar::contour {

using geometry::Orientation;
using geometry::Vector3;

namespace {

// The net of the main diagram in grid units (pixels): centre (247.5, 262.5),
// radius 225.
constexpr double kCentreX = stereonet::kDiagram.centre_x * stereonet::kMainScale;
constexpr double kCentreY = stereonet::kDiagram.centre_y * stereonet::kMainScale;
constexpr double kNetRadius = stereonet::kDiagram.radius_x * stereonet::kMainScale;
constexpr double kExactRadius = 228;
constexpr double kInitialMaximum = -1000;
constexpr double kInitialMinimum = 1.1e100;
// Exact nodes handed to a worker at a time: small enough to share the work
// evenly, large enough to keep the shared counter quiet.
constexpr int kChunkNodes = 32;

double SquaredDistance(int x, int y) {
  const double dx = kCentreX - x;
  const double dy = kCentreY - y;
  return dx * dx + dy * dy;  // exact: halves squared and summed stay far below 2^53
}

// The exact nodes in the order of their rows (x = 20, 22, ..., 474) and
// columns, with their directions.
struct ExactNodes {
  std::vector<short> x, y;
  std::vector<Vector3> u;
  ExactNodes() {
    x.reserve(kExactNodeCount);
    y.reserve(kExactNodeCount);
    u.reserve(kExactNodeCount);
    for (int i = kFirstBandRow; i <= kLastBandRow; ++i) {
      for (int j = 0; j <= 250; ++j) {
        if (!IsExactNode(2 * i, 2 * j)) continue;
        x.push_back(static_cast<short>(2 * i));
        y.push_back(static_cast<short>(2 * j));
        u.push_back(NodeDirection(2 * i, 2 * j));
      }
    }
  }
};

const ExactNodes& ExactNodeTable() {
  static const ExactNodes table;
  return table;
}

// sin(dip) of every inside node, x outer and y inner, padded with weight 0:
// the uniform reference sums exp(S sin^2 dip) over them. The dip depends on
// the node's offsets from the projection centre (248, 262) only through the
// sum of their squares, so nodes whose offsets differ in sign or order share
// it bit for bit; each is computed once.
struct InsideNodes {
  std::vector<double> z, weight;
  InsideNodes() {
    constexpr int kReach = 253;  // offsets of the inside nodes stay below it
    std::vector<double> by_offset(kReach * kReach, 2.0);  // 2: not computed yet
    for (int x = 1; x <= 500; ++x) {
      for (int y = 1; y <= 500; ++y) {
        if (!IsInsideNode(x, y)) continue;
        const int a = std::abs(x - 248), b = std::abs(y - 262);
        double& known = by_offset[std::max(a, b) * kReach + std::min(a, b)];
        if (known == 2.0) known = NodeDirection(x, y).z;
        z.push_back(known);
        weight.push_back(1.0);
      }
    }
    while (z.size() % kKernelBlock != 0) {
      z.push_back(0.0);
      weight.push_back(0.0);
    }
  }
};

const InsideNodes& InsideNodeTable() {
  static const InsideNodes table;
  return table;
}

// a brought into [0, period] the way repeated whole steps do it: above the
// period down into (0, period], below 0 up into [0, period).
double WrapBySteps(double a, double period) {
  if (a > period) {
    const double r = std::fmod(a, period);
    return r == 0 ? period : r;
  }
  if (a < 0) {
    const double r = std::fmod(a, period);
    return r < 0 ? r + period : r;
  }
  return a;
}

// The plane of the circles and poles modes becomes its pole.
bool ReadsPlanes(data::PlotMode mode) { return mode == data::PlotMode::Circles || mode == data::PlotMode::Poles; }

int CellIndex(Orientation o) {
  const int azimuth = std::clamp(geometry::RoundToInt(o.azimuth), 0, kCellAzimuths - 1);
  const int dip = std::clamp(geometry::RoundToInt(o.dip), 0, kCellDips - 1);
  return azimuth * kCellDips + dip;
}

// Reading stops early, leaving the input incomplete, once cancel is set;
// it is looked at every kCancelCheckLines lines.
constexpr std::size_t kCancelCheckLines = 4096;

bool StopReading(const std::atomic<bool>* cancel, std::size_t line) {
  return cancel != nullptr && line % kCancelCheckLines == 0 && cancel->load(std::memory_order_relaxed);
}

void ReadDirect(std::string_view text, const data::DataSettings& settings, DensityInput& in,
                const std::atomic<bool>* cancel) {
  data::LineReader reader(text);
  in.data_vectors.reserve(data::CountLines(text));
  in.kernel_data.Reserve(in.data_vectors.capacity());
  for (std::string_view line; reader.Next(line);) {
    if (StopReading(cancel, reader.LineNumber())) return;
    const Vector3 v =
        geometry::OrientationToVector(data::TensorDirectionOfLine(line, settings.delimiter, settings.mode));
    in.data_vectors.push_back(v);
    geometry::AccumulateOuterProduct(in.tensor, v);
    in.kernel_data.Add(v, 1.0);
  }
  in.data_count = in.data_vectors.size();
}

void ReadBinned(std::string_view text, const data::DataSettings& settings, DensityInput& in,
                const std::atomic<bool>* cancel) {
  in.cell_counts.assign(kCellCount, 0);
  in.cell_vectors.resize(kCellCount);
  for (int a = 0; a < kCellAzimuths; ++a) {
    for (int d = 0; d < kCellDips; ++d) {
      in.cell_vectors[a * kCellDips + d] =
          geometry::OrientationToVector({static_cast<double>(a), static_cast<double>(d)});
    }
  }
  data::LineReader reader(text);
  in.data_vectors.reserve(data::CountLines(text));
  for (std::string_view line; reader.Next(line);) {
    if (StopReading(cancel, reader.LineNumber())) return;
    const data::LineFields f = data::SplitLine(line, settings.delimiter, settings.mode);
    Orientation o{data::ReadNumberField(f.azimuth), data::ReadNumberField(f.dip)};
    if (o.dip < 0) o = geometry::NormaliseOrientation(o);
    o = {WrapBySteps(o.azimuth, 360), WrapBySteps(o.dip, 90)};
    if (ReadsPlanes(settings.mode)) o = geometry::PlaneToPole(o);
    const Vector3 v = geometry::OrientationToVector(o);
    in.data_vectors.push_back(v);
    geometry::AccumulateOuterProduct(in.tensor, v);
    ++in.cell_counts[CellIndex(o)];
  }
  // Empty cells add exactly nothing, so only the occupied ones are summed.
  for (int c = 0; c < kCellCount; ++c) {
    if (in.cell_counts[c] > 0) in.kernel_data.Add(in.cell_vectors[c], static_cast<double>(in.cell_counts[c]));
  }
  in.data_count = in.data_vectors.size();
}

}  // namespace

DensityGrid MakeGrid(double value) {
  std::array<double, kGridSize> row;
  row.fill(value);
  return DensityGrid(kGridSize, row);
}

bool HasGrid(const DensityState& state) {
  return state.grid.size() == kGridSize && state.grid[1][1] == kOutsideMarker;
}

bool IsInsideNode(int x, int y) { return SquaredDistance(x, y) < kNetRadius * kNetRadius; }

bool IsExactNode(int x, int y) {
  return x % 2 == 0 && y % 2 == 0 && x >= 0 && y >= 0 && x <= 500 && y <= 500 &&
         SquaredDistance(x, y) < kExactRadius * kExactRadius;
}

Vector3 NodeDirection(int x, int y) {
  return geometry::OrientationToVector(stereonet::UnprojectPoint(x, y, stereonet::kMainScale));
}

double PercentConeAngle(double smoothing) { return 71.873 * 0.580974615968644 * std::pow(smoothing, -0.369); }

int DensityThreadCount(int processors, std::size_t data_count) {
  int p = std::max(processors, 1);
  if (p > 4 && data_count < 400) p = 4;
  if (p <= 4) return p;
  if (p <= 5) return 4;
  if (p <= 7) return 6;
  if (p <= 11) return 8;
  if (p <= 15) return 12;
  if (p <= 19) return 16;
  return 20;
}

ContourPreparation PrepareDensity(std::string_view text, const ContourSettings& settings) {
  ContourPreparation out;
  if (data::FirstLine(text).empty()) return out;
  const auto refuse = [&](text::TextId id) {
    out.status = ContourStatus::Refused;
    out.message = std::string(text::Text(id, settings.language));
    return out;
  };
  if (settings.data.mode == data::PlotMode::Synoptic) return refuse(text::TextId::MixedDataRefusal);
  const std::optional<double> s = geometry::ReadEnteredNumber(settings.smoothing_text);
  if (!s || !(*s >= kMinSmoothing && *s <= kMaxSmoothing)) {
    if (s && *s > kMaxSmoothing) {
      out.smoothing_text = std::string(text::Text(text::TextId::SmoothingCeiling, settings.language));
    }
    return refuse(text::TextId::SmoothingRefusal);
  }
  DensityRequest r;
  r.smoothing = *s;
  r.percent = settings.percent;
  r.variant = settings.data_count < kBinnedFromCount ? DensityVariant::Direct : DensityVariant::Binned;
  r.data = settings.data;
  r.kernel = KernelPathAvailable(settings.kernel) ? settings.kernel : KernelPath::Scalar;
  r.line_count = data::CountLines(text);
  out.status = ContourStatus::Computed;
  out.request = r;
  return out;
}

DensityInput ReadDensityInput(std::string_view text, const DensityRequest& request, const std::atomic<bool>* cancel) {
  DensityInput in;
  if (request.variant == DensityVariant::Direct) {
    ReadDirect(text, request.data, in, cancel);
  } else {
    ReadBinned(text, request.data, in, cancel);
  }
  return in;
}

// ---------------------------------------------------------------------------
// The job

DensityJob::DensityJob(std::string text, const DensityRequest& request, int thread_count)
    : text_(std::move(text)),
      request_(request),
      state_(std::make_unique<DensityState>()),
      thread_count_(std::max(thread_count, 1)) {
  // The tables are built before the workers start, so that they only read.
  ExactNodeTable();
  running_.store(thread_count_, std::memory_order_relaxed);
  for (int t = 0; t < thread_count_; ++t) {
    try {
      workers_.emplace_back([this] {
        Work();
        running_.fetch_sub(1, std::memory_order_release);
      });
    } catch (const std::system_error&) {
      // No more threads: Finish() does what is left.
      running_.fetch_sub(thread_count_ - t, std::memory_order_release);
      break;
    }
  }
}

DensityJob::~DensityJob() {
  Cancel();
  Join();
}

void DensityJob::Join() {
  for (std::thread& w : workers_) {
    if (w.joinable()) w.join();
  }
}

void DensityJob::EnsureInput() {
  int stage = 0;
  if (input_stage_.compare_exchange_strong(stage, 1, std::memory_order_acq_rel)) {
    input_ = ReadDensityInput(text_, request_, &cancelled_);
    input_stage_.store(2, std::memory_order_release);
    input_stage_.notify_all();
    return;
  }
  while ((stage = input_stage_.load(std::memory_order_acquire)) != 2) input_stage_.wait(stage);
}

void DensityJob::Work() {
  EnsureInput();
  const ExactNodes& nodes = ExactNodeTable();
  DensityGrid& grid = state_->grid;
  const double s = request_.smoothing;
  constexpr int kChunks = (kExactNodeCount + kChunkNodes - 1) / kChunkNodes;
  for (;;) {
    if (Cancelled()) return;
    const int chunk = next_chunk_.fetch_add(1, std::memory_order_relaxed);
    if (chunk >= kChunks) return;
    const int begin = chunk * kChunkNodes;
    const int end = std::min(begin + kChunkNodes, kExactNodeCount);
    for (int i = begin; i < end; ++i) {
      if (Cancelled()) {
        progress_.fetch_add(i - begin, std::memory_order_relaxed);
        return;
      }
      grid[nodes.x[i]][nodes.y[i]] = KernelSum(request_.kernel, input_.kernel_data, nodes.u[i], s);
    }
    // Counted per chunk: a shared counter touched per node would make the
    // workers wait on each other for its cache line.
    progress_.fetch_add(end - begin, std::memory_order_relaxed);
  }
}

std::optional<DensityState> DensityJob::Finish() {
  Join();
  if (!state_) return std::nullopt;  // finished before
  if (!Cancelled()) Work();          // whatever threads that never started left undone
  if (Cancelled()) return std::nullopt;
  DensityState& state = *state_;
  state.smoothing = request_.smoothing;
  state.percent = request_.percent;
  state.variant = request_.variant;
  InterpolateGrid(state.grid, request_.smoothing);
  MarkAndFindExtremes(state);
  state.data_vectors = std::move(input_.data_vectors);
  NormaliseGrid(state, input_.data_count, request_.kernel);
  state.tensor = input_.tensor;
  state.cell_counts = std::move(input_.cell_counts);
  state.cell_vectors = std::move(input_.cell_vectors);
  std::optional<DensityState> result(std::move(state));
  state_.reset();
  return result;
}

ContourOutcome ComputeDensity(std::string_view text, const ContourSettings& settings) {
  ContourPreparation prepared = PrepareDensity(text, settings);
  ContourOutcome out;
  out.status = prepared.status;
  out.message = std::move(prepared.message);
  out.smoothing_text = std::move(prepared.smoothing_text);
  if (!prepared.request) return out;
  const int threads = settings.thread_count > 0
                          ? settings.thread_count
                          : DensityThreadCount(data::SystemProcessorCount(), prepared.request->line_count);
  DensityJob job(std::string(text), *prepared.request, threads);
  out.thread_count = job.thread_count();
  out.state = job.Finish();
  if (!out.state) out.status = ContourStatus::Cancelled;
  return out;
}

// ---------------------------------------------------------------------------
// After the summing

void InterpolateGrid(DensityGrid& g, double smoothing) {
  if (smoothing < kAveragingFromSmoothing) {
    // m between a (m - 1) and b (m + 1), with a' (m - 3) and b' (m + 3).
    const auto between = [](double a, double b, double a2, double b2) {
      return (2 * (a + b) + (a + (a - a2) / 2) + (b + (b - b2) / 2)) / 6;
    };
    for (int x = 7; x <= 497; x += 2) {
      for (int y = 6; y <= 496; y += 2) g[x][y] = between(g[x - 1][y], g[x + 1][y], g[x - 3][y], g[x + 3][y]);
    }
    for (int x = 3; x <= 488; ++x) {
      for (int y = 7; y <= 497; y += 2) g[x][y] = between(g[x][y - 1], g[x][y + 1], g[x][y - 3], g[x][y + 3]);
    }
    return;
  }
  for (int x = 7; x <= 497; x += 2) {
    for (int y = 7; y <= 497; y += 2)
      g[x][y] = (g[x - 1][y - 1] + g[x - 1][y + 1] + g[x + 1][y - 1] + g[x + 1][y + 1]) / 4;
  }
  for (int x = 6; x <= 496; x += 2) {
    for (int y = 7; y <= 497; y += 2) g[x][y] = (g[x][y - 1] + g[x][y + 1] + g[x - 1][y] + g[x + 1][y]) / 4;
  }
  for (int x = 7; x <= 497; x += 2) {
    for (int y = 6; y <= 496; y += 2) g[x][y] = (g[x - 1][y] + g[x + 1][y] + g[x][y - 1] + g[x][y + 1]) / 4;
  }
}

void MarkAndFindExtremes(DensityState& state) {
  state.maximum = kInitialMaximum;
  state.minimum = kInitialMinimum;
  for (int x = 0; x < kGridSize; ++x) {
    for (int y = 0; y < kGridSize; ++y) {
      double& v = state.grid[x][y];
      if (!IsInsideNode(x, y)) {
        v = kOutsideMarker;
        continue;
      }
      if (v > state.maximum) {
        state.maximum = v;
        state.maximum_x = x;
        state.maximum_y = y;
      }
      if (v < state.minimum) state.minimum = v;
    }
  }
}

void NormaliseGrid(DensityState& state, std::size_t data_count, KernelPath kernel) {
  const double n = static_cast<double>(data_count);
  const double s = state.smoothing;
  DensityGrid& g = state.grid;
  if (state.percent) {
    // The share of the data within the cone around the densest node, the
    // direction and its opposite alike.
    const Vector3 u = NodeDirection(state.maximum_x, state.maximum_y);
    const double cos_cone = geometry::CosDeg(PercentConeAngle(s));
    std::size_t q = 0;
    for (const Vector3& v : state.data_vectors) {
      if (std::fabs(geometry::Dot(u, v)) > cos_cone) ++q;
    }
    const double qd = static_cast<double>(q);
    const double factor = (qd / (n / 100)) / state.maximum;
    for (auto& row : g) {
      for (double& v : row) {
        if (v != kOutsideMarker) v *= factor;
      }
    }
    state.maximum = qd * 100 / n;
  } else {
    // n data spread evenly: the mean over the net of n single vertical data.
    const InsideNodes& inside = InsideNodeTable();
    const double sum = WeightedExpSquareSum(kernel, inside.z.data(), inside.weight.data(), inside.z.size(), s);
    const double reference = n * sum / kInsideNodeCount;
    for (auto& row : g) {
      for (double& v : row) {
        if (v != kOutsideMarker) v /= reference;
      }
    }
    state.maximum = kInitialMaximum;
    state.minimum = kInitialMinimum;
    for (int x = 1; x <= 500; ++x) {
      for (int y = 1; y <= 500; ++y) {
        const double v = g[x][y];
        if (v == kOutsideMarker) continue;
        state.maximum = std::max(state.maximum, v);
        state.minimum = std::min(state.minimum, v);
      }
    }
  }
  state.minimum = 0;
}

void StretchDensity(DensityState& state, double factor) {
  state.maximum = kOutsideMarker;
  for (int x = 10; x <= 490; ++x) {
    for (int y = 10; y <= 490; ++y) {
      double& v = state.grid[x][y];
      if (v > 1.1) v = (v - 1) * factor + 1;
      if (v > state.maximum) state.maximum = v;
    }
  }
}

int ProgressPercent(int count) {
  return geometry::RoundToInt(static_cast<double>(count) / kExactNodeCount * 100);
}

std::string ProgressTitle(int count) {
  return std::to_string(ProgressPercent(count)) +
         std::string(text::Text(text::TextId::ProgressSuffix, text::Language::English)) +
         std::string(text::Text(text::TextId::ProgressProgramName, text::Language::English));
}

int ProgressMeterWidth(int count) {
  const double f = static_cast<double>(count) / kExactNodeCount;
  return std::min(200, geometry::RoundToInt(f * 196) + 4);
}

}  // namespace velkar::contour
