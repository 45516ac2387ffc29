// velkar-batch contour: the density grid of the data, drawn as a contoured
// diagram into a PNG file, with the grid as a table and a report on demand.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "contour/colour_scheme.hpp"
#include "contour/density.hpp"
#include "stereonet/plot_command.hpp"

namespace velkar::batch {

struct ContourOptions {
  std::string smoothing = "64";      // --smoothing: the text of the smoothing field
  bool smoothing_given = false;
  bool percent = false;              // --percent: "1% o", which fixes the smoothing at 64
  contour::ColourScheme scheme = contour::ColourScheme::BlueGreenRed;
  contour::SchemeColours colours;
  bool discrete = false;
  bool contours = true;              // --no-contours clears it
  bool half_interval = false;        // --half: "0,5 %"
  int threads = 0;                   // --threads: 0 = the processor rule
  std::string grid_path;             // --grid: the normalised grid as a table
};

enum class OptionParse { NotMine, Taken, Failed };

// Takes the contour option at args[i] (and its value, moving i past it);
// Failed sets error to one line.
OptionParse ParseContourOption(const std::vector<std::string>& args, std::size_t& i, ContourOptions& options,
                               std::string& error);
// A check of the options together; empty when they fit.
std::string CheckContourOptions(const ContourOptions& options);

// Runs the command: exit status 0, or 1 when the command is refused (the
// message on standard error) or an output cannot be written, 2 when the
// picture file is not a .png.
int RunContour(const ContourOptions& options, const std::string& output, bool report,
               const stereonet::PlotSettings& settings, std::string_view text);

// The lines of the grid table: x, y and the value with a point and 17
// significant digits, tab-separated, x outer and y inner, -666 outside.
std::string GridTable(const contour::DensityState& state);

// The contour part of --help.
std::string ContourUsageText();

}  // namespace velkar::batch
