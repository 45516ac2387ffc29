// Drawing primitives of the exported vector diagrams: the net, its frame and
// the marks of planes and lines, drawn into a VectorPicture.
//
// Drawing space: integers 0..12000 in x (right) and y (down), hundredths of a
// millimetre of the 120 mm square picture. The net is the lower-hemisphere
// equal-area net centred at (5940, 6300) with radius 5400, north up. An
// Orientation is (azimuth, dip) in degrees as everywhere in the program; the
// primitives take it as given (no normalisation), so a dip over 90 lands on
// the opposite side and a negative dip outside the net, as in the raster
// diagram.
#pragma once

#include <array>
#include <cstdint>

#include "data/colour.hpp"
#include "export/vector_picture.hpp"
#include "geometry/equal_area.hpp"
#include "geometry/vectors.hpp"

namespace velkar::export_ {

inline constexpr std::int32_t kNetCentreX = 5940;
inline constexpr std::int32_t kNetCentreY = 6300;
inline constexpr std::int32_t kNetRadiusX = 5400;
inline constexpr std::int32_t kNetRadiusY = 5400;
inline constexpr std::int32_t kTickBaseX = 1500;
inline constexpr std::int32_t kTickBaseY = 1500;
// Tick base / 8 = 187.5, rounded halves to even.
inline constexpr std::int32_t kTickLength = 188;
// The picture frame in hundredths of a millimetre, the same as the drawing
// space: 120 mm square.
inline constexpr std::int32_t kFrameWidth = 12000;
inline constexpr std::int32_t kFrameHeight = 12000;
// Base of the symbol half sizes the plot command derives from its size slider.
inline constexpr std::int32_t kSymbolSizeBase = 40;
inline constexpr std::int32_t kRingRadius = 120;

// Fill of the net disc.
inline constexpr data::Rgb kNetDiscColour{254, 254, 254};
// Pen widths of the primitives, in drawing units.
inline constexpr std::int32_t kNetCirclePenWidth = 40;
inline constexpr std::int32_t kFramePenWidth = 25;
inline constexpr std::int32_t kSymbolPenWidth = 10;
inline constexpr std::int32_t kGreatCirclePenWidth = 20;
inline constexpr std::int32_t kRingPenWidth = 5;

// Element bits of EmfFrame.
inline constexpr int kFrameCross = 1;
inline constexpr int kFrameTicks = 2;
inline constexpr int kFrameNorthLetter = 4;
inline constexpr int kFrameAll = 7;

// Number of points of a great circle: every 2 degrees of pitch, strike end
// to strike end.
inline constexpr int kGreatCirclePoints = geometry::kGreatCircleLines;

enum class SymbolShape { kCircle, kTriangle, kSquare, kDiamond };

// The point of the orientation in the drawing space: with
// rho = sqrt(2) sin((90 - dip) / 2), x = 5940 + ceil(sin(az) rho 5400) and
// y = 6300 - ceil(cos(az) rho 5400). The offsets are rounded up as they come
// out of the trigonometry: cos 90 is 6e-17, not 0, so (90, 0) gives
// (11340, 6299) and (180, 0) gives (5941, 11700), a hundredth of a
// millimetre off the axis, invisible and the same everywhere.
Point EmfProject(geometry::Orientation o);

// The net disc: no pen, solid brush (254, 254, 254), ellipse in the box
// (540, 900) to (11340, 11700). Leaves no pen and that brush selected.
void EmfNetDisc(VectorPicture& picture);

// The net frame in black over the net: the net circle with a pen of width 40
// and no brush, then with pen width 25: the centre cross when e is 1, 3, 5 or
// 7; the west, east and south ticks when e is 2, 3, 6 or 7; the north tick
// when e is 2..7; the letter N above the net when e is 4..7. Other values of e
// draw the circle only. Ticks and cross are 2-point polylines of length 188.
void EmfFrame(VectorPicture& picture, int elements);

// A small disc at the projected point (x, y): no pen, solid brush in the
// colour, ellipse in the box (x - a, y - a) to (x + a + 1, y + a + 1), the
// corners rounded to the nearest integer, halves to even. a >= 0 in drawing
// units (40 for the synoptic points of the plot command).
void EmfPoint(VectorPicture& picture, geometry::Orientation o, data::Rgb colour, double half_size);

// A symbol of half size b (drawing units, >= 0) at the projected point (x,
// y): solid pen of width 10 in the colour, a solid brush in the colour when
// filled, else no brush. Circle: ellipse in (x - b, y - b) to (x + b, y + b);
// triangle (x, y - b), (x + b, y + b), (x - b, y + b); square (x - b, y - b),
// (x + b, y - b), (x + b, y + b), (x - b, y + b); diamond (x, y - b), (x + b,
// y), (x, y + b), (x - b, y). Corners are rounded to the nearest integer,
// halves to even.
void EmfSymbol(VectorPicture& picture, SymbolShape shape, geometry::Orientation o, data::Rgb colour,
               bool filled, double half_size);

// The 91 points of the great circle of the plane (dip direction, dip):
// point 45 is the projection of (az, dip); for k = 1..45 with t = 90 - 2k,
// plunge p = asin(sin t sin dip), g = cos dip tan t, delta = 90 when g is 0
// else atan(1 / g), points 45 - k and 45 + k are the projections of the
// directions (az - delta, p) and (az + delta, p). All offsets from the centre
// are rounded to the nearest integer, halves to even. The line runs from one
// strike end on the rim through the dip point to the other strike end; a
// horizontal plane gives the half of the rim around its dip direction, a
// vertical plane the diameter along its strike.
std::array<Point, kGreatCirclePoints> GreatCirclePoints(geometry::Orientation plane);
// The same with delta and p taken from the profile of the plane's dip
// (geometry::GreatCircleProfileOf: its lines 46..90 are those of k = 1..45).
std::array<Point, kGreatCirclePoints> GreatCirclePoints(double dip_direction,
                                                        const geometry::GreatCircleProfile& profile);

// The great circle of the plane: solid pen of width 20 in the colour and the
// polyline of GreatCirclePoints. The brush is left as it was.
void EmfGreatCircle(VectorPicture& picture, geometry::Orientation plane, data::Rgb colour);
void EmfGreatCircle(VectorPicture& picture, double dip_direction, const geometry::GreatCircleProfile& profile,
                    data::Rgb colour);

// A ring around the projected point (x, y): solid pen of width 5 in the
// colour, no brush, ellipse in the box (x - 120, y - 120) to (x + 121, y +
// 121).
void EmfRing(VectorPicture& picture, geometry::Orientation o, data::Rgb colour);

}  // namespace velkar::export_
