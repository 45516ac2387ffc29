// The plot command: raster diagram and vector picture of mode-0 lines with
// mixed symbol codes 0-8, and of planes drawn as great circles.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "synthetic_data.hpp"

#include "stereonet/canvas.hpp"
#include "stereonet/plot_command.hpp"
#include "stereonet/projection.hpp"

namespace {

using namespace velkar;

void BM_PlotCommand(benchmark::State& state) {
  const std::string text = bench::SyntheticLines(static_cast<std::size_t>(state.range(0)), true);
  raster::RasterImage diagram;
  const stereonet::PlotSettings settings;
  for (auto _ : state) {
    stereonet::PlotResult result = stereonet::PlotData(text, settings, diagram);
    benchmark::DoNotOptimize(result);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PlotCommand)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// 10,000 planes in mode 1: every line a great circle on the raster diagram
// and in the vector picture, as the window re-plots them.
void BM_PlotGreatCircles(benchmark::State& state) {
  constexpr std::size_t kPlanes = 10000;
  const std::string text = bench::SyntheticPlanes(kPlanes, state.range(0) != 0);
  raster::RasterImage diagram;
  stereonet::PlotSettings settings;
  settings.data.mode = data::PlotMode::Circles;
  for (auto _ : state) {
    stereonet::PlotResult result = stereonet::PlotData(text, settings, diagram);
    benchmark::DoNotOptimize(result);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kPlanes));
}
BENCHMARK(BM_PlotGreatCircles)->ArgName("tenths")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

namespace {

void BM_GreatCircles(benchmark::State& state) {
  using namespace velkar;
  raster::RasterImage image;
  stereonet::DrawNetBase(image, false, stereonet::kMainScale);
  int i = 0;
  for (auto _ : state) {
    stereonet::DrawGreatCircle(image, {static_cast<double>(i % 360), static_cast<double>(i % 90)},
                               {255, 0, 0, 0}, stereonet::kMainScale, 1.5);
    ++i;
  }
  image.Flush();
}
BENCHMARK(BM_GreatCircles);

}  // namespace
