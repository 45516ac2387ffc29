// The data panel `Vlozit`: the plain text of the data set, one measurement a
// line, with both scroll bars, no wrapping, tabs as characters and no
// length limit. Its keys and its right mouse button hand commands to the
// main window; the panel itself keeps only its own edit undo.
#pragma once

#include <QPlainTextEdit>

namespace velkar::gui {

class DataPanel : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit DataPanel(QWidget* parent = nullptr);

  // The caret as a byte offset into the UTF-8 text counted with two
  // characters per line end, as data::CaretLineIndex expects it.
  std::size_t CaretForLineRule() const;

 signals:
  // Enter, before the panel inserts the line break.
  void enterPressed();
  // Ctrl+V: the main window pastes with the clean-up of pasted text.
  void pasteWithCleanUpRequested();
  // The right mouse button: the line at the caret to its pole.
  void lineToPoleRequested();
  // Undo (Ctrl+Z, Ctrl+F11) or redo (Ctrl+Y, Ctrl+Shift+Z) changed the text.
  void textRestored();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace velkar::gui
