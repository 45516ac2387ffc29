// A result box of the main window: laid over the lower parameter groups when
// shown, closed with the icon at its top right. The orientation matrix and
// the maxima list are result boxes.
#pragma once

#include <QGroupBox>

namespace velkar::gui {

class ResultPanel : public QGroupBox {
  Q_OBJECT
 public:
  // Hidden until shown; covers `area` of the parent.
  ResultPanel(const char* name, QRect area, QWidget* parent);
  // Shown above the groups it covers.
  void ShowOnTop();

 protected:
  // Adds the content under the title.
  void SetContent(QWidget* content);
};

}  // namespace velkar::gui
