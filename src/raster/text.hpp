// Text on raster images: legends, counts, labels and the north letter.
#pragma once

#include <string_view>

#include "raster/image.hpp"

namespace velkar::raster {

// Text size in pixels for a size in points, as the desktop shows it at 96
// dots per inch, rounded to whole pixels (12 pt -> 16 px, 14 pt -> 19 px).
double FontPixelSize(double points);

// Draws UTF-8 text in Arial (any sans face the system substitutes for it),
// anti-aliased, at the given size in points (FontPixelSize), so that pixel
// (x, y) is the top-left pixel of the text cell: the cell's top is the
// font's ascent above the baseline, as desktop text placement has it. Empty
// text draws nothing.
void DrawTextAt(RasterImage& image, std::string_view text, int x, int y, double points, Argb colour);

}  // namespace velkar::raster
