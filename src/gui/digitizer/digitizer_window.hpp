// The bitmap digitizer window. Its picture view and digitizing modes come with
// the digitizer; for now it is the window with its caption.
#pragma once

#include "gui/common/work_window.hpp"

namespace velkar::gui {

class TMapa : public WorkWindow {
  Q_OBJECT
 public:
  explicit TMapa(const shell::WindowSettings& settings, QWidget* parent = nullptr);
  void SetCaptions() override;
};

}  // namespace velkar::gui
