#include "export/emf_writer.hpp"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <variant>

#include "export/emf_primitives.hpp"
#include "export/text_support.hpp"
#include "geometry/numbers.hpp"

namespace velkar::export_ {

namespace {

// Record types.
constexpr std::uint32_t kEmrHeader = 1;
constexpr std::uint32_t kEmrPolygon = 3;
constexpr std::uint32_t kEmrPolyline = 4;
constexpr std::uint32_t kEmrPolyPolygon = 8;
constexpr std::uint32_t kEmrEof = 14;
constexpr std::uint32_t kEmrSetBkMode = 18;
constexpr std::uint32_t kEmrSetPolyFillMode = 19;
constexpr std::uint32_t kEmrSetTextAlign = 22;
constexpr std::uint32_t kEmrSetTextColor = 24;
constexpr std::uint32_t kEmrSelectObject = 37;
constexpr std::uint32_t kEmrCreateBrushIndirect = 39;
constexpr std::uint32_t kEmrDeleteObject = 40;
constexpr std::uint32_t kEmrEllipse = 42;
constexpr std::uint32_t kEmrArc = 45;
constexpr std::uint32_t kEmrExtCreateFontIndirectW = 82;
constexpr std::uint32_t kEmrExtTextOutW = 84;
constexpr std::uint32_t kEmrExtCreatePen = 95;
constexpr std::uint32_t kEmrPolygon16 = 86;
constexpr std::uint32_t kEmrPolyline16 = 87;
constexpr std::uint32_t kEmrPolyPolygon16 = 91;

constexpr std::uint32_t kSignature = 0x464D4520;  // " EMF"
constexpr std::uint32_t kVersion = 0x00010000;

// Stock objects and drawing modes.
constexpr std::uint32_t kWhiteBrush = 0x80000000;
constexpr std::uint32_t kNullBrush = 0x80000005;
constexpr std::uint32_t kBlackPen = 0x80000007;
constexpr std::uint32_t kNullPen = 0x80000008;
constexpr std::uint32_t kSystemFont = 0x8000000D;
constexpr std::uint32_t kTransparent = 1;
constexpr std::uint32_t kAlternate = 1;
constexpr std::uint32_t kTextAlignTopLeft = 0;
// Solid, round ends and joins (all 0), geometric: the width is in logical
// units, not a device hairline.
constexpr std::uint32_t kPsGeometricSolidRound = 0x00010000;
constexpr std::uint32_t kBsSolid = 0;
constexpr std::uint32_t kGmCompatible = 1;
constexpr std::uint32_t kDefaultCharset = 1;

// Object table: two slots per kind, so a new object is created and selected
// before the one it replaces is deleted. Slot 0 is reserved by the format.
constexpr std::uint32_t kPenSlots[2] = {1, 2};
constexpr std::uint32_t kBrushSlots[2] = {3, 4};
constexpr std::uint32_t kFontSlots[2] = {5, 6};
constexpr std::uint16_t kHandleCount = 7;

constexpr std::size_t kFaceNameChars = 32;
constexpr std::size_t kFullNameChars = 64;
constexpr std::size_t kStyleChars = 32;

class Bytes {
 public:
  std::size_t size() const { return out_.size(); }
  std::string& str() { return out_; }

  void U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out_.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
  }
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void U16(std::uint16_t v) {
    out_.push_back(static_cast<char>(v & 0xff));
    out_.push_back(static_cast<char>(v >> 8));
  }
  void I16(std::int32_t v) { U16(static_cast<std::uint16_t>(static_cast<std::int16_t>(v))); }
  void U8(std::uint8_t v) { out_.push_back(static_cast<char>(v)); }
  void F32(float v) { U32(std::bit_cast<std::uint32_t>(v)); }
  void Rect(const Box& b) {
    I32(b.left);
    I32(b.top);
    I32(b.right);
    I32(b.bottom);
  }
  // A fixed-length UTF-16 field, cut to fit with room for the terminating 0.
  void FixedUtf16(std::u16string_view s, std::size_t chars) {
    const std::size_t n = std::min(s.size(), chars - 1);
    for (std::size_t i = 0; i < chars; ++i) U16(i < n ? s[i] : 0);
  }
  void PadTo4() {
    while (out_.size() % 4 != 0) out_.push_back('\0');
  }
  void PatchU32(std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out_[at + i] = static_cast<char>((v >> (8 * i)) & 0xff);
  }
  void PatchU16(std::size_t at, std::uint16_t v) {
    out_[at] = static_cast<char>(v & 0xff);
    out_[at + 1] = static_cast<char>(v >> 8);
  }

 private:
  std::string out_;
};

bool Fits16(std::span<const Point> points) {
  constexpr std::int32_t lo = std::numeric_limits<std::int16_t>::min();
  constexpr std::int32_t hi = std::numeric_limits<std::int16_t>::max();
  return std::all_of(points.begin(), points.end(),
                     [](Point p) { return p.x >= lo && p.x <= hi && p.y >= lo && p.y <= hi; });
}

// Inclusive bounds of the points.
Box BoundsOf(std::span<const Point> points) {
  Box b{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const Point& p : points) {
    b.left = std::min(b.left, p.x);
    b.top = std::min(b.top, p.y);
    b.right = std::max(b.right, p.x);
    b.bottom = std::max(b.bottom, p.y);
  }
  return b;
}

std::uint32_t ColourRef(data::Rgb c) { return c.ToInteger(); }

class EmfWriter {
 public:
  explicit EmfWriter(const VectorPicture& picture) : picture_(picture) {}

  std::string Write() {
    WriteHeader();
    Simple(kEmrSetBkMode, kTransparent);
    Simple(kEmrSetPolyFillMode, kAlternate);
    Simple(kEmrSetTextAlign, kTextAlignTopLeft);
    for (const Primitive& primitive : picture_.Primitives()) {
      std::visit([this](const auto& record) { Draw(record); }, primitive);
    }
    ReleaseObjects();
    WriteEof();
    out_.PatchU32(kBytesAt, static_cast<std::uint32_t>(out_.size()));
    out_.PatchU32(kRecordsAt, records_);
    out_.PatchU16(kHandlesAt, kHandleCount);
    return std::move(out_.str());
  }

 private:
  // Offsets of the header fields known only at the end.
  static constexpr std::size_t kBytesAt = 48;
  static constexpr std::size_t kRecordsAt = 52;
  static constexpr std::size_t kHandlesAt = 56;

  // 108 bytes: the base header and both of its extensions.
  void WriteHeader() {
    const Box frame{0, 0, kFrameWidth, kFrameHeight};
    Begin(kEmrHeader);
    out_.Rect(frame);  // bounds, in device pixels = hundredths of a millimetre
    out_.Rect(frame);  // frame, in hundredths of a millimetre
    out_.U32(kSignature);
    out_.U32(kVersion);
    out_.U32(0);  // bytes, patched
    out_.U32(0);  // records, patched
    out_.U16(0);  // handles, patched
    out_.U16(0);  // reserved
    out_.U32(0);  // no description
    out_.U32(0);
    out_.U32(0);  // no palette
    out_.I32(kEmfDevicePixels);
    out_.I32(kEmfDevicePixels);
    out_.I32(kEmfDeviceMillimetres);
    out_.I32(kEmfDeviceMillimetres);
    out_.U32(0);  // no pixel format
    out_.U32(0);
    out_.U32(0);  // not OpenGL
    out_.I32(kEmfDeviceMillimetres * 1000);
    out_.I32(kEmfDeviceMillimetres * 1000);
    End();
  }

  void WriteEof() {
    Begin(kEmrEof);
    out_.U32(0);   // no palette entries
    out_.U32(16);  // where they would start
    out_.U32(20);  // size of this record
    End();
  }

  void Begin(std::uint32_t type) {
    start_ = out_.size();
    out_.U32(type);
    out_.U32(0);
  }
  void End() {
    out_.PadTo4();
    out_.PatchU32(start_ + 4, static_cast<std::uint32_t>(out_.size() - start_));
    ++records_;
  }
  void Simple(std::uint32_t type, std::uint32_t value) {
    Begin(type);
    out_.U32(value);
    End();
  }

  // --- state -------------------------------------------------------------

  void Draw(const PenChange& r) { pen_ = r.pen; }
  void Draw(const BrushChange& r) { brush_ = r.brush; }
  void Draw(const FontChange& r) { font_ = r.font; }

  void ApplyPen() {
    if (pen_ == applied_pen_) return;
    applied_pen_ = pen_;
    if (pen_.none) {
      Simple(kEmrSelectObject, kNullPen);
      Release(pen_slot_);
      return;
    }
    const std::uint32_t slot = kPenSlots[pen_slot_ == kPenSlots[0] ? 1 : 0];
    Begin(kEmrExtCreatePen);
    out_.U32(slot);
    out_.U32(0);  // no pattern bitmap: offset and size of its header
    out_.U32(0);
    out_.U32(0);  // and of its bits
    out_.U32(0);
    out_.U32(kPsGeometricSolidRound);
    out_.U32(static_cast<std::uint32_t>(std::max<std::int32_t>(pen_.width, 1)));
    out_.U32(kBsSolid);
    out_.U32(ColourRef(pen_.colour));
    out_.U32(0);  // hatch
    out_.U32(0);  // no dash entries
    End();
    Simple(kEmrSelectObject, slot);
    Release(pen_slot_);
    pen_slot_ = slot;
  }

  void ApplyBrush() {
    if (brush_ == applied_brush_) return;
    applied_brush_ = brush_;
    if (brush_.none) {
      Simple(kEmrSelectObject, kNullBrush);
      Release(brush_slot_);
      return;
    }
    const std::uint32_t slot = kBrushSlots[brush_slot_ == kBrushSlots[0] ? 1 : 0];
    Begin(kEmrCreateBrushIndirect);
    out_.U32(slot);
    out_.U32(kBsSolid);
    out_.U32(ColourRef(brush_.colour));
    out_.U32(0);  // hatch, unused by a solid brush
    End();
    Simple(kEmrSelectObject, slot);
    Release(brush_slot_);
    brush_slot_ = slot;
  }

  void ApplyFont(const Font& font) {
    if (font_slot_ != 0 && font_ == applied_font_) return;
    applied_font_ = font_;
    const std::uint32_t slot = kFontSlots[font_slot_ == kFontSlots[0] ? 1 : 0];
    const std::u16string face = EncodeUtf16(DecodeUtf8(font.name));
    Begin(kEmrExtCreateFontIndirectW);
    out_.U32(slot);
    // LogFont takes the height with the same sign convention.
    out_.I32(font.height);
    out_.I32(0);  // width: the face's own proportions
    out_.I32(0);  // escapement
    out_.I32(0);  // orientation
    out_.I32(font.weight);
    out_.U8(0);  // italic
    out_.U8(0);  // underline
    out_.U8(0);  // strike-out
    out_.U8(kDefaultCharset);
    out_.U8(0);  // output precision: default
    out_.U8(0);  // clip precision: default
    out_.U8(0);  // quality: default
    out_.U8(0);  // pitch and family: default
    out_.FixedUtf16(face, kFaceNameChars);
    // The Panose extension that older readers expect.
    out_.FixedUtf16(face, kFullNameChars);
    out_.FixedUtf16(u"", kStyleChars);
    for (int i = 0; i < 6; ++i) out_.U32(0);  // version, style size, match, reserved, vendor, culture
    for (int i = 0; i < 10; ++i) out_.U8(0);  // panose: any
    out_.U16(0);                              // padding
    End();
    Simple(kEmrSelectObject, slot);
    Release(font_slot_);
    font_slot_ = slot;
  }

  void Release(std::uint32_t& slot) {
    if (slot == 0) return;
    Simple(kEmrDeleteObject, slot);
    slot = 0;
  }

  // Stock objects back in the context, then our objects deleted, so that a
  // player leaks nothing.
  void ReleaseObjects() {
    if (pen_slot_ != 0) Simple(kEmrSelectObject, kBlackPen);
    if (brush_slot_ != 0) Simple(kEmrSelectObject, kWhiteBrush);
    if (font_slot_ != 0) Simple(kEmrSelectObject, kSystemFont);
    Release(pen_slot_);
    Release(brush_slot_);
    Release(font_slot_);
  }

  // --- shapes ------------------------------------------------------------

  void Draw(const EllipseShape& r) {
    ApplyPen();
    ApplyBrush();
    Begin(kEmrEllipse);
    out_.Rect(r.box);
    End();
  }

  void Draw(const ArcShape& r) {
    ApplyPen();
    Begin(kEmrArc);
    out_.Rect(r.box);
    const Point start = picture_.StartOf(r);
    const Point end = picture_.EndOf(r);
    out_.I32(start.x);
    out_.I32(start.y);
    out_.I32(end.x);
    out_.I32(end.y);
    End();
  }

  void Draw(const PolygonShape& r) {
    ApplyPen();
    ApplyBrush();
    PointRecord(kEmrPolygon16, kEmrPolygon, picture_.PointsOf(r));
  }

  void Draw(const PolylineShape& r) {
    ApplyPen();
    PointRecord(kEmrPolyline16, kEmrPolyline, picture_.PointsOf(r));
  }

  void Draw(const PolyPolygonShape& r) {
    ApplyPen();
    ApplyBrush();
    const auto points = picture_.PointsOf(r);
    const auto rings = picture_.RingSizesOf(r);
    const bool small = Fits16(points);
    Begin(small ? kEmrPolyPolygon16 : kEmrPolyPolygon);
    out_.Rect(BoundsOf(points));
    out_.U32(static_cast<std::uint32_t>(rings.size()));
    out_.U32(static_cast<std::uint32_t>(points.size()));
    for (std::uint32_t n : rings) out_.U32(n);
    WritePoints(points, small);
    End();
  }

  void PointRecord(std::uint32_t type16, std::uint32_t type32, std::span<const Point> points) {
    const bool small = Fits16(points);
    Begin(small ? type16 : type32);
    out_.Rect(BoundsOf(points));
    out_.U32(static_cast<std::uint32_t>(points.size()));
    WritePoints(points, small);
    End();
  }

  void WritePoints(std::span<const Point> points, bool small) {
    for (const Point& p : points) {
      if (small) {
        out_.I16(p.x);
        out_.I16(p.y);
      } else {
        out_.I32(p.x);
        out_.I32(p.y);
      }
    }
  }

  void Draw(const TextShape& r) {
    const Font& font = picture_.Fonts()[font_];
    ApplyFont(font);
    if (text_colour_ != font.colour) {
      text_colour_ = font.colour;
      Simple(kEmrSetTextColor, ColourRef(font.colour));
    }
    const std::u32string code_points = DecodeUtf8(picture_.TextOf(r));
    const std::u16string units = EncodeUtf16(code_points);
    // Players place every character by these advances, so they come from
    // the font itself; rounding the running sum keeps the line's length.
    const std::vector<double> advances = CharacterAdvances(font, code_points);
    std::vector<std::int32_t> dx;
    dx.reserve(units.size());
    double sum = 0;
    std::int32_t placed = 0;
    for (std::size_t i = 0; i < code_points.size(); ++i) {
      sum += advances[i];
      const auto next = static_cast<std::int32_t>(geometry::RoundHalfEven(sum));
      dx.push_back(next - placed);
      placed = next;
      if (code_points[i] >= 0x10000) dx.push_back(0);  // the low surrogate
    }
    const FontMetrics metrics = MeasureFont(font);
    const Box bounds{r.position.x, r.position.y, r.position.x + placed,
                     r.position.y + static_cast<std::int32_t>(std::ceil(metrics.ascent + metrics.descent))};

    constexpr std::uint32_t kStringAt = 76;  // fixed part of the record
    const std::uint32_t string_bytes = static_cast<std::uint32_t>((units.size() * 2 + 3) / 4 * 4);
    Begin(kEmrExtTextOutW);
    out_.Rect(bounds);
    out_.U32(kGmCompatible);
    out_.F32(1.0f);  // page units per hundredth of a millimetre, x
    out_.F32(1.0f);  // and y
    out_.I32(r.position.x);
    out_.I32(r.position.y);
    out_.U32(static_cast<std::uint32_t>(units.size()));
    out_.U32(kStringAt);
    out_.U32(0);                   // no options: neither clipped nor opaque
    out_.Rect(Box{0, 0, -1, -1});  // no rectangle
    out_.U32(kStringAt + string_bytes);
    for (char16_t u : units) out_.U16(u);
    out_.PadTo4();
    for (std::int32_t d : dx) out_.I32(d);
    End();
  }

  const VectorPicture& picture_;
  Bytes out_;
  std::size_t start_ = 0;
  std::uint32_t records_ = 0;

  Pen pen_ = kInitialPen;
  Brush brush_ = kInitialBrush;
  std::uint32_t font_ = 0;
  // What the player's context holds: it starts with the stock black pen,
  // white brush, system font and black text.
  Pen applied_pen_ = kInitialPen;
  Brush applied_brush_ = kInitialBrush;
  std::uint32_t applied_font_ = 0;
  data::Rgb text_colour_{};
  std::uint32_t pen_slot_ = 0;
  std::uint32_t brush_slot_ = 0;
  std::uint32_t font_slot_ = 0;
};

}  // namespace

std::string WriteEmf(const VectorPicture& picture) { return EmfWriter(picture).Write(); }

}  // namespace velkar::export_
