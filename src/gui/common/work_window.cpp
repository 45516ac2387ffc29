#include "gui/common/work_window.hpp"

namespace velkar::gui {

WorkWindow::WorkWindow(const shell::WindowSettings& settings, QWidget* parent) : QWidget(parent), settings_(settings) {
  setWindowFlag(Qt::Window);
  resize(800, 600);
}

}  // namespace velkar::gui
