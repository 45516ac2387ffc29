#include "gui/main/main_menu.hpp"

#include <QAction>
#include <QMenu>

#include <array>
#include <optional>

#include "gui/common/qt_text.hpp"
#include "gui/main/main_toolbar.hpp"
#include "gui/main/main_window.hpp"

namespace velkar::gui {

namespace {

using C = CaptionId;
using W = TVynSoub;

enum Menu { kFile, kEdit, kView, kTools, kHelp, kMenuCount };
constexpr std::array<CaptionId, kMenuCount> kMenuTitles = {C::MenuFile, C::MenuEdit, C::MenuView, C::MenuTools,
                                                          C::MenuHelp};

// One menu item: a toolbar action by its name, or an item of the menu's own
// with its text and command.
struct MenuRow {
  Menu menu;
  const char* toolbar_action = nullptr;
  std::optional<CaptionId> text = std::nullopt;
  void (TVynSoub::*handler)() = nullptr;
  bool separator_before = false;
  bool checkable = false;
  QKeyCombination shortcut = Qt::Key_unknown;
};

const MenuRow kRows[] = {
    {kFile, "ToolButton2"},
    {kFile, "Button8"},
    {kFile, "Button4"},
    {kFile, nullptr, C::MenuQuit, &W::Quit, true, false, Qt::CTRL | Qt::Key_Q},

    {kEdit, "ToolButton23"},
    {kEdit, "Udelejtecky", std::nullopt, nullptr, true},
    {kEdit, nullptr, C::MenuDirectionCosines, &W::DirectionCosines},
    {kEdit, nullptr, C::MenuLineToPole, &W::LineToPole},
    {kEdit, nullptr, C::MenuCodes, &W::ShowReferencePictures},
    {kEdit, "ToolButton10", std::nullopt, nullptr, true},

    {kView, "VynesMemo"},
    {kView, "ToolButton9"},
    {kView, "ToolButton11"},
    {kView, nullptr, C::MenuLegendGrey, &W::ToggleLegendGrey, true},
    {kView, nullptr, C::MenuOrientationGrey, &W::ToggleOrientationGrey},
    {kView, nullptr, C::MenuOverlayColour, &W::ChooseOverlayColour},
    {kView, nullptr, C::MenuOpacity, &W::ChooseOpacity},
    {kView, nullptr, C::MenuAngleTool, &W::ToggleAngleTool, true, true},
    {kView, "ClipBtn", std::nullopt, nullptr, true},
    {kView, "ToolButton5"},

    {kTools, "Button7"},
    {kTools, "ToolButton8"},
    {kTools, "ToolButton16"},
    {kTools, "ToolButton6"},
    {kTools, "ToolButton13"},
    {kTools, "ToolButton12", std::nullopt, nullptr, true},
    {kTools, "Undoton"},
    {kTools, "ToolButton7"},
    {kTools, "Button1", std::nullopt, nullptr, true},
    {kTools, "ToolButton17"},
    {kTools, "ToolButton18"},
    {kTools, "ToolButton19", std::nullopt, nullptr, true},

    {kHelp, "ToolButton20"},
};

}  // namespace

MainMenuBar::MainMenuBar(const MainToolBar* toolbar, TVynSoub* window) : QMenuBar(window) {
  setObjectName("MainMenu");
  for (int m = 0; m < kMenuCount; ++m) menus_.push_back(addMenu(QString()));
  for (const MenuRow& row : kRows) {
    QMenu* menu = menus_[static_cast<std::size_t>(row.menu)];
    if (row.separator_before) menu->addSeparator();
    if (row.toolbar_action) {
      menu->addAction(toolbar->Action(row.toolbar_action));
      continue;
    }
    QAction* item = menu->addAction(QString());
    item->setCheckable(row.checkable);
    if (row.shortcut.key() != Qt::Key_unknown) item->setShortcut(QKeySequence(row.shortcut));
    connect(item, &QAction::triggered, window, row.handler);
    own_items_.emplace_back(item, *row.text);
  }
}

void MainMenuBar::ApplyTexts(Language language) {
  for (std::size_t m = 0; m < menus_.size(); ++m) menus_[m]->setTitle(QText(kMenuTitles[m], language));
  for (const auto& [item, text] : own_items_) item->setText(QText(text, language));
}

}  // namespace velkar::gui
