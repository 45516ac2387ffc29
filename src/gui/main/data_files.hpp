// Data files of the main window: the bytes of a file as the text of the data
// panel, and the text written so that the file is either complete or
// untouched. Failures come back as messages in the interface language.
#pragma once

#include <QString>

#include <string>

#include "gui/common/user_dialogs.hpp"
#include "shell/window_settings.hpp"
#include "text/language.hpp"

namespace velkar::gui {

// The file to open, asked through the dialogs; empty when cancelled.
QString AskOpenPath(const UserDialogs& dialogs, QWidget* parent, text::Language language);
// The file to save to, starting from the current file's name (or the default
// one); an existing file needs a Yes to the overwrite question, a No asks
// again. Empty when cancelled.
QString AskSavePath(const UserDialogs& dialogs, QWidget* parent, const QString& current,
                    const shell::WindowSettings& settings);

struct DataFileText {
  std::string text;  // decoded, line ends normalised
  QString error;     // empty when the file was read
};

DataFileText ReadDataFile(const QString& path, text::Language language);

// Empty, or the message why the file was not written (the old file stays).
QString WriteDataFile(const QString& path, const std::string& text, text::Language language);

}  // namespace velkar::gui
