// The document of the main window: the data text in the data panel, the
// delimiter it is written with, and the file it came from. Every command
// changes the text through here, each change one step of the panel's undo.
#pragma once

#include <QString>

#include <cstddef>
#include <string>
#include <vector>

#include "text/language.hpp"

namespace velkar::gui {

class DataPanel;
class DelimiterBox;

class DataDocument {
 public:
  // The panel and the box belong to the window and outlive the document.
  DataDocument(DataPanel* panel, DelimiterBox* delimiter_box);

  std::string Text() const;
  std::string Delimiter() const;

  // Replaces the whole text as one undo step (or as part of the last one).
  void Replace(const std::string& text, bool join_last_step = false);
  // Replaces line `index` (from 0) as one undo step; nothing when there is
  // no such line.
  void ReplaceLine(std::size_t index, const std::string& line);
  // Removes the lines (ascending indices) as one undo step, or as part of
  // the last one (the strokes of one eraser drag); `remaining` is the text
  // without them, taken instead when many lines go. False when no line went.
  bool RemoveLines(const std::vector<std::size_t>& lines, const std::string& remaining, bool join_last_step);
  // Adds a line at the end, on a line of its own.
  void AppendLine(const std::string& line);
  // A new text (an opened file) or none.
  void Load(const std::string& text);
  void Clear();

  // The edits of the data commands, each one undo step; false or an error
  // message when the text stays as it was.
  // Ctrl+V: the clipboard's text pasted over the selection, then cleaned
  // up and its delimiter detected.
  void PasteWithCleanUp(const QString& clipboard);
  // The line at the caret to its pole (or back).
  bool LineToPole(char decimal_separator);
  // Direction cosines (x y z per line) to data lines.
  std::string DirectionCosinesToData(char decimal_separator, text::Language language);
  void CommasToPoints();
  // The symbol code appended to every line.
  void AppendSymbolCode(int code);

  // The delimiter found in a text is the one it is written with now, so a
  // later change in the box replaces it.
  void SetDetectedDelimiter(const std::string& delimiter);
  // Writes the text with the box's delimiter instead of the last applied one.
  void ApplyDelimiter();

  // True when the text changed since it was opened, saved or emptied (undo
  // back to that state makes it false again).
  bool Modified() const;
  void MarkSaved();

  // The file the text was opened from or saved to; empty for a new text.
  const QString& FileName() const { return file_name_; }
  void SetFileName(const QString& name) { file_name_ = name; }

 private:
  DataPanel* panel_;
  DelimiterBox* delimiter_box_;
  std::string last_applied_delimiter_ = "/";
  QString file_name_;
};

}  // namespace velkar::gui
