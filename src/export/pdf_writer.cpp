#include "export/pdf_writer.hpp"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <variant>

#include "export/emf_primitives.hpp"
#include "export/text_support.hpp"

namespace velkar::export_ {

namespace {

constexpr double kPointsPerMillimetre = 72.0 / 25.4;
constexpr double kPageMillimetres = 120.0;
constexpr double kPagePoints = kPageMillimetres * kPointsPerMillimetre;
constexpr double kTurn = 6.283185307179586476925;

cairo_status_t AppendToString(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

void SetColour(cairo_t* cr, data::Rgb c) {
  cairo_set_source_rgb(cr, c.red / 255.0, c.green / 255.0, c.blue / 255.0);
}

class PdfPainter {
 public:
  PdfPainter(const VectorPicture& picture, cairo_t* cr) : picture_(picture), cr_(cr) {}

  void Paint() {
    cairo_scale(cr_, kPagePoints / kFrameWidth, kPagePoints / kFrameHeight);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
    for (const Primitive& primitive : picture_.Primitives()) {
      std::visit([this](const auto& record) { Draw(record); }, primitive);
    }
  }

 private:
  void Draw(const PenChange& r) { pen_ = r.pen; }
  void Draw(const BrushChange& r) { brush_ = r.brush; }
  void Draw(const FontChange& r) { font_ = r.font; }

  void Draw(const EllipseShape& r) {
    const Box& b = r.box;
    if (b.left == b.right || b.top == b.bottom) {
      cairo_move_to(cr_, b.left, b.top);
      cairo_line_to(cr_, b.right, b.bottom);
      Stroke();
      return;
    }
    cairo_save(cr_);
    cairo_translate(cr_, (b.left + static_cast<double>(b.right)) / 2,
                    (b.top + static_cast<double>(b.bottom)) / 2);
    cairo_scale(cr_, (b.right - static_cast<double>(b.left)) / 2,
                (b.bottom - static_cast<double>(b.top)) / 2);
    cairo_arc(cr_, 0, 0, 1, 0, kTurn);
    cairo_close_path(cr_);
    // The path is kept in page space, so the pen is not scaled with it.
    cairo_restore(cr_);
    FillAndStroke();
  }

  void Draw(const PolygonShape& r) {
    Ring(picture_.PointsOf(r));
    FillAndStroke();
  }

  void Draw(const PolyPolygonShape& r) {
    const auto points = picture_.PointsOf(r);
    std::size_t at = 0;
    for (std::uint32_t size : picture_.RingSizesOf(r)) {
      Ring(points.subspan(at, size));
      at += size;
    }
    FillAndStroke();
  }

  void Draw(const PolylineShape& r) {
    const auto points = picture_.PointsOf(r);
    cairo_move_to(cr_, points[0].x, points[0].y);
    for (std::size_t i = 1; i < points.size(); ++i) cairo_line_to(cr_, points[i].x, points[i].y);
    Stroke();
  }

  void Draw(const ArcShape& r) {
    const ArcSweep a = SweepOf(r.box, picture_.StartOf(r), picture_.EndOf(r));
    if (a.rx == 0 || a.ry == 0) {
      const Box& b = r.box;
      cairo_move_to(cr_, b.left, b.top);
      cairo_line_to(cr_, b.right, b.bottom);
      Stroke();
      return;
    }
    cairo_save(cr_);
    cairo_translate(cr_, a.cx, a.cy);
    cairo_scale(cr_, a.rx, a.ry);
    cairo_new_sub_path(cr_);
    cairo_arc_negative(cr_, 0, 0, 1, a.start_angle, a.start_angle - a.sweep);
    cairo_restore(cr_);
    Stroke();
  }

  void Draw(const TextShape& r) {
    const Font& font = picture_.Fonts()[font_];
    const std::string text = EncodeUtf8(DecodeUtf8(picture_.TextOf(r)));
    cairo_select_font_face(cr_, font.name.c_str(), CAIRO_FONT_SLANT_NORMAL,
                           font.weight >= 600 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_, EmHeightOf(font));
    cairo_font_extents_t extents;
    cairo_font_extents(cr_, &extents);
    cairo_move_to(cr_, r.position.x, r.position.y + extents.ascent);
    SetColour(cr_, font.colour);
    cairo_show_text(cr_, text.c_str());
    cairo_new_path(cr_);
  }

  void Ring(std::span<const Point> points) {
    cairo_move_to(cr_, points[0].x, points[0].y);
    for (std::size_t i = 1; i < points.size(); ++i) cairo_line_to(cr_, points[i].x, points[i].y);
    cairo_close_path(cr_);
  }

  void FillAndStroke() {
    if (!brush_.none) {
      SetColour(cr_, brush_.colour);
      cairo_fill_preserve(cr_);
    }
    Stroke();
  }

  void Stroke() {
    if (!pen_.none) {
      SetColour(cr_, pen_.colour);
      cairo_set_line_width(cr_, std::max<std::int32_t>(pen_.width, 1));
      cairo_stroke_preserve(cr_);
    }
    cairo_new_path(cr_);
  }

  const VectorPicture& picture_;
  cairo_t* cr_;
  Pen pen_ = kInitialPen;
  Brush brush_ = kInitialBrush;
  std::uint32_t font_ = 0;
};

void ThrowOnError(cairo_status_t status) {
  if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error(cairo_status_to_string(status));
}

}  // namespace

std::string WritePdf(const VectorPicture& picture) {
  std::string bytes;
  cairo_surface_t* surface =
      cairo_pdf_surface_create_for_stream(AppendToString, &bytes, kPagePoints, kPagePoints);
  cairo_t* cr = cairo_create(surface);
  PdfPainter(picture, cr).Paint();
  const cairo_status_t drawing = cairo_status(cr);
  cairo_destroy(cr);
  // Finishing writes the rest of the file into the string.
  cairo_surface_finish(surface);
  const cairo_status_t finishing = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  ThrowOnError(drawing);
  ThrowOnError(finishing);
  return bytes;
}

}  // namespace velkar::export_
