// The delimiter box `DeliRich`: one character, typed over the old one. Tab
// is a character here, not a focus change; Backspace and Delete empty the
// box. Enter applies the box's delimiter to the data text.
#pragma once

#include <QLineEdit>

namespace velkar::gui {

class DelimiterBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit DelimiterBox(QWidget* parent = nullptr);

 signals:
  void applyRequested();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace velkar::gui
