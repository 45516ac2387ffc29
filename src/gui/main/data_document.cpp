#include "gui/main/data_document.hpp"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "data/data_edit.hpp"
#include "data/data_text.hpp"
#include "data/file_text.hpp"
#include "gui/common/qt_text.hpp"
#include "gui/main/data_panel.hpp"
#include "gui/main/delimiter_box.hpp"

namespace velkar::gui {

namespace {
// Erasing more lines than this replaces the whole text instead of deleting
// them one by one.
constexpr std::size_t kLineByLineEraseLimit = 1000;
}  // namespace

DataDocument::DataDocument(DataPanel* panel, DelimiterBox* delimiter_box)
    : panel_(panel), delimiter_box_(delimiter_box) {
  delimiter_box_->setText(ToQString(last_applied_delimiter_));
}

std::string DataDocument::Text() const { return ToUtf8(panel_->toPlainText()); }

std::string DataDocument::Delimiter() const { return ToUtf8(delimiter_box_->text()); }

void DataDocument::Replace(const std::string& text, bool join_last_step) {
  QTextCursor cursor(panel_->document());
  if (join_last_step)
    cursor.joinPreviousEditBlock();
  else
    cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  cursor.insertText(ToQString(text));
  cursor.endEditBlock();
}

void DataDocument::ReplaceLine(std::size_t index, const std::string& line) {
  const QTextBlock block = panel_->document()->findBlockByNumber(static_cast<int>(index));
  if (!block.isValid()) return;
  QTextCursor cursor(block);
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  cursor.insertText(ToQString(line));
}

bool DataDocument::RemoveLines(const std::vector<std::size_t>& lines, const std::string& remaining,
                               bool join_last_step) {
  if (lines.empty()) return false;
  if (lines.size() > kLineByLineEraseLimit) {
    Replace(remaining, join_last_step);
    return true;
  }
  QTextDocument* doc = panel_->document();
  QTextCursor cursor(doc);
  if (join_last_step)
    cursor.joinPreviousEditBlock();
  else
    cursor.beginEditBlock();
  // From the last line up, so the indices of the lines still to go hold.
  for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
    const QTextBlock block = doc->findBlockByNumber(static_cast<int>(*it));
    if (!block.isValid()) continue;
    cursor.setPosition(block.position());
    const QTextBlock next = block.next();
    if (next.isValid())
      cursor.setPosition(next.position(), QTextCursor::KeepAnchor);
    else
      cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
  }
  cursor.endEditBlock();
  return true;
}

void DataDocument::AppendLine(const std::string& line) {
  // Only the end of the text matters for the line end before the new line.
  const QTextDocument* doc = panel_->document();
  const std::string tail = doc->isEmpty() ? "" : (doc->lastBlock().text().isEmpty() ? "\n" : "x");
  QTextCursor cursor(panel_->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(ToQString(data::LineAppendix(tail, line)));
}

void DataDocument::Load(const std::string& text) {
  panel_->setPlainText(ToQString(text));
  MarkSaved();
}

void DataDocument::Clear() {
  panel_->clear();
  file_name_.clear();
  MarkSaved();
}

bool DataDocument::Modified() const { return panel_->document()->isModified(); }

void DataDocument::MarkSaved() { panel_->document()->setModified(false); }

void DataDocument::PasteWithCleanUp(const QString& clipboard) {
  // The text as the paste leaves it, cleaned up, goes into the panel in one
  // replacement: one undo step, and one insertion instead of two for long
  // pasted texts.
  const QTextCursor caret = panel_->textCursor();
  QString pasted = panel_->toPlainText();
  pasted.replace(caret.selectionStart(), caret.selectionEnd() - caret.selectionStart(),
                 ToQString(data::NormaliseLineEnds(ToUtf8(clipboard))));
  const data::PastedText r = data::ProcessPastedText(ToUtf8(pasted));
  SetDetectedDelimiter(r.delimiter);
  Replace(r.text);
}

bool DataDocument::LineToPole(char decimal_separator) {
  const auto edit = data::LineToPole(Text(), panel_->CaretForLineRule(), Delimiter(), decimal_separator);
  if (!edit) return false;
  ReplaceLine(edit->line_index, edit->line);
  return true;
}

std::string DataDocument::DirectionCosinesToData(char decimal_separator, text::Language language) {
  const data::ConversionResult r = data::DirectionCosinesToData(Text(), Delimiter(), decimal_separator, language);
  if (!r.ok) return r.error;
  Replace(r.text);
  return {};
}

void DataDocument::CommasToPoints() {
  const std::string text = Text();
  const std::string points = data::CommasToPoints(text);
  if (points != text) Replace(points);
}

void DataDocument::AppendSymbolCode(int code) {
  const std::string text = Text();
  const std::string coded = data::AppendSymbolCode(text, code, Delimiter());
  if (coded != text) Replace(coded);
}

void DataDocument::SetDetectedDelimiter(const std::string& delimiter) {
  delimiter_box_->setText(ToQString(delimiter));
  last_applied_delimiter_ = delimiter;
}

void DataDocument::ApplyDelimiter() {
  const std::string delimiter = Delimiter();
  const std::string text = Text();
  const std::string replaced = data::ReplaceDelimiter(text, last_applied_delimiter_, delimiter);
  if (replaced != text) Replace(replaced);
  last_applied_delimiter_ = delimiter;
}

}  // namespace velkar::gui
