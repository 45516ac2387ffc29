// The colour schemes of the contoured diagram: a density value between the
// minimum and the maximum of the scale becomes a colour. The rose diagram,
// the trend map and the vector contoured picture colour by the same
// function; every caller passes minimum 0.
#pragma once

#include <optional>

#include "data/colour.hpp"
#include "raster/image.hpp"

namespace velkar::contour {

// The scheme codes of the four radio buttons.
enum class ColourScheme {
  BlueGreenRed = 1,  // blue, green, yellow, red over 510 steps
  TwoColours = 2,    // from the minimum swatch to the maximum swatch
  Rainbow = 3,       // blue, cyan, green, yellow, red, magenta, white over 766 steps
  ThreeColours = 7,  // 0 %, 50 % and 100 % swatches
};

// The scheme of a code 1, 2, 3 or 7; empty for any other code.
std::optional<ColourScheme> ColourSchemeFromCode(int code);

// The swatch colours of schemes 2 and 7, with the defaults of the window.
struct SchemeColours {
  data::Rgb minimum{255, 255, 253};   // scheme 2 at the minimum
  data::Rgb maximum{0, 128, 255};     // scheme 2 at the maximum
  data::Rgb at_0{0, 128, 255};        // scheme 7 at the minimum
  data::Rgb at_50{255, 255, 128};     // scheme 7 at half the scale
  data::Rgb at_100{255, 0, 0};        // scheme 7 at the maximum
};

// The colour of value on the scale minimum..maximum.
//
// Schemes 1 and 3 place the value at t = R((value - minimum) / ((maximum -
// minimum) / span)) on a ramp of span 510 or 766 steps; scheme 2 moves each
// channel from its minimum colour by R((value - minimum) / ((maximum -
// minimum) / |difference|)) towards its maximum colour; scheme 7 does so
// from the 0 % colour to the 50 % colour below (maximum - minimum) / 2 and
// from the 50 % to the 100 % colour from there up. Pure white becomes
// (254, 255, 255) in scheme 2 and (253, 253, 253) in scheme 7. R rounds
// halves to even.
//
// Discrete: the value and the maximum are truncated to whole numbers first;
// scheme 3 also rounds t to a multiple of 100 (halves to the even multiple).
//
// Positions outside a ramp (a value outside the scale, t of 750 and more in
// the discrete scheme 3, a scale of zero width, anything not a number) take
// the ramp's nearer end colour; no case divides by zero.
data::Rgb ContourColour(ColourScheme scheme, bool discrete, double value, double minimum, double maximum,
                        const SchemeColours& colours = {});

// The preview strip of a scheme: the image becomes 40 x 12 pixels, and
// pixel (i, j) gets the colour of the value 40 - i on the scale 0..40, not
// discrete.
void DrawSchemePreview(raster::RasterImage& image, ColourScheme scheme, const SchemeColours& colours = {});

}  // namespace velkar::contour
