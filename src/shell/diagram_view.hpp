// The diagram `Diaga`: shows the engine's 500 x 513 raster diagram without
// copying it, with the eraser overlay on top while the eraser is on, and
// reports the mouse to the main window, which owns the pictures and does
// the work.
#pragma once

#include <QPoint>
#include <QWidget>

#include "stereonet/canvas.hpp"

namespace velkar::shell {

class DiagramView : public QWidget {
  Q_OBJECT
 public:
  // The pictures belong to the main window and outlive this widget.
  DiagramView(const stereonet::RasterImage& diagram, const stereonet::RasterImage& overlay,
              QWidget* parent = nullptr);

  void SetOverlayShown(bool shown);
  bool OverlayShown() const { return overlay_shown_; }

 signals:
  void mouseMoved(QPoint position, Qt::MouseButtons buttons);
  // A left-button press and release on the diagram.
  void clicked(QPoint position);
  void mouseReleased(QPoint position, Qt::MouseButton button);
  void mouseEntered();
  void mouseLeft();
  void wheelTurned(int delta);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  const stereonet::RasterImage& diagram_;
  const stereonet::RasterImage& overlay_;
  bool overlay_shown_ = false;
  bool left_pressed_ = false;
};

}  // namespace velkar::shell
