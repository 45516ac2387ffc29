// Streaming the data text: the eigen command over many lines.
#include <benchmark/benchmark.h>

#include <string>

#include "synthetic_data.hpp"

#include "data/data_text.hpp"
#include "geometry/tensor.hpp"

namespace {

using namespace velkar;

void BM_EigenCommand(benchmark::State& state) {
  const std::string text = bench::SyntheticLines(static_cast<std::size_t>(state.range(0)), false);
  const data::DataSettings settings;
  for (auto _ : state) {
    const data::TensorSum sum = data::AccumulateTensor(text, settings);
    std::string out = geometry::OrientationMatrixText(geometry::EigenAnalysis(sum.tensor), text::Language::English, '.');
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetBytesProcessed(state.iterations() * static_cast<long long>(text.size()));
}
BENCHMARK(BM_EigenCommand)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_ParseDataLine(benchmark::State& state) {
  for (auto _ : state) {
    data::DataLine d = data::ParseDataLine("123,5/45/2/23", "/", data::PlotMode::Lines);
    benchmark::DoNotOptimize(d);
  }
}
BENCHMARK(BM_ParseDataLine);

}  // namespace
