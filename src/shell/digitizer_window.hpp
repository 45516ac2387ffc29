// The bitmap digitizer window. Its picture view and digitizing modes come with
// the digitizer; for now it is the window with its caption.
#pragma once

#include "shell/work_window.hpp"

namespace velkar::shell {

class TMapa : public WorkWindow {
  Q_OBJECT
 public:
  explicit TMapa(const WindowSettings& settings, QWidget* parent = nullptr);
  void SetCaptions() override;
};

}  // namespace velkar::shell
