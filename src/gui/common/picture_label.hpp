// A picture that reports mouse clicks with their button and position: the
// two reference pictures of the plot mode and the parts of the about
// picture.
#pragma once

#include <QLabel>

namespace velkar::gui {

class PictureLabel : public QLabel {
  Q_OBJECT
 public:
  explicit PictureLabel(QWidget* parent = nullptr);

 signals:
  // A press and release of one button over the picture.
  void clicked(Qt::MouseButton button, QPoint position);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // The right button is a command here, never a menu.
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  Qt::MouseButton pressed_ = Qt::NoButton;
};

}  // namespace velkar::gui
