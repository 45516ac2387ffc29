#include "gui/common/colour_swatch.hpp"

#include <QMouseEvent>
#include <QPainter>

namespace velkar::gui {

ColourSwatch::ColourSwatch(QWidget* parent) : QWidget(parent) {
  setObjectName("ImBarPunt");
  setFixedSize(kWidth, 20);
  setCursor(Qt::PointingHandCursor);
}

void ColourSwatch::SetColour(const QColor& colour) {
  colour_ = colour;
  update();
}

void ColourSwatch::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), colour_);
  p.setPen(QColor(120, 120, 120));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ColourSwatch::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) left_pressed_ = true;
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && left_pressed_) {
    left_pressed_ = false;
    if (rect().contains(event->position().toPoint())) emit clicked();
  }
}

void ColourSwatch::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::MiddleButton) emit middleDragged(event->position().toPoint().x());
}

}  // namespace velkar::gui
