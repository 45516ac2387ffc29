// Streaming the data text: the eigen command over many lines.
#include <benchmark/benchmark.h>

#include <string>

#include "data/data_text.hpp"
#include "geometry/tensor.hpp"

namespace {

using namespace velkar;

// n lines "az/dip/code" with varied values, as a field notebook would give.
std::string SyntheticData(std::size_t n) {
  std::string text;
  text.reserve(n * 12);
  unsigned seed = 0;
  for (std::size_t i = 0; i < n; ++i) {
    seed = seed * 134775813u + 1u;
    const unsigned az = (seed >> 8) % 360, dip = (seed >> 20) % 91, code = (seed >> 4) % 9;
    text += std::to_string(az) + "/" + std::to_string(dip) + "/" + std::to_string(code) + "\n";
  }
  return text;
}

void BM_EigenCommand(benchmark::State& state) {
  const std::string text = SyntheticData(static_cast<std::size_t>(state.range(0)));
  const data::DataSettings settings;
  for (auto _ : state) {
    const data::TensorSum sum = data::AccumulateTensor(text, settings);
    std::string out = geometry::OrientationMatrixText(geometry::EigenAnalysis(sum.tensor), shell::Language::English, '.');
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
