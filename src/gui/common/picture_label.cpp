#include "gui/common/picture_label.hpp"

#include <QContextMenuEvent>
#include <QMouseEvent>

namespace velkar::gui {

PictureLabel::PictureLabel(QWidget* parent) : QLabel(parent) {}

void PictureLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button();
  event->accept();
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const bool same = event->button() == pressed_;
  pressed_ = Qt::NoButton;
  event->accept();
  if (same && rect().contains(at)) emit clicked(event->button(), at);
}

}  // namespace velkar::gui

namespace velkar::gui {

void PictureLabel::contextMenuEvent(QContextMenuEvent* event) { event->accept(); }

}  // namespace velkar::gui
