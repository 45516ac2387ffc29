// The tools of the mouse over the diagram: the cursor orientation for the
// read-out, the angle tool with the middle button, the eraser, and a click
// that adds the datum under the pointer.
#pragma once

#include <QObject>
#include <QPoint>

#include <functional>
#include <optional>

#include "geometry/vectors.hpp"
#include "shell/command_settings.hpp"
#include "shell/window_settings.hpp"
#include "stereonet/interaction.hpp"

namespace velkar::gui {

class DataDocument;
class DiagramView;

class DiagramTools : public QObject {
  Q_OBJECT
 public:
  // What the tools ask of the window.
  struct Host {
    std::function<bool()> busy;  // a computation runs: the diagram does not answer
    std::function<stereonet::PlotSettings()> plot_settings;
    std::function<bool()> clicks_add_data;  // false while another command takes the clicks
  };
  // The view, the settings and the document belong to the window and
  // outlive the tools.
  DiagramTools(DiagramView* view, shell::WindowSettings& settings, DataDocument& document, Host host,
               QObject* parent = nullptr);

  bool EraserOn() const { return eraser_on_; }
  void SetEraser(bool on);
  // The wheel over the window changes the eraser's size.
  void TurnWheel(int delta);
  // The angle tool on the left button too (for a mouse without a middle
  // button); clicks then add no data.
  void ToggleAngleToolOnLeftButton() { angle_on_left_ = !angle_on_left_; }
  // Where the pointer was at its last move over the diagram; empty when it
  // is not over the diagram.
  std::optional<QPoint> PointerPosition() const;
  geometry::Orientation CursorOrientation() const { return cursor_; }

 signals:
  // The pointer moved to `position` over `cursor`.
  void cursorMoved(QPoint position, geometry::Orientation cursor);
  // A tool changed the data text: the window plots it.
  void dataChanged();

 private:
  void MouseMove(QPoint position, Qt::MouseButtons buttons);
  void Click();
  void MouseEnter();
  void MouseLeave();
  void EraseAtCursor();

  DiagramView* view_;
  shell::WindowSettings& settings_;
  DataDocument& document_;
  Host host_;
  stereonet::AngleTool angle_tool_;
  geometry::Orientation cursor_;  // under the pointer at the last move
  QPoint last_position_;
  bool eraser_on_ = false;
  bool erase_drag_ = false;     // the left button is held and a stroke removed lines
  bool angle_on_left_ = false;
  bool manual_rotation_on_ = false;  // the manual rotation comes with its command
};

}  // namespace velkar::gui
