// The fold analysis window. Its picture view, digitizing and analyses come
// with the fold analysis; for now it is the window with its caption.
#pragma once

#include "shell/work_window.hpp"

namespace velkar::shell {

class TVras : public WorkWindow {
  Q_OBJECT
 public:
  explicit TVras(const WindowSettings& settings, QWidget* parent = nullptr);
  void SetCaptions() override;
};

}  // namespace velkar::shell
