// The side windows that start-up creates after the main window and keeps
// until the end: the digitizer, the fold analysis and the trend map. Each
// sets its captions from the interface language when it is created, and
// again after the English switch of the main window.
#pragma once

#include <QWidget>

#include "shell/window_settings.hpp"

namespace velkar::gui {

class WorkWindow : public QWidget {
  Q_OBJECT
 public:
  // The settings record of the main window, which outlives this window.
  explicit WorkWindow(const shell::WindowSettings& settings, QWidget* parent = nullptr);

  // Sets the captions by the interface language of the settings record.
  virtual void SetCaptions() = 0;

 protected:
  const shell::WindowSettings& settings_;
};

}  // namespace velkar::gui
