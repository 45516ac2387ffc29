// The dialogs the main window asks the user through. The window holds them
// as replaceable functions so that its commands can be driven without a
// person at the screen (the GUI tests do so).
#pragma once

#include <QColor>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace velkar::gui {

// The answers to the question about unsaved data.
enum class SaveChoice { Save, Discard, Cancel };

struct UserDialogs {
  // The file to open; empty when cancelled.
  std::function<QString(QWidget* parent, const QString& filter)> open_file_name;
  // The file to save to, starting from the suggested name; empty when cancelled.
  std::function<QString(QWidget* parent, const QString& suggested, const QString& filter)> save_file_name;
  // A warning with Yes and No; true for Yes.
  std::function<bool(QWidget* parent, const QString& question)> ask_yes_no;
  // Unsaved data: save them, discard them, or cancel what would lose them.
  std::function<SaveChoice(QWidget* parent, const QString& question)> ask_save_changes;
  // A whole number in low..high, starting from value; empty when cancelled.
  std::function<std::optional<int>(QWidget* parent, const QString& label, int value, int low, int high)> ask_number;
  // A modal error message with the system's error sound.
  std::function<void(QWidget* parent, const QString& message)> show_error;
  // The colour dialog; empty when cancelled.
  std::function<std::optional<QColor>(QWidget* parent, const QColor& initial)> choose_colour;
  // Opens a web page in the system's browser.
  std::function<void(const QString& address)> open_address;
};

// The desktop's own dialogs.
UserDialogs SystemDialogs();

}  // namespace velkar::gui
