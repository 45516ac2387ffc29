// Arbitrary bytes through the file reading, the line reader, the splitter,
// the number reader and the commands over the data text: nothing may crash,
// hang or let a non-finite number reach a text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "data/data_line.hpp"
#include "data/data_text.hpp"
#include "data/file_text.hpp"
#include "data/line_reader.hpp"
#include "geometry/numbers.hpp"
#include "geometry/tensor.hpp"
#include "stereonet/projection.hpp"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool HasNonFiniteText(const std::string& s) {
  return s.find("NAN") != std::string::npos || s.find("INF") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace velkar;
  if (size < 2) return 0;
  const auto mode = static_cast<data::PlotMode>(bytes[0] % 4);
  // The second byte picks the delimiter: one of the usual ones, or a byte of the input.
  const char delimiters[] = {'/', ';', '\t', ' ', ','};
  const std::string delimiter(1, bytes[1] < 200 ? delimiters[bytes[1] % 5] : static_cast<char>(bytes[1]));
  const std::string_view text(reinterpret_cast<const char*>(bytes + 2), size - 2);

  data::LineReader reader(text);
  for (std::string_view line; reader.Next(line);) {
    const double x = geometry::ReadNumber(line);
    Require(std::isfinite(x));
    (void)geometry::ReadInteger(line);
    const data::DataLine d = data::ParseDataLine(line, delimiter, mode);
    const raster::SurfacePoint p = stereonet::ProjectOrientation(d.orientation, stereonet::kMainScale);
    Require(std::isfinite(p.x) && std::isfinite(p.y));
  }

  const data::DataSettings settings{data::DetectDelimiter(data::FirstLine(text)), mode};
  const data::TensorSum sum = data::AccumulateTensor(text, settings);
  for (double v : sum.tensor.m) Require(std::isfinite(v));
  const geometry::EigenResult r = geometry::EigenAnalysis(sum.tensor);
  Require(!HasNonFiniteText(geometry::OrientationMatrixText(r, text::Language::English, '.')));

  // One way in: the text made of file bytes, also where it is used in place,
  // is UTF-8 with LF line ends.
  const std::string made = data::FilterDataText(data::FileTextFromBytes(text));
  Require(data::DataTextFromFileBytes(text) == made);
  if (const auto in_place = data::DataTextInPlace(text)) Require(*in_place == made);
  Require(data::IsValidUtf8(made) && made.find('\r') == std::string::npos);
  // A quoted line is short UTF-8 text without control characters.
  const std::string quoted = data::QuoteLine(text);
  Require(data::IsValidUtf8(quoted) && quoted.size() <= 80 * 6 + 3);
  for (const char c : quoted) Require(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
  (void)data::ReplaceDelimiter(text, delimiter, settings.delimiter);
  const data::ConversionResult c = data::DirectionCosinesToData(text, "/", '.', text::Language::Czech);
  Require(c.ok || c.error_line > 0);
  Require(!HasNonFiniteText(c.text));
  if (size < 4096) Require(!HasNonFiniteText(data::DataReadReport(text, settings, ',')));
  return 0;
}
