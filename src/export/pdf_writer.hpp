// The vector picture as a PDF page, drawn through Cairo.
#pragma once

#include <string>

#include "export/vector_picture.hpp"

namespace velkar::export_ {

// A one-page PDF of 120 mm x 120 mm (340.16 pt) on which the 12000 drawing
// units span the page. Shapes are filled with the brush (even-odd) and then
// outlined with the pen, lines with round caps and joins; text is set in the
// font Cairo's font configuration finds for the name, top-left aligned.
// Throws std::runtime_error with Cairo's message when Cairo fails.
std::string WritePdf(const VectorPicture& picture);

}  // namespace velkar::export_
