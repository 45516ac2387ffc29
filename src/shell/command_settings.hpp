// The settings records of the commands, built from the window-wide values
// and the controls of a window, or from velkar-batch's options, by the same
// functions: what one front end fills in, the other does too.
#pragma once

#include <cstddef>
#include <string>

#include "contour/colour_scheme.hpp"
#include "contour/contour_redraw.hpp"
#include "contour/density.hpp"
#include "data/data_text.hpp"
#include "shell/window_settings.hpp"
#include "stereonet/plot_command.hpp"

namespace velkar::shell {

// What the plot reads from the controls of the main window.
struct PlotControls {
  int symbol_size_position = 3;  // VelPunt, 2..8
  data::DataSettings data;       // DeliRich and Kolca
  stereonet::TriState legend = stereonet::TriState::Ticked;
  stereonet::TriState orientation = stereonet::TriState::Clear;
};

// The settings of one plot run from the window-wide values and the controls.
stereonet::PlotSettings MakePlotSettings(const WindowSettings& settings, const PlotControls& controls);

// What the contour group and the colour-scheme group hold.
struct ContourControls {
  std::string smoothing_text{contour::kPercentScaleSmoothing};  // the smoothing field
  bool percent = false;                                         // "1% o": the fixed percentage scale
  contour::ColourScheme scheme = contour::ColourScheme::BlueGreenRed;
  contour::SchemeColours colours;
  bool discrete = false;                                        // "Diskrétní"
  bool contours = true;                                         // "Kontury"
  bool half_interval = false;                                   // "0,5 %"
};

// The settings of one density computation: the smoothing text (with "1% o"
// the smoothing kPercentScaleSmoothing, as ticking it sets the field), the
// scale, the plot's delimiter, plot mode and language, and data_count, the
// count of the last plot, which chooses the variant. The thread count is
// left to the processor rule.
contour::ContourSettings MakeContourSettings(const ContourControls& controls, const stereonet::PlotSettings& plot,
                                             std::size_t data_count);

// The settings of one contoured redraw: the controls, the plot's legend,
// overlay, shadow, element colour (the contour lines), language, decimal
// separator and north letter, and line_count, the lines of the data text
// ("n = ").
contour::RedrawSettings MakeRedrawSettings(const ContourControls& controls, const stereonet::PlotSettings& plot,
                                           std::size_t line_count);

}  // namespace velkar::shell
