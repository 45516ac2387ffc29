#include "batch/contour_command.hpp"

#include <chrono>
#include <charconv>
#include <iostream>

#include "batch/options.hpp"
#include "batch/output_file.hpp"
#include "contour/contour_redraw.hpp"
#include "contour/density.hpp"
#include "data/colour.hpp"
#include "data/line_reader.hpp"
#include "geometry/numbers.hpp"
#include "raster/image.hpp"

namespace velkar::batch {

namespace {

constexpr int kMaxThreads = 64;

bool EndsWithPng(const std::string& path) {
  if (path.size() < 4) return false;
  std::string e = path.substr(path.size() - 4);
  for (char& c : e) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return e == ".png";
}

// 17 significant digits with a point, whatever the locale.
std::string Precise(double v) {
  char buffer[32];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 17);
  return std::string(buffer, r.ptr);
}

}  // namespace

OptionParse ParseContourOption(const std::vector<std::string>& args, std::size_t& i, ContourOptions& o,
                               std::string& error) {
  const std::string& a = args[i];
  const std::string v = i + 1 < args.size() ? args[i + 1] : std::string();
  const auto value = [&](const char* what, OptionValue kind = OptionValue::Text) {
    return TakeOptionValue(args, i, what, kind, error);
  };
  const auto colour = [&](data::Rgb& target) {
    if (!value("a colour #rrggbb")) return OptionParse::Failed;
    const auto c = data::ParseHexColour(v);
    if (!c) {
      error = a + " must be a colour #rrggbb, not '" + v + "'";
      return OptionParse::Failed;
    }
    target = *c;
    return OptionParse::Taken;
  };
  shell::ContourControls& c = o.controls;
  if (a == "--percent") {
    c.percent = true;
  } else if (a == "--discrete") {
    c.discrete = true;
  } else if (a == "--no-contours") {
    c.contours = false;
  } else if (a == "--half") {
    c.half_interval = true;
  } else if (a == "--smoothing") {
    if (!value("a number from 1 to 666")) return OptionParse::Failed;
    c.smoothing_text = v;
    o.smoothing_given = true;
  } else if (a == "--scheme") {
    if (!value("1, 2, 3 or 7")) return OptionParse::Failed;
    const auto code = geometry::ReadIntegerInRange(v, 1, 7);
    const auto scheme = code ? contour::ColourSchemeFromCode(*code) : std::nullopt;
    if (!scheme) {
      error = "--scheme must be 1, 2, 3 or 7, not '" + v + "'";
      return OptionParse::Failed;
    }
    c.scheme = *scheme;
  } else if (a == "--threads") {
    if (!value("a whole number from 1 to 64")) return OptionParse::Failed;
    const auto n = geometry::ReadIntegerInRange(v, 1, kMaxThreads);
    if (!n) {
      error = "--threads must be a whole number from 1 to 64, not '" + v + "'";
      return OptionParse::Failed;
    }
    o.threads = *n;
  } else if (a == "--grid") {
    if (!value("the table file", OptionValue::FileName)) return OptionParse::Failed;
    o.grid_path = v;
  } else if (a == "--min-colour" || a == "--min-color") {
    return colour(c.colours.minimum);
  } else if (a == "--max-colour" || a == "--max-color") {
    return colour(c.colours.maximum);
  } else if (a == "--colour-0" || a == "--color-0") {
    return colour(c.colours.at_0);
  } else if (a == "--colour-50" || a == "--color-50") {
    return colour(c.colours.at_50);
  } else if (a == "--colour-100" || a == "--color-100") {
    return colour(c.colours.at_100);
  } else {
    return OptionParse::NotMine;
  }
  return OptionParse::Taken;
}

std::string CheckContourOptions(const ContourOptions& o) {
  const shell::ContourControls& c = o.controls;
  if (c.percent && o.smoothing_given && c.smoothing_text != contour::kPercentScaleSmoothing) {
    return "--percent fixes the smoothing at " + std::string(contour::kPercentScaleSmoothing) +
           "; leave out --smoothing " + c.smoothing_text;
  }
  return {};
}

std::string GridTable(const contour::DensityState& state) {
  std::string out;
  out.reserve(static_cast<std::size_t>(contour::kGridSize) * contour::kGridSize * 28);
  for (int x = 0; x < contour::kGridSize; ++x) {
    const std::string column = std::to_string(x) + '\t';
    for (int y = 0; y < contour::kGridSize; ++y) {
      out += column;
      out += std::to_string(y);
      out += '\t';
      out += Precise(state.grid[x][y]);
      out += '\n';
    }
  }
  return out;
}

int RunContour(const ContourOptions& o, const std::string& output, bool report,
               const stereonet::PlotSettings& settings, std::string_view text) {
  if (!EndsWithPng(output)) {
    std::cerr << "velkar-batch: contour writes a PNG picture: '" << output << "' does not end in .png\n";
    return 2;
  }
  // The count of the lines is what a plot of the same text leaves.
  const std::size_t lines = data::CountLines(text);
  contour::ContourSettings cs = shell::MakeContourSettings(o.controls, settings, lines);
  cs.thread_count = o.threads;

  const auto start = std::chrono::steady_clock::now();
  contour::ContourOutcome outcome = contour::ComputeDensity(text, cs);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (outcome.status == contour::ContourStatus::NothingToDo) {
    std::cerr << "velkar-batch: nothing to contour: the first line of the data is empty\n";
    return 1;
  }
  if (outcome.status != contour::ContourStatus::Computed || !outcome.state) {
    std::cerr << "velkar-batch: " << (outcome.message.empty() ? "the computation was stopped" : outcome.message)
              << '\n';
    return 1;
  }
  const contour::DensityState& state = *outcome.state;

  if (!o.grid_path.empty() && !WriteOutputFile(o.grid_path, GridTable(state))) return 1;

  raster::RasterImage diagram;
  contour::LevelGrid levels = contour::MakeLevelGrid();
  const contour::RedrawResult drawn =
      contour::DrawContouredDiagram(diagram, state, shell::MakeRedrawSettings(o.controls, settings, lines), levels);
  const std::string bytes = diagram.EncodePng();
  if (bytes.empty()) {
    std::cerr << "velkar-batch: cannot encode the picture\n";
    return 1;
  }
  if (!WriteOutputFile(output, bytes)) return 1;

  if (report) {
    std::cout << "maximum\t" << Precise(state.maximum) << '\n'
              << "minimum\t" << Precise(state.minimum) << '\n'
              << "maximum position\t" << state.maximum_x << '\t' << state.maximum_y << '\n'
              << "smoothing\t" << Precise(state.smoothing) << '\n'
              << "data count\t" << state.data_vectors.size() << '\n'
              << "variant\t" << (state.variant == contour::DensityVariant::Binned ? "binned" : "direct") << '\n'
              << "threads\t" << outcome.thread_count << '\n'
              << "kernel\t" << contour::KernelPathName(cs.kernel) << '\n'
              << "time\t" << geometry::FormatRounded(seconds, 4) << " s\n";
    if (drawn.level_legend) std::cout << "legend\t" << *drawn.level_legend << '\n';
    if (drawn.matrix_text) std::cout << *drawn.matrix_text << '\n';
  }
  return 0;
}

std::string ContourUsageText() {
  return R"(Options for contour (besides --shadow, --north and --colour, the colour of
the contour lines, of plot):
  -o, --output OUT.png the contoured diagram (500 x 513)
  --legend on|off|grey the colour bar, the level legend and "n = ": grey
                       leaves out the colour bar (default on)
  --orientation off|on|grey   the eigenvector overlay in black, translucent
                       when grey (default off)
  --smoothing S        the smoothing, 1..666 (default 64); larger is narrower
  --percent            the fixed percentage scale ("1% o"): the share of the
                       data within a cone around the densest direction; it
                       fixes the smoothing at 64
  --scheme 1|2|3|7     colour scheme: 1 blue-green-red (default), 2 two
                       colours, 3 rainbow, 7 three colours
  --discrete           one colour per whole unit of density
  --no-contours        no contour lines and no level legend
  --half               half-unit contour levels below a maximum of 5.5 ("0,5 %")
  --min-colour, --max-colour #rrggbb   the colours of scheme 2
                       (default #fffffd and #0080ff)
  --colour-0, --colour-50, --colour-100 #rrggbb   the colours of scheme 7
                       (default #0080ff, #ffff80 and #ff0000)
  --threads N          worker threads, 1..64 (default: the processors, 4 at
                       most with fewer than 400 data)
  --grid FILE.tsv      the normalised density grid, one line per node:
                       x, y, value (17 significant digits, a point; -666
                       outside the net)
  --report             print the maximum, minimum, maximum position,
                       smoothing, data count, variant, thread count, kernel
                       and the computing time (numbers with a point), then
                       the level legend and, with the overlay, the
                       orientation-matrix text
  More than 32760 lines are binned into whole-degree cells first. A refused
  smoothing or the synoptic mode prints the message and exits with 1; so does
  a data text whose first line is empty (nothing to contour).

)";
}

}  // namespace velkar::batch
