// velkar-batch: the command-line front end to the engine.
#include <cctype>
#include <iostream>
#include <string>
#include <vector>

#include "batch/contour_command.hpp"
#include "batch/input_text.hpp"
#include "batch/options.hpp"
#include "batch/output_file.hpp"
#include "data/data_text.hpp"
#include "export/emf_writer.hpp"
#include "export/pdf_writer.hpp"
#include "export/svg_writer.hpp"
#include "geometry/tensor.hpp"
#include "raster/image.hpp"
#include "text/language.hpp"

namespace {

using namespace velkar;

// The output format from the file name's extension, in lower case.
std::string Extension(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  const std::size_t slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string e = path.substr(dot + 1);
  for (char& c : e) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return e;
}

// Standard output written out: 0, or 1 with a message when it could not be
// (a full disk, a closed pipe), so that a script never takes a cut-off result
// for a whole one.
int FinishStandardOutput() {
  std::cout.flush();
  if (std::cout) return 0;
  std::cerr << "velkar-batch: cannot write the output\n";
  return 1;
}

int Plot(const batch::BatchOptions& o, const stereonet::PlotSettings& settings, std::string_view text) {
  const std::string format = Extension(o.output);
  if (format != "png" && format != "svg" && format != "pdf" && format != "emf") {
    std::cerr << "velkar-batch: cannot tell the picture format of '" << o.output
              << "': use .png, .svg, .pdf or .emf\n";
    return 2;
  }
  raster::RasterImage diagram;
  const stereonet::PlotResult result = stereonet::PlotData(text, settings, diagram);
  std::string bytes;
  if (format == "png") bytes = diagram.EncodePng();
  else if (format == "svg") bytes = export_::WriteSvg(result.picture);
  else if (format == "pdf") bytes = export_::WritePdf(result.picture);
  else bytes = export_::WriteEmf(result.picture);
  if (bytes.empty()) {
    std::cerr << "velkar-batch: cannot encode the picture\n";
    return 1;
  }
  if (!batch::WriteOutputFile(o.output, bytes)) return 1;
  if (o.report) {
    std::cout << result.status_text << '\n';
    if (result.matrix_text) std::cout << *result.matrix_text << '\n';
  }
  return 0;
}

int Run(const batch::BatchOptions& o, std::string_view text) {
  const char separator = text::DecimalSeparatorFromEnvironment();
  stereonet::PlotSettings plot = o.settings;
  plot.decimal_separator = separator;
  if (o.detect_delimiter) plot.data.delimiter = data::DetectDelimiter(data::FirstLine(text));
  const data::DataSettings& settings = plot.data;
  const text::Language language = plot.language;

  if (o.command == "read") {
    std::cout << data::DataReadReport(text, settings, separator);
  } else if (o.command == "eigen") {
    const data::TensorSum sum = data::AccumulateTensor(text, settings);
    std::cout << geometry::OrientationMatrixText(geometry::EigenAnalysis(sum.tensor), language, separator)
              << '\n';
  } else if (o.command == "cosines") {
    const data::ConversionResult r =
        data::DirectionCosinesToData(text, settings.delimiter, separator, language);
    if (!r.ok) {
      std::cerr << "velkar-batch: " << r.error << '\n';
      return 1;
    }
    std::cout << r.text;
  } else if (o.command == "filter") {
    std::cout << data::FilterDataText(text);
  } else if (o.command == "plot") {
    if (const int status = Plot(o, plot, text); status != 0) return status;
  } else if (o.command == "contour") {
    if (const int status = batch::RunContour(o.contour, o.output, o.report, plot, text); status != 0) return status;
  }
  return FinishStandardOutput();
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  const batch::ParseResult parsed = batch::ParseArguments(args, text::LanguageFromEnvironment());
  if (!parsed.options) {
    std::cerr << "velkar-batch: " << parsed.error << '\n';
    return 2;
  }
  if (parsed.options->help) {
    std::cout << batch::UsageText();
    return FinishStandardOutput();
  }
  batch::InputText input;
  std::string error;
  if (const batch::InputText::Status status = input.Open(parsed.options->input, parsed.options->raw, error);
      status != batch::InputText::Status::kRead) {
    std::cerr << "velkar-batch: " << error << '\n';
    return status == batch::InputText::Status::kChanged ? 1 : 2;
  }
  return Run(*parsed.options, input.Text());
}
