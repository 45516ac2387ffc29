// The menu bar of the main window: File, Edit, View, Tools and Help carry
// every toolbar command (the same actions, with their pictures) and, as
// items with their own text, what the right and middle mouse buttons do on
// the controls. Built from one table (main_menu.cpp).
#pragma once

#include <QMenuBar>

#include <vector>

#include "gui/common/captions.hpp"

class QMenu;

namespace velkar::gui {

class MainToolBar;
class TVynSoub;

class MainMenuBar : public QMenuBar {
  Q_OBJECT
 public:
  // The toolbar's actions must exist; the menu-only items are connected to
  // the window.
  MainMenuBar(const MainToolBar* toolbar, TVynSoub* window);

  // The menu titles and the texts of the menu-only items.
  void ApplyTexts(Language language);

 private:
  std::vector<QMenu*> menus_;
  std::vector<std::pair<QAction*, CaptionId>> own_items_;
};

}  // namespace velkar::gui
