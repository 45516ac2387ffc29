#include "shell/diagram_kinds.hpp"

#include "contour/contour_redraw.hpp"
#include "stereonet/interaction.hpp"

namespace velkar::shell {

namespace {

using stereonet::DiagramKind;

std::string PlottedDataReadOut(const ReadOutContext& c) { return stereonet::PlottedDataReadOut(c.cursor); }

std::string ContouredReadOut(const ReadOutContext& c) {
  if (c.density == nullptr) return " ";
  return contour::ContouredReadOut(*c.density, c.x, c.y, c.percent, c.decimal_separator);
}

struct KindRow {
  DiagramKind kind;
  RedrawCommand redraw;
  std::string (*read_out)(const ReadOutContext&);
};

// The first row serves the kinds without a row of their own.
constexpr KindRow kKinds[] = {
    {DiagramKind::PlottedData, RedrawCommand::Plot, PlottedDataReadOut},
    {DiagramKind::Contoured, RedrawCommand::Contour, ContouredReadOut},
};

const KindRow& RowFor(DiagramKind kind) {
  for (const KindRow& row : kKinds) {
    if (row.kind == kind) return row;
  }
  return kKinds[0];
}

}  // namespace

RedrawCommand RedrawCommandFor(DiagramKind kind) { return RowFor(kind).redraw; }

std::string DiagramReadOut(DiagramKind kind, const ReadOutContext& context) { return RowFor(kind).read_out(context); }

}  // namespace velkar::shell
