// velkar-batch: the command-line front end to the engine.
#include <iostream>
#include <string>
#include <vector>

#include "batch/input_text.hpp"
#include "batch/options.hpp"
#include "data/data_text.hpp"
#include "geometry/tensor.hpp"
#include "shell/language.hpp"

namespace {

using namespace velkar;

int Run(const batch::BatchOptions& o, std::string_view text) {
  const char separator = shell::DecimalSeparatorFromEnvironment();
  data::DataSettings settings = o.data;
  if (o.detect_delimiter) settings.delimiter = data::DetectDelimiter(data::FirstLine(text));

  if (o.command == "read") {
    std::cout << data::DataReadReport(text, settings, separator);
  } else if (o.command == "eigen") {
    const data::TensorSum sum = data::AccumulateTensor(text, settings);
    std::cout << geometry::OrientationMatrixText(geometry::EigenAnalysis(sum.tensor), o.language, separator)
              << '\n';
  } else if (o.command == "cosines") {
    const data::ConversionResult r =
        data::DirectionCosinesToData(text, settings.delimiter, separator, o.language);
    if (!r.ok) {
      std::cerr << "velkar-batch: " << r.error << '\n';
      return 1;
    }
    std::cout << r.text;
  } else if (o.command == "filter") {
    std::cout << data::FilterDataText(text);
  }
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "velkar-batch: cannot write the output\n";
    return 2;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  const batch::ParseResult parsed = batch::ParseArguments(args, shell::LanguageFromEnvironment());
  if (!parsed.options) {
    std::cerr << "velkar-batch: " << parsed.error << '\n';
    return 2;
  }
  if (parsed.options->help) {
    std::cout << batch::UsageText();
    return 0;
  }
  batch::InputText input;
  std::string error;
  if (!input.Open(parsed.options->input, error)) {
    std::cerr << "velkar-batch: " << error << '\n';
    return 2;
  }
  return Run(*parsed.options, input.Text());
}
