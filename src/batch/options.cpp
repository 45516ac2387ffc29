#include "batch/options.hpp"

#include <array>

namespace velkar::batch {

namespace {

constexpr std::array<const char*, 4> kCommands = {"read", "eigen", "cosines", "filter"};

std::optional<data::PlotMode> ParseMode(const std::string& s) {
  if (s == "lines") return data::PlotMode::Lines;
  if (s == "circles") return data::PlotMode::Circles;
  if (s == "poles") return data::PlotMode::Poles;
  if (s == "synoptic") return data::PlotMode::Synoptic;
  return std::nullopt;
}

std::string DelimiterFromWord(const std::string& s) {
  if (s == "tab") return "\t";
  if (s == "space") return " ";
  return s;
}

}  // namespace

ParseResult ParseArguments(const std::vector<std::string>& args, shell::Language default_language) {
  BatchOptions o;
  o.language = default_language;
  std::vector<std::string> positional;
  const auto fail = [](std::string message) { return ParseResult{std::nullopt, std::move(message)}; };

  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    std::string v;
    if (a == "-h" || a == "--help") {
      o.help = true;
    } else if (a == "--mode") {
      if (!value(v)) return fail("--mode needs a value: lines, circles, poles or synoptic");
      const auto mode = ParseMode(v);
      if (!mode) return fail("unknown plot mode '" + v + "': use lines, circles, poles or synoptic");
      o.data.mode = *mode;
    } else if (a == "--delimiter") {
      if (!value(v)) return fail("--delimiter needs a value (a character, 'tab' or 'space')");
      o.data.delimiter = DelimiterFromWord(v);
    } else if (a == "--detect-delimiter") {
      o.detect_delimiter = true;
    } else if (a == "--lang") {
      if (!value(v)) return fail("--lang needs a value: cs or en");
      if (v == "cs") o.language = shell::Language::Czech;
      else if (v == "en") o.language = shell::Language::English;
      else return fail("unknown language '" + v + "': use cs or en");
    } else if (a.size() > 1 && a[0] == '-' && a != "-") {
      return fail("unknown option '" + a + "' (see --help)");
    } else {
      positional.push_back(a);
    }
  }
  if (o.help) return {o, {}};
  if (positional.empty()) return fail("no command given (see --help)");
  o.command = positional[0];
  bool known = false;
  for (const char* c : kCommands) known = known || o.command == c;
  if (!known) return fail("unknown command '" + o.command + "' (see --help)");
  if (positional.size() < 2) return fail(o.command + " needs a data file, or - for standard input");
  if (positional.size() > 2) return fail("too many arguments: '" + positional[2] + "'");
  o.input = positional[1];
  return {o, {}};
}

std::string UsageText() {
  return R"(Usage: velkar-batch COMMAND [OPTIONS] FILE

Reads an orientation data text (one measurement per line, FILE or - for
standard input) and writes the result to standard output.

Commands:
  read       how every line is understood: one tab-separated row per line
             (line, element, azimuth, dip, code, colour, tensor azimuth and dip)
  eigen      the orientation-matrix text: eigenvectors, eigenvalues and the
             shape parameters Fi, Lode ratio, zeta and gamma
  cosines    direction cosines (x y z per line) converted to data lines;
             a bad line gives exit status 1 and a message naming it
  filter     the text without lines that do not start with a digit or '-'

Options:
  --mode lines|circles|poles|synoptic   plot mode (default lines)
  --delimiter TEXT     field delimiter (default /); the words tab and space
                       stand for those characters
  --detect-delimiter   take the delimiter from the first line of the data
  --lang cs|en         language of the texts (default: the interface language
                       of the environment, Czech when it is cs)
  -h, --help           this text

Numbers are written with the decimal separator of the numeric locale
(LC_ALL, LC_NUMERIC, LANG): a comma under cs_CZ.

Exit status: 0 success, 1 the command failed on the data, 2 bad usage or a
file that cannot be read.
)";
}

}  // namespace velkar::batch
