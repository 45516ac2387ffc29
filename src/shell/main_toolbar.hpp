// The toolbar `ToolBar1` of the main window: every command as a 35 x 34
// button with a 28 x 28 picture, left to right in a fixed order with
// separators. The actions carry the names of the buttons; the main window
// connects them. Buttons of commands that are not built yet are there and
// disabled, so the toolbar keeps its layout.
#pragma once

#include <QToolBar>
#include <vector>

#include "shell/language.hpp"

class QToolButton;

namespace velkar::shell {

class MainToolBar : public QToolBar {
  Q_OBJECT
 public:
  explicit MainToolBar(QWidget* parent = nullptr);

  // The hints of the language (a few stay Czech in both).
  void SetHints(Language language);
  // The eraser button's picture: off or on.
  void SetEraserPicture(bool on);
  // The button that shows an action (for its right mouse button).
  QToolButton* ButtonOf(QAction* action) const;

  QAction* ToolButton2 = nullptr;    // new file
  QAction* Button8 = nullptr;        // open
  QAction* Button4 = nullptr;        // save
  QAction* ToolButton23 = nullptr;   // undo of the data panel
  QAction* VynesMemo = nullptr;      // plot; right button: direction cosines
  QAction* ToolButton9 = nullptr;    // contoured diagram
  QAction* ToolButton11 = nullptr;   // rose diagram
  QAction* Button7 = nullptr;        // dip lines to normals and back
  QAction* ToolButton8 = nullptr;    // fold axes
  QAction* ToolButton16 = nullptr;   // planes from two lines (hidden at start)
  QAction* ToolButton6 = nullptr;    // rotation into the eigenvector frame
  QAction* ToolButton13 = nullptr;   // maxima search
  QAction* ToolButton12 = nullptr;   // manual rotation
  QAction* Undoton = nullptr;        // undo of the manual rotation (hidden until one)
  QAction* antiundoton = nullptr;    // its disabled stand-in
  QAction* ToolButton7 = nullptr;    // map symbols (hidden at start)
  QAction* Udelejtecky = nullptr;    // commas to points
  QAction* ToolButton10 = nullptr;   // eraser
  QAction* ClipBtn = nullptr;        // diagram to the clipboard as EMF
  QAction* ToolButton5 = nullptr;    // diagram to the clipboard as BMP
  QAction* Button1 = nullptr;        // digitizer window
  QAction* ToolButton17 = nullptr;   // fold-analysis window
  QAction* ToolButton18 = nullptr;   // trend-map window
  std::vector<QAction*> spare;       // three disabled buttons that do nothing
  QAction* ToolButton19 = nullptr;   // tectonic clock
  QAction* ToolButton20 = nullptr;   // about picture

 private:
  QAction* AddButton(const char* name, const char* picture);
};

}  // namespace velkar::shell
