#include "shell/diagram_kinds.hpp"

#include <gtest/gtest.h>

#include <string>

#include "stereonet/interaction.hpp"

namespace velkar::shell {
namespace {

using stereonet::DiagramKind;

// The pointer on the net centre, pixel (248, 262), over a density of 1.25
// there, on the fixed percentage scale with a decimal comma.
TEST(DiagramKinds, RedrawCommandAndReadOutByKind) {
  contour::DensityState density;
  density.grid[248][262] = 1.25;
  ReadOutContext context;
  context.cursor = stereonet::CursorOrientationAt(248, 262);
  context.x = 248;
  context.y = 262;
  context.density = &density;
  context.percent = true;
  context.decimal_separator = ',';
  struct Case {
    DiagramKind kind;
    RedrawCommand redraw;
    const char* read_out;
  };
  const Case cases[] = {
      {DiagramKind::None, RedrawCommand::Plot, "0/90    n: 180/0"},
      {DiagramKind::PlottedData, RedrawCommand::Plot, "0/90    n: 180/0"},
      {DiagramKind::Contoured, RedrawCommand::Contour, "0/90      D: 1,25 %"},
      {DiagramKind::Rose, RedrawCommand::Plot, "0/90    n: 180/0"},  // until the rose diagram has its row
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RedrawCommandFor(c.kind), c.redraw) << static_cast<int>(c.kind);
    EXPECT_EQ(DiagramReadOut(c.kind, context), c.read_out) << static_cast<int>(c.kind);
  }
  context.density = nullptr;
  EXPECT_EQ(DiagramReadOut(DiagramKind::Contoured, context), " ");
}

}  // namespace
}  // namespace velkar::shell
