// The toolbar `ToolBar1` of the main window: every command as a 35 x 34
// button with a 28 x 28 picture, left to right in a fixed order with
// separators, built from one table (toolbar_table.cpp). The actions and
// their buttons carry the names of the buttons. Buttons of commands that are
// not built yet are there and disabled, so the toolbar keeps its layout.
#pragma once

#include <QToolBar>

#include <optional>
#include <span>

#include "gui/common/captions.hpp"

class QToolButton;

namespace velkar::gui {

class TVynSoub;

// One button of the toolbar.
struct ToolbarRow {
  enum Flag : unsigned {
    kNone = 0,
    kSeparatorBefore = 1,  // a separator goes before the button
    kHidden = 2,           // hidden until its command shows it
    kCheckable = 4,
    kDisabled = 8,         // disabled although it has a handler (its window is not built yet)
  };
  const char* name;                         // object name of the action and its button
  const char* picture;                      // :/icons/<picture>.svg
  std::optional<CaptionId> hint;            // none: the button has no hint
  void (TVynSoub::*handler)() = nullptr;    // none: the command comes later, the button is disabled
  void (TVynSoub::*right_handler)() = nullptr;  // the right mouse button, where it is a command
  unsigned flags = kNone;
  QKeyCombination shortcut = Qt::Key_unknown;  // Key_unknown: none
  std::optional<CaptionId> menu_text = std::nullopt;  // the text in the menus where it is not the hint
};

// The rows of the main window's toolbar, left to right.
std::span<const ToolbarRow> MainToolbarRows();

class MainToolBar : public QToolBar {
  Q_OBJECT
 public:
  // Builds the buttons of the rows and connects them to the window.
  MainToolBar(std::span<const ToolbarRow> rows, TVynSoub* window);

  // The hints and the menu texts of the language (a few stay Czech in
  // both); a command still to come says so under its hint.
  void SetHints(Language language);
  // The eraser button's picture: off or on.
  void SetEraserPicture(bool on);
  // The action of the button with the object name.
  QAction* Action(const char* name) const;

 private:
  std::span<const ToolbarRow> rows_;
};

}  // namespace velkar::gui
