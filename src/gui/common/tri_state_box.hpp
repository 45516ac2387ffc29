// A check box with a grey third state that the user reaches with the right
// button: a left click toggles between ticked and clear, a right click
// between grey and clear.
#pragma once

#include <QCheckBox>

namespace velkar::gui {

class TriStateBox : public QCheckBox {
  Q_OBJECT
 public:
  explicit TriStateBox(QWidget* parent = nullptr);
  // What the right button does: grey, or clear when grey.
  void ToggleGrey();

 signals:
  // After either click has changed the state.
  void stateChosen();

 protected:
  void nextCheckState() override;
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace velkar::gui
