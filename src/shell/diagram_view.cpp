#include "shell/diagram_view.hpp"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace velkar::shell {

namespace {

// The engine's pixels as an image, without a copy (premultiplied ARGB32 in
// both).
QImage Wrap(const stereonet::RasterImage& image) {
  return QImage(image.data(), image.width(), image.height(), image.stride(), QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

DiagramView::DiagramView(const stereonet::RasterImage& diagram, const stereonet::RasterImage& overlay,
                         QWidget* parent)
    : QWidget(parent), diagram_(diagram), overlay_(overlay) {
  setObjectName("Diaga");
  setFixedSize(stereonet::kDiagramWidth, stereonet::kDiagramHeight);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void DiagramView::SetOverlayShown(bool shown) {
  overlay_shown_ = shown;
  update();
}

void DiagramView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect area = event->rect();
  painter.fillRect(area, Qt::white);
  if (diagram_.width() > 0) painter.drawImage(area.topLeft(), Wrap(diagram_), area);
  if (overlay_shown_ && overlay_.width() > 0) painter.drawImage(area.topLeft(), Wrap(overlay_), area);
}

void DiagramView::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved(event->position().toPoint(), event->buttons());
}

void DiagramView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) left_pressed_ = true;
}

void DiagramView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton && left_pressed_) {
    left_pressed_ = false;
    if (rect().contains(at)) emit clicked(at);
  }
  emit mouseReleased(at, event->button());
}

void DiagramView::enterEvent(QEnterEvent*) { emit mouseEntered(); }

void DiagramView::leaveEvent(QEvent*) { emit mouseLeft(); }

void DiagramView::wheelEvent(QWheelEvent* event) {
  emit wheelTurned(event->angleDelta().y());
  event->accept();
}

}  // namespace velkar::shell
