// The plot command: raster diagram and vector picture of mode-0 lines with
// mixed symbol codes 0-8.
#include <benchmark/benchmark.h>

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
