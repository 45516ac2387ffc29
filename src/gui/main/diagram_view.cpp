#include "gui/main/diagram_view.hpp"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "gui/common/image_wrapper.hpp"
#include "gui/common/qt_text.hpp"
#include "gui/main/about_panel.hpp"

namespace velkar::gui {

namespace {
constexpr int kAngleLabelHeight = 20;
constexpr int kAngleLabelOpacity = 190;
constexpr int kDiscSize = 7;
// The label sits below and right of the pointer; near the right or lower
// edge it moves to the other side of the pointer, so that it stays whole.
QPoint AngleLabelPosition(QPoint below_right, QSize label, QSize view) {
  constexpr int kOffset = 15;  // from the pointer to the label's corner
  QPoint p = below_right;
  if (p.x() + label.width() > view.width()) p.setX(p.x() - 2 * kOffset - label.width());
  if (p.y() + label.height() > view.height()) p.setY(p.y() - 2 * kOffset - label.height());
  return p;
}

}  // namespace

DiagramView::DiagramView(const raster::RasterImage& diagram, QWidget* parent)
    : QWidget(parent), diagram_(diagram), overlay_(raster::kDiagramWidth, raster::kDiagramHeight) {
  setObjectName("Diaga");
  setFixedSize(raster::kDiagramWidth, raster::kDiagramHeight);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);

  ImLabel9 = new QFrame(this);
  ImLabel9->setObjectName("ImLabel9");
  ImLabel9->setAutoFillBackground(true);
  // Translucent white: the label stays legible over the data and does not
  // cut the net's circle.
  QPalette white = ImLabel9->palette();
  white.setColor(QPalette::Window, QColor(255, 255, 255, kAngleLabelOpacity));
  ImLabel9->setPalette(white);
  Label9 = new QLabel(ImLabel9);
  Label9->setObjectName("Label9");
  QFont arial(QStringLiteral("Arial"));
  arial.setPixelSize(16);
  Label9->setFont(arial);
  Label9->move(0, 0);
  ImLabel9->resize(50, kAngleLabelHeight);
  ImLabel9->hide();

  Puntred = new QLabel(this);
  Puntred->setObjectName("Puntred");
  Puntred->setPixmap(QIcon(":/icons/red_disc.svg").pixmap(kDiscSize, kDiscSize));
  Puntred->setFixedSize(kDiscSize, kDiscSize);
  Puntred->hide();

  about_ = new AboutPanel(this);
  about_->move((raster::kDiagramWidth - AboutPanel::kWidth) / 2,
               (raster::kDiagramHeight - AboutPanel::kHeight) / 2);
  about_->hide();

  Sever_edit = new QLineEdit(this);
  Sever_edit->setObjectName("Sever_edit");
  Sever_edit->setMaxLength(3);
  Sever_edit->setGeometry(8, 8, 36, 24);
  Sever_edit->hide();
  connect(Sever_edit, &QLineEdit::returnPressed, this, [this] {
    Sever_edit->hide();
    emit northLetterEntered(Sever_edit->text());
  });
}

void DiagramView::AskNorthLetter(const QString& letter) {
  Sever_edit->setText(letter);
  Sever_edit->show();
  Sever_edit->raise();
  Sever_edit->setFocus();
}

void DiagramView::ShowAngle(const stereonet::AngleDisplay& angle) {
  if (angle.action == stereonet::AngleDisplay::Action::Show) {
    Label9->setText(ToQString(angle.label));
    Label9->adjustSize();
    ImLabel9->resize(Label9->width(), kAngleLabelHeight);
    Label9->move(0, (kAngleLabelHeight - Label9->height()) / 2);
    ImLabel9->move(AngleLabelPosition(QPoint(angle.label_x, angle.label_y), ImLabel9->size(), size()));
    ImLabel9->show();
    ImLabel9->raise();
    Puntred->move(angle.disc_x, angle.disc_y);
    Puntred->show();
    Puntred->raise();
  } else if (angle.action == stereonet::AngleDisplay::Action::Hide) {
    ImLabel9->hide();
    Puntred->hide();
  }
}

void DiagramView::SetEraserShown(bool shown) {
  overlay_shown_ = shown;
  ClearEraser();
}

void DiagramView::DrawEraser(QPoint position, int radius) {
  stereonet::DrawEraserOverlay(overlay_, position.x(), position.y(), radius);
  update();
}

void DiagramView::ClearEraser() {
  stereonet::ClearOverlay(overlay_);
  update();
}

void DiagramView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect area = event->rect();
  painter.fillRect(area, Qt::white);
  if (diagram_.width() > 0) painter.drawImage(area.topLeft(), WrapImage(diagram_), area);
  if (overlay_shown_ && overlay_.width() > 0) painter.drawImage(area.topLeft(), WrapImage(overlay_), area);
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

}  // namespace velkar::gui
