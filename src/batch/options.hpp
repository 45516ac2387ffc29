// Command-line options of velkar-batch.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/contour_command.hpp"
#include "text/language.hpp"
#include "stereonet/plot_command.hpp"

namespace velkar::batch {

struct BatchOptions {
  std::string command;                // read, eigen, cosines, filter, plot, contour
  std::string input;                  // a file name, or "-" for standard input
  std::string output;                 // plot, contour: the picture file (-o)
  bool detect_delimiter = false;
  bool report = false;                // plot: print the status and matrix texts
  bool help = false;
  // Delimiter, plot mode, language and the plot's display settings.
  stereonet::PlotSettings settings;
  ContourOptions contour;             // contour: smoothing, scale, scheme and outputs
};

struct ParseResult {
  std::optional<BatchOptions> options;
  std::string error;  // one line, when options is empty
};

// Parses the arguments after the program name. The language defaults to the
// user's interface language.
ParseResult ParseArguments(const std::vector<std::string>& args, text::Language default_language);

// The --help text.
std::string UsageText();

}  // namespace velkar::batch
