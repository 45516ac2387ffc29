// Where a window opens on the desktop.
#pragma once

class QWidget;

namespace velkar::gui {

// The main window: centred on the only screen, or at its fixed place when
// the system has several screens (shell::MainWindowPosition).
void PlaceMainWindow(QWidget* window);

}  // namespace velkar::gui
