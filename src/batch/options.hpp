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
  bool raw = false;                   // keep the lines the entry filter drops
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

// What an option's value is: text the program reads or draws, or a file name.
enum class OptionValue { Text, FileName };

// Takes the value that follows the option at args[i], moving i to it. False,
// with error set to one line, when there is none, or when a text value is not
// valid UTF-8 (it would draw as nothing or split no field); a file name may be
// any bytes, as Linux allows.
bool TakeOptionValue(const std::vector<std::string>& args, std::size_t& i, const char* what, OptionValue kind,
                     std::string& error);

// Parses the arguments after the program name. The language defaults to the
// user's interface language.
ParseResult ParseArguments(const std::vector<std::string>& args, text::Language default_language);

// The --help text.
std::string UsageText();

}  // namespace velkar::batch
