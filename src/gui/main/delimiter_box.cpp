#include "gui/main/delimiter_box.hpp"

#include <QKeyEvent>

namespace velkar::gui {

DelimiterBox::DelimiterBox(QWidget* parent) : QLineEdit(parent) {
  setObjectName("DeliRich");
  setMaxLength(1);
  setAlignment(Qt::AlignCenter);
}

bool DelimiterBox::event(QEvent* event) {
  // Tab would otherwise move the focus before keyPressEvent sees it.
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier) {
      setText(QStringLiteral("\t"));
      return true;
    }
  }
  return QLineEdit::event(event);
}

void DelimiterBox::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: emit applyRequested(); return;
    case Qt::Key_Backspace:
    case Qt::Key_Delete: clear(); return;
    default: break;
  }
  const QString typed = event->text();
  if (!typed.isEmpty() && typed.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier)) {
    setText(typed.left(typed.at(0).isHighSurrogate() ? 2 : 1));
    return;
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace velkar::gui
