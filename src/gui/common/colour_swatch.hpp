// The colour swatch `ImBarPunt`: shows the element colour; a click asks for
// a new colour, a drag with the middle button sets the great-circle opacity
// from the pointer's position in the 40-pixel swatch.
#pragma once

#include <QColor>
#include <QWidget>

namespace velkar::gui {

class ColourSwatch : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kWidth = 40;
  explicit ColourSwatch(QWidget* parent = nullptr);

  void SetColour(const QColor& colour);
  QColor colour() const { return colour_; }

 signals:
  void clicked();
  void middleDragged(int x);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QColor colour_ = Qt::black;
  bool left_pressed_ = false;
};

}  // namespace velkar::gui
