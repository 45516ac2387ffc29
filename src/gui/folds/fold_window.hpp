// The fold analysis window. Its picture view, digitizing and analyses come
// with the fold analysis; for now it is the window with its caption.
#pragma once

#include "gui/common/work_window.hpp"

namespace velkar::gui {

class TVras : public WorkWindow {
  Q_OBJECT
 public:
  explicit TVras(const shell::WindowSettings& settings, QWidget* parent = nullptr);
  void SetCaptions() override;
};

}  // namespace velkar::gui
