// The vector picture as a Windows enhanced metafile (EMF), written directly.
#pragma once

#include <string>

#include "export/vector_picture.hpp"

namespace velkar::export_ {

// Reference device of the written metafiles: 12000 x 12000 pixels on
// 120 mm x 120 mm, so one pixel, one logical unit (default MM_TEXT mapping)
// and one drawing unit are all a hundredth of a millimetre.
inline constexpr std::int32_t kEmfDevicePixels = 12000;
inline constexpr std::int32_t kEmfDeviceMillimetres = 120;

// The bytes of an EMF file: a header with bounds and frame (0, 0) to
// (12000, 12000), no description and no palette, then the list: pens as
// EMR_EXTCREATEPEN (geometric, solid, round ends and joins, so that every
// player takes the width in logical units), brushes as
// EMR_CREATEBRUSHINDIRECT (BS_SOLID), "no pen" and "no brush" as the stock
// NULL_PEN and NULL_BRUSH, each object selected and the one it replaces
// deleted; ellipses as EMR_ELLIPSE, arcs as EMR_ARC, polygons, poly-polygons
// and polylines as EMR_POLYGON16, EMR_POLYPOLYGON16 and EMR_POLYLINE16 (the
// 32-bit records when a point lies outside the 16-bit range), filled with the
// ALTERNATE rule; text as EMR_EXTCREATEFONTINDIRECTW, EMR_SETTEXTCOLOR and
// EMR_EXTTEXTOUTW with top-left alignment on a transparent background and
// character advances measured in the named font; EMR_EOF last. All records
// little-endian and 4-byte aligned. Never fails.
std::string WriteEmf(const VectorPicture& picture);

}  // namespace velkar::export_
