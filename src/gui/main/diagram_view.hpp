// The diagram `Diaga`: shows the engine's 500 x 513 raster diagram without
// copying it, with its layers: the eraser overlay while the eraser is on,
// the angle tool's label and red disc, the about picture and the north
// letter's edit. It reports the mouse to the main window, which owns the
// diagram and does the work.
#pragma once

#include <QPoint>
#include <QWidget>

#include "raster/image.hpp"
#include "stereonet/interaction.hpp"

class QFrame;
class QLabel;
class QLineEdit;

namespace velkar::gui {

class AboutPanel;

class DiagramView : public QWidget {
  Q_OBJECT
 public:
  // The diagram belongs to the main window and outlives this widget.
  explicit DiagramView(const raster::RasterImage& diagram, QWidget* parent = nullptr);

  // The eraser's square at the pointer, over the diagram while the eraser
  // is on; cleared when shown or hidden.
  void SetEraserShown(bool shown);
  void DrawEraser(QPoint position, int radius);
  void ClearEraser();
  // Shows, moves or hides the angle tool's label and disc.
  void ShowAngle(const stereonet::AngleDisplay& angle);
  // The about picture, centred over the diagram, hidden at first.
  AboutPanel* About() const { return about_; }
  // Shows the north letter's edit with the letter; Enter in it hands the new
  // letter over and hides it.
  void AskNorthLetter(const QString& letter);

 signals:
  void mouseMoved(QPoint position, Qt::MouseButtons buttons);
  // A left-button press and release on the diagram.
  void clicked(QPoint position);
  void mouseReleased(QPoint position, Qt::MouseButton button);
  void mouseEntered();
  void mouseLeft();
  void wheelTurned(int delta);
  void northLetterEntered(const QString& letter);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  const raster::RasterImage& diagram_;
  raster::RasterImage overlay_;
  QFrame* ImLabel9 = nullptr;  // the angle tool's label box
  QLabel* Label9 = nullptr;
  QLabel* Puntred = nullptr;   // the red disc at the angle tool's first direction
  AboutPanel* about_ = nullptr;
  QLineEdit* Sever_edit = nullptr;
  bool overlay_shown_ = false;
  bool left_pressed_ = false;
};

}  // namespace velkar::gui
