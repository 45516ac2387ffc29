// The density grid: every datum spreads the axial kernel exp(S cos^2 theta)
// over the lower-hemisphere equal-area net, summed at a quarter of the grid
// nodes in worker threads, the rest interpolated, the outside marked and the
// whole normalised either to multiples of the uniform density or, with the
// fixed percentage scale, to the share of data near the densest direction.
//
// The grid has 501 x 501 nodes indexed [x][y]; node (x, y) is pixel (x, y)
// of the 500 x 513 main diagram (k = 1.5). A node is inside the net when its
// distance from (247.5, 262.5) is below 225 (159068 nodes); nodes at 225 or
// farther hold kOutsideMarker. Node directions come from UnprojectPoint at
// 1.5, whose centre is (248, 262): both centres are used as stated.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "contour/density_kernel.hpp"
#include "data/data_text.hpp"
#include "geometry/matrix.hpp"
#include "geometry/vectors.hpp"
#include "text/language.hpp"

namespace velkar::contour {

inline constexpr int kGridSize = 501;
inline constexpr double kOutsideMarker = -666;
// The nodes summed exactly: even x, even y, closer than 228 to
// (247.5, 262.5); they lie in the rows x = 2i, i = 10..237.
inline constexpr int kExactNodeCount = 40835;
inline constexpr int kFirstBandRow = 10;
inline constexpr int kLastBandRow = 237;
// The nodes inside the net.
inline constexpr int kInsideNodeCount = 159068;
// From this many data (DataCount of the last plot) on, the data are binned
// into whole-degree cells.
inline constexpr std::size_t kBinnedFromCount = 32761;
inline constexpr int kCellAzimuths = 361;  // whole azimuths 0..360
inline constexpr int kCellDips = 91;       // whole dips 0..90
inline constexpr int kCellCount = kCellAzimuths * kCellDips;
// The smoothing S accepted, and the interpolation threshold: below it the
// four-point scheme, from it on the averages.
inline constexpr double kMinSmoothing = 1;
inline constexpr double kMaxSmoothing = 666;
inline constexpr double kAveragingFromSmoothing = 100;
// The smoothing text that the fixed percentage scale ("1% o") fixes, which
// is also the smoothing field's text at start-up.
inline constexpr std::string_view kPercentScaleSmoothing = "64";

// Rows of 501 values: grid[x][y].
using DensityGrid = std::vector<std::array<double, kGridSize>>;
// A grid of kGridSize rows, every node holding value.
DensityGrid MakeGrid(double value);

enum class DensityVariant { Direct, Binned };

struct DensityState {
  DensityGrid grid = MakeGrid(0);  // zero until the first computation
  double maximum = 0;              // largest value after normalisation
  double minimum = 0;              // lower end of the colour scale: 0 after a computation
  int maximum_x = 0;               // the node that held the largest value before normalisation
  int maximum_y = 0;
  double smoothing = 0;            // S of the last computation
  // The data directions in the order of the data text (lower or upper
  // hemisphere as read; in the binned variant after the wrapping of its
  // cells, before the rounding); their number is n.
  std::vector<geometry::Vector3> data_vectors;
  geometry::Matrix3 tensor;        // sum of v v^T over the data
  // Binned variant only (empty otherwise): data per whole-degree cell and
  // the cell's direction, index azimuth * kCellDips + dip.
  std::vector<std::int64_t> cell_counts;
  std::vector<geometry::Vector3> cell_vectors;
  DensityVariant variant = DensityVariant::Direct;
  bool percent = false;            // normalised to the fixed percentage scale
};

// Whether a grid has been computed: the outside marker at node (1, 1).
bool HasGrid(const DensityState& state);

// Node (x, y) inside the net (distance from (247.5, 262.5) below 225).
bool IsInsideNode(int x, int y);
// Node (x, y) summed exactly.
bool IsExactNode(int x, int y);
// The unit direction of node (x, y): UnprojectPoint (x, y, 1.5), then
// OrientationToVector. Nodes outside the net give upper-hemisphere
// directions (negative dip), as the projection does.
geometry::Vector3 NodeDirection(int x, int y);

// The cone half-angle of the fixed percentage scale in degrees:
// 71.873 * 0.580974615968644 * S^-0.369 (9.000 at S = 64).
double PercentConeAngle(double smoothing);

// The worker count for a processor count and a number of data: more than 4
// processors with fewer than 400 data count as 4; then 1, 2, 3 give as many
// threads, 4-5 four, 6-7 six, 8-11 eight, 12-15 twelve, 16-19 sixteen, 20
// and more twenty. A processor count below 1 counts as 1.
int DensityThreadCount(int processors, std::size_t data_count);

// What one contour command needs besides the data text.
struct ContourSettings {
  std::string smoothing_text{kPercentScaleSmoothing};  // the smoothing field
  bool percent = false;               // "1% o": the fixed percentage scale
  std::size_t data_count = 0;         // DataCount of the last plot: chooses the variant
  int thread_count = 0;               // workers; 0: DensityThreadCount of data::SystemProcessorCount()
  data::DataSettings data;            // delimiter and plot mode
  text::Language language = text::Language::English;
  KernelPath kernel = BestKernelPath();  // which kernel path sums (tests and benchmarks pick)
};

enum class ContourStatus {
  Computed,      // a new state (of a preparation: ready to compute)
  NothingToDo,   // the first line of the data text is empty
  Refused,       // message says why; nothing else changed
  Cancelled,     // the workers were stopped
};

// The checked parameters of one computation.
struct DensityRequest {
  double smoothing = 64;
  bool percent = false;
  DensityVariant variant = DensityVariant::Direct;
  data::DataSettings data;
  KernelPath kernel = KernelPath::Scalar;
  std::size_t line_count = 0;  // lines of the data text: the data to be read
};

struct ContourPreparation {
  ContourStatus status = ContourStatus::NothingToDo;
  std::string message;                        // when refused: in the settings' language
  std::optional<std::string> smoothing_text;  // the text to write back into the smoothing field ("666")
  std::optional<DensityRequest> request;      // when the computation can start
};

// The checks before anything is read, in this order: an empty first line
// does nothing; the synoptic plot mode is refused; a smoothing text that is
// no number or lies outside 1..666 is refused (above 666 with "666" to write
// back). The smoothing text is read after its first comma became a point,
// blanks around it ignored, the whole text one number. Fewer than
// kBinnedFromCount in settings.data_count take the direct variant, the rest
// the binned one. Quick: it only counts the lines.
ContourPreparation PrepareDensity(std::string_view text, const ContourSettings& settings);

// The data of one computation, read, before any summing.
struct DensityInput {
  std::size_t data_count = 0;               // lines read: n
  std::vector<geometry::Vector3> data_vectors;
  geometry::Matrix3 tensor;
  std::vector<std::int64_t> cell_counts;    // binned only
  std::vector<geometry::Vector3> cell_vectors;
  KernelData kernel_data;                   // the data (weight 1) or the occupied cells (weight = count)
};

// Every line read as a datum (planes of the circles and poles modes become
// their poles). The binned variant wraps the azimuth into 0..360 by whole
// turns and the dip into 0..90 by steps of 90, both before the pole is
// taken, and counts the data per cell of the whole azimuth and dip. With a
// cancel flag, reading stops early (the input incomplete) once it is set.
DensityInput ReadDensityInput(std::string_view text, const DensityRequest& request,
                              const std::atomic<bool>* cancel = nullptr);

// The computation in worker threads: one worker reads the data, then all
// take the exact nodes in chunks; every node is summed by one worker alone
// in a fixed order, so the grid is the same for every thread count.
// Progress() counts the nodes summed so far (0..kExactNodeCount, in steps of
// a chunk of 32 nodes; 0 while the data are read) and may be polled from any
// thread; Cancel() makes the workers stop after their current node. Finish()
// waits for the workers and then, unless cancelled, interpolates, marks and
// normalises on the calling thread. The destructor cancels and waits.
class DensityJob {
 public:
  // Starts thread_count workers at once (at least 1; where the system
  // refuses to start threads, the remaining work is done in Finish()). The
  // job keeps its own copy of the text.
  DensityJob(std::string text, const DensityRequest& request, int thread_count);
  ~DensityJob();
  DensityJob(const DensityJob&) = delete;
  DensityJob& operator=(const DensityJob&) = delete;

  int Progress() const { return progress_.load(std::memory_order_relaxed); }
  static constexpr int ProgressTotal() { return kExactNodeCount; }
  // True when every started worker has finished.
  bool Done() const { return running_.load(std::memory_order_acquire) == 0; }
  void Cancel() { cancelled_.store(true, std::memory_order_relaxed); }
  bool Cancelled() const { return cancelled_.load(std::memory_order_relaxed); }
  int thread_count() const { return thread_count_; }
  // The finished state; empty when cancelled. Call once.
  std::optional<DensityState> Finish();

 private:
  void Work();
  // The first caller reads the data; the others wait until it has.
  void EnsureInput();
  void Join();

  std::string text_;
  DensityRequest request_;
  DensityInput input_;
  std::unique_ptr<DensityState> state_;
  int thread_count_ = 1;
  // Each on its own cache line: the workers write the first ones, poll the
  // last one before every node, and a window polls the progress.
  alignas(64) std::atomic<int> next_chunk_{0};
  alignas(64) std::atomic<int> progress_{0};
  alignas(64) std::atomic<int> running_{0};
  alignas(64) std::atomic<int> input_stage_{0};  // 0 unread, 1 being read, 2 read
  alignas(64) std::atomic<bool> cancelled_{false};
  std::vector<std::thread> workers_;
};

struct ContourOutcome {
  ContourStatus status = ContourStatus::NothingToDo;
  std::string message;
  std::optional<std::string> smoothing_text;
  std::optional<DensityState> state;  // when computed
  int thread_count = 0;               // workers used
};

// The whole contour command without its drawing: PrepareDensity, a
// DensityJob on a copy of the text and its Finish(), waited for.
ContourOutcome ComputeDensity(std::string_view text, const ContourSettings& settings);

// The steps after the summing, exposed for checking them on a given grid
// whose exact nodes are filled: the interpolation of the other nodes (the
// four-point scheme below S = 100, the averages from it on), the marking of
// the outside with its extremes, and the normalisation over the data.
void InterpolateGrid(DensityGrid& grid, double smoothing);
void MarkAndFindExtremes(DensityState& state);
void NormaliseGrid(DensityState& state, std::size_t data_count, KernelPath kernel);

// The stretch of the hidden stretch field: every node with x and y in
// 10..490 whose value is above 1.1 becomes (value - 1) * factor + 1; the
// maximum is searched again over the same nodes, starting from -666 (the
// maximum position is kept).
void StretchDensity(DensityState& state, double factor);

// Progress for a window: the percentage R(count / 40835 * 100), the title
// "<percentage> %   Velkar", and the meter width R(count / 40835 * 196) + 4,
// at most 200 pixels.
int ProgressPercent(int count);
std::string ProgressTitle(int count);
int ProgressMeterWidth(int count);

}  // namespace velkar::contour
