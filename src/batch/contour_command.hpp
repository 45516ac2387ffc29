// velkar-batch contour: the density grid of the data, drawn as a contoured
// diagram into a PNG file, with the grid as a table and a report on demand.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "contour/density.hpp"
#include "shell/command_settings.hpp"
#include "stereonet/plot_command.hpp"

namespace velkar::batch {

struct ContourOptions {
  // --smoothing, --percent, --scheme, the scheme colours, --discrete,
  // --no-contours and --half: what the window's two groups hold.
  shell::ContourControls controls;
  bool smoothing_given = false;      // --smoothing was given
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
