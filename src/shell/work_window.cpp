#include "shell/work_window.hpp"

namespace velkar::shell {

WorkWindow::WorkWindow(const WindowSettings& settings, QWidget* parent) : QWidget(parent), settings_(settings) {
  setWindowFlag(Qt::Window);
  resize(800, 600);
}

}  // namespace velkar::shell
