// The data files of the main window's document: reading a file as the text
// of the data panel, saving the text so that the file is either complete or
// untouched, and the questions around them (which file, overwrite, unsaved
// data). Failures are shown as messages in the interface language.
#pragma once

#include <QString>

#include <optional>
#include <string>

#include "gui/common/user_dialogs.hpp"
#include "shell/window_settings.hpp"

class QWidget;

namespace velkar::gui {

class DataDocument;

class DataFiles {
 public:
  // Everything passed belongs to the window and outlives this object.
  DataFiles(QWidget* parent, const UserDialogs& dialogs, const shell::WindowSettings& settings,
            DataDocument& document);

  // The file to open, asked through the dialogs; empty when cancelled.
  QString AskOpenPath() const;
  // The file's data text as every front end reads a file (decoded, line
  // ends normalised, only the lines of data kept); empty after showing why
  // it could not be read.
  std::optional<std::string> Read(const QString& path) const;

  // Writes the document's text; on success it is the document's file and
  // counts as saved.
  bool Save(const QString& path);
  // Asks for the file (starting from the document's file, or the default
  // name; an existing file needs a Yes to the overwrite question, a No asks
  // again) and saves; false when cancelled or failed.
  bool SaveAs();
  // True when the document's data may be replaced: they are saved, or the
  // user saved or discarded them when asked; false when the user cancelled.
  bool ConfirmDiscard();

 private:
  void ShowError(const QString& message) const;

  QWidget* parent_;
  const UserDialogs& dialogs_;
  const shell::WindowSettings& settings_;
  DataDocument& document_;
};

}  // namespace velkar::gui
