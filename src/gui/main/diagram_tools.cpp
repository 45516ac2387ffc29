#include "gui/main/diagram_tools.hpp"

#include <QApplication>
#include <QWidget>

#include "gui/main/data_document.hpp"
#include "gui/main/diagram_view.hpp"

namespace velkar::gui {

DiagramTools::DiagramTools(DiagramView* view, shell::WindowSettings& settings, DataDocument& document, Host host,
                           QObject* parent)
    : QObject(parent), view_(view), settings_(settings), document_(document), host_(std::move(host)) {
  connect(view_, &DiagramView::mouseMoved, this, &DiagramTools::MouseMove);
  connect(view_, &DiagramView::clicked, this, &DiagramTools::Click);
  connect(view_, &DiagramView::mouseEntered, this, &DiagramTools::MouseEnter);
  connect(view_, &DiagramView::mouseLeft, this, &DiagramTools::MouseLeave);
  connect(view_, &DiagramView::wheelTurned, this, &DiagramTools::TurnWheel);
  // The strokes of one eraser drag, the release's included, are one undo step.
  connect(view_, &DiagramView::mouseReleased, this, [this] { erase_drag_ = false; });
  // The manual rotation commits on the button release; it comes with its
  // command.
}

void DiagramTools::SetEraser(bool on) {
  if (on == eraser_on_) return;
  eraser_on_ = on;
  // Switching the eraser on also ends the manual rotation's drag mode; that
  // comes with the manual rotation.
  view_->SetEraserShown(on);
  if (on)
    view_->setCursor(Qt::BlankCursor);
  else
    view_->unsetCursor();
}

void DiagramTools::TurnWheel(int delta) {
  settings_.EraserRadius = stereonet::EraserRadiusAfterWheel(settings_.EraserRadius, delta);
  if (eraser_on_ && view_->underMouse()) view_->DrawEraser(last_position_, settings_.EraserRadius);
}

void DiagramTools::MouseMove(QPoint position, Qt::MouseButtons buttons) {
  if (host_.busy()) return;
  last_position_ = position;
  cursor_ = stereonet::CursorOrientationAt(position.x(), position.y());
  emit cursorMoved(position, cursor_);
  const bool angle_button =
      buttons.testFlag(Qt::MiddleButton) || (angle_on_left_ && !eraser_on_ && buttons.testFlag(Qt::LeftButton));
  view_->ShowAngle(stereonet::UpdateAngleTool(angle_tool_, cursor_, position.x(), position.y(), angle_button,
                                              manual_rotation_on_, settings_.decimal_separator));
  if (!buttons.testFlag(Qt::LeftButton)) erase_drag_ = false;
  if (eraser_on_) {
    if (buttons.testFlag(Qt::LeftButton)) EraseAtCursor();
    view_->DrawEraser(position, settings_.EraserRadius);
  }
  // The map-symbol preview and the manual rotation come with their commands.
}

void DiagramTools::Click() {
  // Clicks use the cursor orientation of the last move.
  if (host_.busy() || !stereonet::IsInsideNet(cursor_)) return;
  if (eraser_on_) {
    EraseAtCursor();
    return;
  }
  if (manual_rotation_on_ || angle_on_left_ || !host_.clicks_add_data()) return;
  const stereonet::PlotSettings plot = host_.plot_settings();
  document_.AppendLine(stereonet::DatumLine(cursor_, plot.data.mode, plot.data.delimiter));
  emit dataChanged();
}

void DiagramTools::EraseAtCursor() {
  const stereonet::EraseResult r =
      stereonet::EraseAt(document_.Text(), host_.plot_settings().data, cursor_, settings_.EraserRadius);
  if (document_.RemoveLines(r.removed_lines, r.text, erase_drag_)) erase_drag_ = true;
  emit dataChanged();
}

std::optional<QPoint> DiagramTools::PointerPosition() const {
  if (!view_->underMouse()) return std::nullopt;
  return last_position_;
}

void DiagramTools::MouseEnter() {
  if (eraser_on_ || manual_rotation_on_) view_->setCursor(Qt::BlankCursor);
  // The wheel must reach the window, not a text control with the focus.
  if (eraser_on_) {
    if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
  }
}

void DiagramTools::MouseLeave() {
  if (eraser_on_ || manual_rotation_on_) view_->ClearEraser();
  view_->unsetCursor();
}

}  // namespace velkar::gui
