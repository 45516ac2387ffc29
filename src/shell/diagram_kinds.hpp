// What a window does with the diagram it shows, by the diagram's kind: the
// command that redraws it after an option change and the status-bar
// read-out under the pointer. One row per kind; a kind without a row (None,
// and the rose diagram until its command comes) behaves like plotted data.
#pragma once

#include <string>

#include "contour/density.hpp"
#include "geometry/vectors.hpp"
#include "stereonet/plot_command.hpp"

namespace velkar::shell {

enum class RedrawCommand { Plot, Contour };

// What the read-outs need to know about the pointer and the diagram.
struct ReadOutContext {
  geometry::Orientation cursor;                      // under the pointer (stereonet::CursorOrientationAt)
  int x = 0;                                         // the pointer's pixel in the diagram
  int y = 0;
  const contour::DensityState* density = nullptr;    // the contoured diagram's density
  bool percent = false;                              // "1% o": the unit of the density
  char decimal_separator = '.';
};

// The command that redraws a diagram of this kind.
RedrawCommand RedrawCommandFor(stereonet::DiagramKind kind);

// The read-out over a diagram of this kind: stereonet::PlottedDataReadOut
// of the cursor, or over a contoured diagram contour::ContouredReadOut at
// the pixel (" " when the context holds no density).
std::string DiagramReadOut(stereonet::DiagramKind kind, const ReadOutContext& context);

}  // namespace velkar::shell
