#include "export/svg_writer.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <variant>

#include "data/colour.hpp"
#include "export/emf_primitives.hpp"
#include "export/text_support.hpp"

namespace velkar::export_ {

namespace {

constexpr double kPi = 3.14159265358979323846;

class SvgOut {
 public:
  std::string& str() { return out_; }

  SvgOut& operator<<(std::string_view s) {
    out_.append(s);
    return *this;
  }
  SvgOut& operator<<(std::int64_t v) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
    out_.append(buffer, end);
    return *this;
  }
  SvgOut& operator<<(std::int32_t v) { return *this << static_cast<std::int64_t>(v); }
  // Locale-independent, at most two decimals, no trailing zeros.
  SvgOut& operator<<(double v) {
    if (std::fabs(v) < 0.005) v = 0;
    char buffer[48];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 2).ptr;
    while (end > buffer && end[-1] == '0') --end;
    if (end > buffer && end[-1] == '.') --end;
    out_.append(buffer, end);
    return *this;
  }

  void Escaped(std::string_view utf8) {
    for (char32_t c : DecodeUtf8(utf8)) {
      switch (c) {
        case '&':
          out_ += "&amp;";
          break;
        case '<':
          out_ += "&lt;";
          break;
        case '>':
          out_ += "&gt;";
          break;
        case '"':
          out_ += "&quot;";
          break;
        default:
          // XML 1.0 admits no other control characters.
          if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') c = 0xFFFD;
          out_ += EncodeUtf8(std::u32string_view(&c, 1));
      }
    }
  }

  void Points(std::span<const Point> points) {
    bool first = true;
    for (const Point& p : points) {
      if (!first) out_ += ' ';
      first = false;
      *this << p.x << "," << p.y;
    }
  }

 private:
  std::string out_;
};

class SvgWriter {
 public:
  explicit SvgWriter(const VectorPicture& picture) : picture_(picture) {}

  std::string Write() {
    out_ << "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
         << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"120mm\" "
            "height=\"120mm\" viewBox=\"0 0 "
         << kFrameWidth << " " << kFrameHeight << "\">\n"
         << "<g stroke-linecap=\"round\" stroke-linejoin=\"round\" fill-rule=\"evenodd\">\n";
    for (const Primitive& primitive : picture_.Primitives()) {
      std::visit([this](const auto& record) { Draw(record); }, primitive);
    }
    CloseGroup();
    out_ << "</g>\n</svg>\n";
    return std::move(out_.str());
  }

 private:
  void Draw(const PenChange& r) {
    if (r.pen == pen_) return;
    pen_ = r.pen;
    CloseGroup();
  }
  void Draw(const BrushChange& r) {
    if (r.brush == brush_) return;
    brush_ = r.brush;
    CloseGroup();
  }
  void Draw(const FontChange& r) { font_ = r.font; }

  void Draw(const EllipseShape& r) {
    OpenGroup();
    const Box& b = r.box;
    if (b.left == b.right || b.top == b.bottom) {
      // A flat ellipse is the pen's stroke along its diameter, as on a canvas.
      out_ << "<path d=\"M" << b.left << " " << b.top << " L" << b.right << " " << b.bottom << "\"/>\n";
      return;
    }
    out_ << "<ellipse cx=\"" << (b.left + static_cast<double>(b.right)) / 2 << "\" cy=\""
         << (b.top + static_cast<double>(b.bottom)) / 2 << "\" rx=\""
         << std::fabs(b.right - static_cast<double>(b.left)) / 2 << "\" ry=\""
         << std::fabs(b.bottom - static_cast<double>(b.top)) / 2 << "\"/>\n";
  }

  void Draw(const PolygonShape& r) {
    OpenGroup();
    out_ << "<polygon points=\"";
    out_.Points(picture_.PointsOf(r));
    out_ << "\"/>\n";
  }

  void Draw(const PolyPolygonShape& r) {
    OpenGroup();
    out_ << "<path fill-rule=\"evenodd\" d=\"";
    const auto points = picture_.PointsOf(r);
    std::size_t at = 0;
    for (std::uint32_t size : picture_.RingSizesOf(r)) {
      out_ << "M";
      out_.Points(points.subspan(at, size));
      out_ << "Z";
      at += size;
    }
    out_ << "\"/>\n";
  }

  void Draw(const PolylineShape& r) {
    OpenGroup();
    out_ << "<polyline fill=\"none\" points=\"";
    out_.Points(picture_.PointsOf(r));
    out_ << "\"/>\n";
  }

  void Draw(const ArcShape& r) {
    OpenGroup();
    const ArcSweep a = SweepOf(r.box, picture_.StartOf(r), picture_.EndOf(r));
    auto at = [&a](double t) { return std::pair{a.cx + a.rx * std::cos(t), a.cy + a.ry * std::sin(t)}; };
    const auto [x0, y0] = at(a.start_angle);
    out_ << "<path fill=\"none\" d=\"M" << x0 << " " << y0;
    // SVG cannot draw a whole ellipse as one arc; two halves do.
    const int pieces = a.sweep > kPi ? 2 : 1;
    for (int i = 1; i <= pieces; ++i) {
      const auto [x, y] = at(a.start_angle - a.sweep * i / pieces);
      out_ << " A" << a.rx << " " << a.ry << " 0 0 0 " << x << " " << y;
    }
    out_ << "\"/>\n";
  }

  void Draw(const TextShape& r) {
    const Font& font = picture_.Fonts()[font_];
    const FontMetrics metrics = MeasureFont(font);
    out_ << "<text x=\"" << r.position.x << "\" y=\"" << r.position.y + metrics.ascent << "\" font-family=\"";
    out_.Escaped(font.name);
    out_ << "\" font-size=\"" << EmHeightOf(font) << "\" font-weight=\"" << font.weight << "\" fill=\""
         << data::ToHex(font.colour) << "\" stroke=\"none\" xml:space=\"preserve\">";
    out_.Escaped(picture_.TextOf(r));
    out_ << "</text>\n";
  }

  void OpenGroup() {
    if (group_open_) return;
    group_open_ = true;
    out_ << "<g";
    if (pen_.none) {
      out_ << " stroke=\"none\"";
    } else {
      out_ << " stroke=\"" << data::ToHex(pen_.colour) << "\" stroke-width=\""
           << std::max<std::int32_t>(pen_.width, 1) << "\"";
    }
    out_ << " fill=\"" << (brush_.none ? std::string("none") : data::ToHex(brush_.colour)) << "\">\n";
  }

  void CloseGroup() {
    if (!group_open_) return;
    group_open_ = false;
    out_ << "</g>\n";
  }

  const VectorPicture& picture_;
  SvgOut out_;
  Pen pen_ = kInitialPen;
  Brush brush_ = kInitialBrush;
  std::uint32_t font_ = 0;
  bool group_open_ = false;
};

}  // namespace

std::string WriteSvg(const VectorPicture& picture) { return SvgWriter(picture).Write(); }

}  // namespace velkar::export_
