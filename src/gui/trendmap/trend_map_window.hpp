// The trend map window. Its pages and map view come with the trend map; for
// now it is the window with its caption, at its initial place.
#pragma once

#include "gui/common/work_window.hpp"

namespace velkar::gui {

class TArc : public WorkWindow {
  Q_OBJECT
 public:
  explicit TArc(const shell::WindowSettings& settings, QWidget* parent = nullptr);
  void SetCaptions() override;
};

}  // namespace velkar::gui
