#include "gui/common/tri_state_box.hpp"

#include <QMouseEvent>

namespace velkar::gui {

TriStateBox::TriStateBox(QWidget* parent) : QCheckBox(parent) {
  setTristate(true);
  connect(this, &QCheckBox::clicked, this, &TriStateBox::stateChosen);
}

void TriStateBox::nextCheckState() { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }

void TriStateBox::ToggleGrey() {
  setCheckState(checkState() == Qt::PartiallyChecked ? Qt::Unchecked : Qt::PartiallyChecked);
  emit stateChosen();
}

void TriStateBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    ToggleGrey();
    event->accept();
    return;
  }
  QCheckBox::mousePressEvent(event);
}

}  // namespace velkar::gui
