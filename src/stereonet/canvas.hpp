// The net drawn on a raster image: the empty net with its shadow, the frame
// on top, the four point symbols, the great circle of a plane and the
// eigenvector overlay, at a scale k (kMainScale for the main diagram).
//
// Positions are the drawing coordinates of raster::SurfacePoint. A symbol
// projected to (360.0, 150.0) is therefore centred on pixel (360, 150) and
// lies symmetrically around it, and the aliased circle, which rounds its
// centre to a whole pixel, falls on the same pixel as the anti-aliased
// shapes. The net centre (247.5, 262.5) at k = 1.5 lies on the corner shared
// by pixels 247/248 and 262/263.
#pragma once

#include <array>
#include <string_view>

#include "data/colour.hpp"
#include "geometry/equal_area.hpp"
#include "geometry/tensor.hpp"
#include "geometry/vectors.hpp"
#include "raster/image.hpp"
#include "raster/surface_point.hpp"

namespace velkar::stereonet {

// The opacity (0..255) of shadow outline i (0..12): 150 x 0.1^(i / 13) -
// 150 x 0.1 x i / 13 rounded, giving 150, 124, 103, 85, 69, 56, 45, 35, 27,
// 20, 14, 9, 4.
int ShadowOutlineAlpha(int i);

// Clears the whole image to opaque white, draws the drop shadow when asked
// and then the net disc (253, 255, 255), anti-aliased, at scale k (1.5 for
// the main diagram). The image keeps its size: callers size it first.
// Shadow: an aliased (240, 240, 240) disc, the net disc moved 13 pixels right
// and down, and thirteen 1-pixel black outlines of the net circle, outline i
// moved i pixels right and down with opacity ShadowOutlineAlpha(i); the net
// disc covers all but a soft crescent at the lower right.
void DrawNetBase(raster::RasterImage& image, bool shadow, double k);

// Draws on top of the content, in one opaque black stroke 2.2 pixels wide,
// the primitive circle, the ticks at W, E, N (crossing the circle) and S and
// the centre cross; then the north letter, Arial 14 pt, with the top-left of
// its text cell at pixel (R(k x 165 - 4.5k), R(k x 25 - 15k)) = (241, 15) at
// k = 1.5. An empty letter draws no text.
void DrawNetFrame(raster::RasterImage& image, double k, std::string_view north_letter = "N");

// Point symbols centred on the projection (ProjectOrientation) of the given
// orientation at scale k; colour opaque. The caller passes what is to be
// shown: a line, or the pole of a plane. A negative r counts as 0; a
// position that is not finite draws nothing.
//
// Circle: aliased, drawn by the midpoint ellipse algorithm exactly inside
// the pixel rectangle (R(X) - r, R(Y) - r) .. (R(X) + r, R(Y) + r), R
// rounding halves to even; the outline pixels and, when filled, the spans
// between them get the colour. r = 0 is the single pixel (R(X), R(Y)).
// Pixels off the image are skipped; r above raster::kMaxEllipseRadius
// counts as that. The pixels are written straight into the buffer, so this
// is the cheapest symbol.
void DrawCircleSymbol(raster::RasterImage& image, geometry::Orientation o, data::Rgb colour, double k, int r,
                      bool filled);
// Polygons, anti-aliased, non-zero winding, with (X, Y) the projected point
// and the vertices of PolygonSymbolVertices. Filled: the polygon. Open: its outline grown 0.3 pixels on each side (a
// ring 0.6 wide with mitred corners), laid down twice so that the thin ring
// reads darker. r = 0 is a degenerate polygon and leaves no visible mark.
void DrawTriangleSymbol(raster::RasterImage& image, geometry::Orientation o, data::Rgb colour, double k, int r,
                        bool filled);
void DrawSquareSymbol(raster::RasterImage& image, geometry::Orientation o, data::Rgb colour, double k, int r,
                      bool filled);
void DrawDiamondSymbol(raster::RasterImage& image, geometry::Orientation o, data::Rgb colour, double k, int r,
                       bool filled);

enum class PolygonShape { kTriangle, kSquare, kDiamond };

// The vertices of a polygon symbol of size r around c, clockwise on the
// screen, into v (room for 4); returns their number:
//   triangle (X, Y - 1.3r), (X + 1.3r, Y + 1.3r), (X - 1.3r, Y + 1.3r);
//   square   (X - r, Y - r), (X + r, Y - r), (X + r, Y + r), (X - r, Y + r);
//   diamond  (X, Y - 1.5r), (X + 1.5r, Y), (X, Y + 1.5r), (X - 1.5r, Y).
int PolygonSymbolVertices(PolygonShape shape, raster::SurfacePoint c, double r, raster::SurfacePoint* v);

// The great circle of a plane given by dip direction and dip (0..90) at
// scale k: the projections of 91 lines of the plane from near dip
// direction - 90 through the dip direction to dip direction + 90, as one
// open polyline stroked with raster::StrokePolyline in the given width and
// colour with its alpha; every pixel is blended once. A vertical plane
// gives the straight line through the centre along the strike, a
// horizontal plane the half rim. A width of 0 or less, or a plane whose
// vertices are not finite, draws nothing.
void DrawGreatCircle(raster::RasterImage& image, geometry::Orientation plane, raster::Argb colour, double k,
                     double width);
// The same with the lines of the plane taken from the profile of its dip
// (geometry::GreatCircleProfileOf), which a plot keeps for every dip it meets.
void DrawGreatCircle(raster::RasterImage& image, double dip_direction, const geometry::GreatCircleProfile& profile,
                     raster::Argb colour, double k, double width);

// The eigenvector overlay of a tensor's eigen-analysis at scale k: the
// great circles of the planes normal to the three eigenvectors, 2 pixels
// wide, in colours[i] with its alpha, and on top of them circle symbols of
// radius 5 on the eigenvectors in the same colours made opaque, filled or
// open. The plot draws it in the orientation colour or in red, green and
// blue; the contoured diagram in black, translucent when grey.
void DrawEigenOverlay(raster::RasterImage& image, const geometry::EigenResult& eigen,
                      const std::array<raster::Argb, 3>& colours, double k, bool filled_symbols);

}  // namespace velkar::stereonet
