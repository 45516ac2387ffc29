#include "gui/common/window_placement.hpp"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "shell/window_settings.hpp"

namespace velkar::gui {

void PlaceMainWindow(QWidget* window) {
  const QList<QScreen*> screens = QGuiApplication::screens();
  QScreen* screen = QGuiApplication::primaryScreen();
  const QSize size = window->frameGeometry().size().expandedTo(window->size());
  const QRect area = screen ? screen->geometry() : QRect(0, 0, size.width(), size.height());
  const shell::WindowPosition p = shell::MainWindowPosition(static_cast<int>(screens.size()), area.width(),
                                                            area.height(), size.width(), size.height());
  window->move(area.left() + p.left, area.top() + p.top);
}

}  // namespace velkar::gui
