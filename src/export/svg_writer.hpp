// The vector picture as an SVG document.
#pragma once

#include <string>

#include "export/vector_picture.hpp"

namespace velkar::export_ {

// A standalone SVG 1.1 document of 120 mm x 120 mm whose viewBox is the
// drawing space "0 0 12000 12000". Consecutive shapes with the same pen and
// brush share one group carrying stroke, stroke-width and fill; polygons and
// poly-polygons fill even-odd, as the picture's alternate rule asks; text is
// a <text> element with font-family, font-size (the em height), font-weight
// and fill, its baseline placed one ascent of the font below the position.
// Never fails; the text is UTF-8 with invalid bytes as U+FFFD.
std::string WriteSvg(const VectorPicture& picture);

}  // namespace velkar::export_
