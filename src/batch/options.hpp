// Command-line options of velkar-batch.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/data_text.hpp"
#include "shell/language.hpp"

namespace velkar::batch {

struct BatchOptions {
  std::string command;           // read, eigen, cosines, filter
  std::string input;             // a file name, or "-" for standard input
  data::DataSettings data;
  bool detect_delimiter = false;
  shell::Language language = shell::Language::English;
  bool help = false;
};

struct ParseResult {
  std::optional<BatchOptions> options;
  std::string error;  // one line, when options is empty
};

// Parses the arguments after the program name. The language defaults to the
// user's interface language.
ParseResult ParseArguments(const std::vector<std::string>& args, shell::Language default_language);

// The --help text.
std::string UsageText();

}  // namespace velkar::batch
