#include "gui/main/data_panel.hpp"

#include <QKeyEvent>
#include <QTextBlock>

namespace velkar::gui {

DataPanel::DataPanel(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName("Vlozit");
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTabChangesFocus(false);
  // A plain-text document has no length limit by default; setting the
  // block limit, even to 0, would switch off the edit undo.
  setTabStopDistance(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 4);
  // The right button is the line-to-pole command, not a menu.
  setContextMenuPolicy(Qt::DefaultContextMenu);
}

std::size_t DataPanel::CaretForLineRule() const {
  const QTextCursor cursor = textCursor();
  const QString before = toPlainText().left(cursor.position());
  // Each line end before the caret counts twice; toUtf8 counts it once.
  return static_cast<std::size_t>(before.toUtf8().size()) + static_cast<std::size_t>(cursor.blockNumber());
}

void DataPanel::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
  const int key = event->key();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && (mods == Qt::NoModifier || mods == Qt::ShiftModifier)) {
    emit enterPressed();
    // Shift+Enter would insert a line separator inside the line; a data
    // line always ends with a plain line end.
    QKeyEvent plain(QEvent::KeyPress, key, event->modifiers() & ~Qt::ShiftModifier, QStringLiteral("\r"));
    QPlainTextEdit::keyPressEvent(&plain);
    event->accept();
    return;
  }
  if (key == Qt::Key_V && mods == Qt::ControlModifier) {
    emit pasteWithCleanUpRequested();
    event->accept();
    return;
  }
  if (key == Qt::Key_V && mods == (Qt::ControlModifier | Qt::ShiftModifier)) {
    paste();
    event->accept();
    return;
  }
  if ((key == Qt::Key_F11 && mods == Qt::ControlModifier) || event->matches(QKeySequence::Undo)) {
    undo();
    emit textRestored();
    event->accept();
    return;
  }
  if (event->matches(QKeySequence::Redo)) {
    redo();
    emit textRestored();
    event->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void DataPanel::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
  emit lineToPoleRequested();
}

}  // namespace velkar::gui
