#include "batch/options.hpp"

#include <array>

#include "data/colour.hpp"
#include "data/file_text.hpp"
#include "geometry/numbers.hpp"

namespace velkar::batch {

namespace {

constexpr std::array<const char*, 6> kCommands = {"read", "eigen", "cosines", "filter", "plot", "contour"};

std::optional<data::PlotMode> ParseMode(const std::string& s) {
  if (s == "lines") return data::PlotMode::Lines;
  if (s == "circles") return data::PlotMode::Circles;
  if (s == "poles") return data::PlotMode::Poles;
  if (s == "synoptic") return data::PlotMode::Synoptic;
  return std::nullopt;
}

std::optional<stereonet::TriState> ParseTriState(const std::string& s, const char* ticked) {
  if (s == ticked) return stereonet::TriState::Ticked;
  if (s == "off") return stereonet::TriState::Clear;
  if (s == "grey" || s == "gray") return stereonet::TriState::Grayed;
  return std::nullopt;
}

std::string DelimiterFromWord(const std::string& s) {
  if (s == "tab") return "\t";
  if (s == "space") return " ";
  return s;
}

}  // namespace

bool TakeOptionValue(const std::vector<std::string>& args, std::size_t& i, const char* what, OptionValue kind,
                     std::string& error) {
  const std::string& option = args[i];
  if (i + 1 >= args.size()) {
    error = option + " needs a value: " + what;
    return false;
  }
  if (kind == OptionValue::Text && !data::IsValidUtf8(args[i + 1])) {
    error = option + " takes UTF-8 text, and the value given is not valid UTF-8";
    return false;
  }
  ++i;
  return true;
}

ParseResult ParseArguments(const std::vector<std::string>& args, text::Language default_language) {
  BatchOptions o;
  stereonet::PlotSettings& p = o.settings;
  p.language = default_language;
  std::vector<std::string> positional;
  const auto fail = [](std::string message) { return ParseResult{std::nullopt, std::move(message)}; };

  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const std::string v = i + 1 < args.size() ? args[i + 1] : std::string();
    // Options that take a value consume the next argument.
    const auto needs = [&](const char* what, OptionValue kind = OptionValue::Text) -> std::optional<ParseResult> {
      if (std::string error; !TakeOptionValue(args, i, what, kind, error)) return fail(error);
      return std::nullopt;
    };
    if (a == "-h" || a == "--help") {
      o.help = true;
    } else if (a == "--detect-delimiter") {
      o.detect_delimiter = true;
    } else if (a == "--raw") {
      o.raw = true;
    } else if (a == "--shadow") {
      p.shadow = true;
    } else if (a == "--report") {
      o.report = true;
    } else if (a == "--mode") {
      if (auto e = needs("lines, circles, poles or synoptic")) return *e;
      const auto mode = ParseMode(v);
      if (!mode) return fail("unknown plot mode '" + v + "': use lines, circles, poles or synoptic");
      p.data.mode = *mode;
    } else if (a == "--delimiter") {
      if (auto e = needs("a character, 'tab' or 'space'")) return *e;
      p.data.delimiter = DelimiterFromWord(v);
      // An empty delimiter would misread every line.
      if (p.data.delimiter.empty()) return fail("--delimiter must not be empty: give a character, 'tab' or 'space'");
    } else if (a == "--lang") {
      if (auto e = needs("cs or en")) return *e;
      if (v == "cs") p.language = text::Language::Czech;
      else if (v == "en") p.language = text::Language::English;
      else return fail("unknown language '" + v + "': use cs or en");
    } else if (a == "-o" || a == "--output") {
      if (auto e = needs("the picture file (.png, .svg, .pdf or .emf)", OptionValue::FileName)) return *e;
      o.output = v;
    } else if (a == "--size") {
      if (auto e = needs("a slider position 2..8")) return *e;
      const auto n = geometry::ReadIntegerInRange(v, 2, 8);
      if (!n) return fail("--size must be a whole number from 2 to 8, not '" + v + "'");
      p.symbol_size_position = *n;
    } else if (a == "--opacity") {
      if (auto e = needs("0..255")) return *e;
      const auto n = geometry::ReadIntegerInRange(v, 0, 255);
      if (!n) return fail("--opacity must be a whole number from 0 to 255, not '" + v + "'");
      p.great_circle_opacity = *n;
    } else if (a == "--colour" || a == "--color" || a == "--orientation-colour" || a == "--orientation-color") {
      if (auto e = needs("a colour #rrggbb")) return *e;
      const auto c = data::ParseHexColour(v);
      if (!c) return fail(a + " must be a colour #rrggbb, not '" + v + "'");
      (a.rfind("--orientation", 0) == 0 ? p.orientation_colour : p.element_colour) = *c;
    } else if (a == "--orientation") {
      if (auto e = needs("off, on or grey")) return *e;
      const auto t = ParseTriState(v, "on");
      if (!t) return fail("--orientation must be off, on or grey, not '" + v + "'");
      p.orientation = *t;
    } else if (a == "--legend") {
      if (auto e = needs("on, off or grey")) return *e;
      const auto t = ParseTriState(v, "on");
      if (!t) return fail("--legend must be on, off or grey, not '" + v + "'");
      p.legend = *t;
    } else if (a == "--north") {
      if (auto e = needs("the north letter")) return *e;
      p.north_letter = v;
    } else if (std::string error; ParseContourOption(args, i, o.contour, error) != OptionParse::NotMine) {
      if (!error.empty()) return fail(error);
    } else if (a.size() > 1 && a[0] == '-') {
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
  if (o.command == "plot" && o.output.empty()) return fail("plot needs -o OUT (.png, .svg, .pdf or .emf)");
  if (o.command == "contour" && o.output.empty()) return fail("contour needs -o OUT.png");
  if (const std::string e = CheckContourOptions(o.contour); !e.empty()) return fail(e);
  return {o, {}};
}

std::string UsageText() {
  return R"(Usage: velkar-batch COMMAND [OPTIONS] FILE

Reads an orientation data text (one measurement per line, FILE or - for
standard input) and writes the result to standard output. The text is read
as the window's Open reads a file: UTF-8 (without a byte-order mark), else
Windows-1250; LF, CR LF or CR line ends; only the lines that start with a
digit or '-' (see --raw).

Commands:
  read       how every line is understood: one tab-separated row per line
             (line, element, azimuth, dip, code, colour, tensor azimuth and dip)
  eigen      the orientation-matrix text: eigenvectors, eigenvalues and the
             shape parameters Fi, Lode ratio, zeta and gamma
  cosines    direction cosines (x y z per line) converted to data lines;
             a bad line gives exit status 1 and a message naming it
  filter     the data text as every command reads it
  plot       the diagram: -o OUT.png writes the raster diagram (500 x 513),
             -o OUT.svg, OUT.pdf or OUT.emf the vector picture (120 mm square)
  contour    the density-contoured diagram: -o OUT.png

Options for every command:
  --mode lines|circles|poles|synoptic   plot mode (default lines)
  --delimiter TEXT     field delimiter (default /, never empty); the words tab
                       and space stand for those characters
  --detect-delimiter   take the delimiter from the first line of the data
  --raw                take the text as it is (decoded, LF line ends), every
                       line kept; line numbers then count every line of the
                       file
  --lang cs|en         language of the texts (default: the interface language
                       of the environment, Czech when it is cs)
  -h, --help           this text

Options for plot:
  -o, --output OUT     the picture file; its extension chooses the format
  --size 2..8          symbol size slider position (default 3)
  --colour #rrggbb     element colour (default #000000)
  --opacity 0..255     opacity of the great circles of lines and circles modes
                       (default 255)
  --orientation off|on|grey   eigenvector overlay: on draws it in the
                       orientation colour with open symbols, grey in red, green
                       and blue with filled symbols (default off)
  --orientation-colour #rrggbb   colour of the overlay when on (default #ff0000)
  --legend on|off|grey the "n = " count: on in both pictures, grey only in the
                       raster diagram (default on)
  --shadow             the drop shadow of the net
  --north TEXT         the north letter (default N)
  --report             print the status text and, with the overlay, the
                       orientation-matrix text

)" + ContourUsageText() + R"(Numbers are written with the decimal separator of the numeric locale
(LC_ALL, LC_NUMERIC, LANG): a comma under cs_CZ.

Option values are UTF-8 text; file names may be any bytes.

Exit status: 0 success, 1 the command failed on the data or its output, or
the input file changed while it was read, 2 bad usage or a file that cannot
be read.
)";
}

}  // namespace velkar::batch
