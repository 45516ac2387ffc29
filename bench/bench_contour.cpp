// The density grid: the whole computation without the drawing (summing,
// interpolation, normalisation) for 1,000 and 32,760 data and for the
// binned variant with every whole-degree cell occupied; the kernel alone on
// each path; the plain one-thread std::exp reference; and the redraw.
#include <benchmark/benchmark.h>

#include <string>

#include "synthetic_data.hpp"
#include "../tests/contour/density_reference.hpp"

#include "contour/contour_redraw.hpp"
#include "contour/density.hpp"
#include "data/data_line.hpp"
#include "data/line_reader.hpp"

namespace {

using namespace velkar;

constexpr double kTerms = contour::kExactNodeCount;

// One line per whole-degree cell: 32851 lines, binned by their count.
std::string EveryCell() {
  std::string text;
  for (int a = 0; a <= 360; ++a)
    for (int d = 0; d <= 90; ++d) text += std::to_string(a) + "/" + std::to_string(d) + "\n";
  return text;
}

contour::ContourSettings Settings(std::size_t data_count) {
  contour::ContourSettings s;
  s.data_count = data_count;
  return s;
}

void BM_ContourDirect(benchmark::State& state) {
  const std::size_t n = static_cast<std::size_t>(state.range(0));
  const std::string text = bench::SyntheticLines(n, true);
  const contour::ContourSettings settings = Settings(n);
  contour::ComputeDensity(text, settings);  // the node tables, built once per run of the program
  for (auto _ : state) {
    contour::ContourOutcome out = contour::ComputeDensity(text, settings);
    benchmark::DoNotOptimize(out);
  }
  state.counters["Gterms/s"] =
      benchmark::Counter(kTerms * static_cast<double>(n) * static_cast<double>(state.iterations()) / 1e9,
                         benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ContourDirect)->Arg(1000)->Arg(32760)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_ContourBinnedEveryCell(benchmark::State& state) {
  const std::string text = EveryCell();
  const contour::ContourSettings settings = Settings(contour::kCellCount);
  contour::ComputeDensity(text, settings);
  for (auto _ : state) {
    contour::ContourOutcome out = contour::ComputeDensity(text, settings);
    benchmark::DoNotOptimize(out);
  }
  state.counters["Gterms/s"] = benchmark::Counter(
      kTerms * contour::kCellCount * static_cast<double>(state.iterations()) / 1e9, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ContourBinnedEveryCell)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// The kernel alone, one thread, 32768 data: terms per second of each path.
void BM_KernelSum(benchmark::State& state) {
  const auto path = static_cast<contour::KernelPath>(state.range(0));
  if (!contour::KernelPathAvailable(path)) {
    state.SkipWithError("path not available on this processor");
    return;
  }
  state.SetLabel(contour::KernelPathName(path));
  contour::KernelData data;
  const std::string text = bench::SyntheticLines(32768, true);
  data::LineReader reader(text);
  for (std::string_view line; reader.Next(line);) {
    data.Add(geometry::OrientationToVector(data::TensorDirectionOfLine(line, "/", data::PlotMode::Lines)), 1);
  }
  int node = 0;
  for (auto _ : state) {
    const double s = contour::KernelSum(path, data, contour::NodeDirection(200 + node % 97, 260), 64);
    benchmark::DoNotOptimize(s);
    ++node;
  }
  state.SetItemsProcessed(state.iterations() * 32768);
}
BENCHMARK(BM_KernelSum)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The plain reference: one thread, std::exp, the same sums, interpolation and
// normalisation written straight from the rules.
void BM_ContourReference(benchmark::State& state) {
  const std::size_t n = static_cast<std::size_t>(state.range(0));
  const std::string text = bench::SyntheticLines(n, true);
  std::vector<contour::reference::Weighted> summed;
  std::vector<geometry::Vector3> vectors;
  data::LineReader reader(text);
  for (std::string_view line; reader.Next(line);) {
    vectors.push_back(geometry::OrientationToVector(data::TensorDirectionOfLine(line, "/", data::PlotMode::Lines)));
    summed.push_back({vectors.back(), 1});
  }
  for (auto _ : state) {
    contour::reference::Result r =
        contour::reference::Finish(contour::reference::ExactSums(summed, 64), 64, false, vectors);
    benchmark::DoNotOptimize(r);
  }
  state.counters["Gterms/s"] =
      benchmark::Counter(kTerms * static_cast<double>(n) * static_cast<double>(state.iterations()) / 1e9,
                         benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ContourReference)->Arg(1000)->Arg(32760)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// A redraw after an option change on an existing contoured diagram.
void BM_ContourRedraw(benchmark::State& state) {
  const std::string text = bench::SyntheticLines(1000, true);
  const contour::DensityState density = *contour::ComputeDensity(text, Settings(1000)).state;
  raster::RasterImage image;
  contour::LevelGrid levels = contour::MakeLevelGrid();
  contour::RedrawSettings settings;
  settings.line_count = 1000;
  settings.orientation = stereonet::TriState::Ticked;
  int i = 0;
  for (auto _ : state) {
    settings.scheme = (i++ % 2) ? contour::ColourScheme::Rainbow : contour::ColourScheme::BlueGreenRed;
    contour::RedrawResult r = contour::DrawContouredDiagram(image, density, settings, levels);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_ContourRedraw)->Unit(benchmark::kMillisecond);

}  // namespace
