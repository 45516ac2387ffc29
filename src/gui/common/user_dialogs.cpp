#include "gui/common/user_dialogs.hpp"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

#include "gui/common/qt_text.hpp"

namespace velkar::gui {

UserDialogs SystemDialogs() {
  UserDialogs d;
  d.open_file_name = [](QWidget* parent, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
  };
  d.save_file_name = [](QWidget* parent, const QString& suggested, const QString& filter) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setNameFilter(filter);
    // The main window asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(suggested);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                  : QString();
  };
  d.ask_yes_no = [](QWidget* parent, const QString& question) {
    return QMessageBox::warning(parent, parent ? parent->windowTitle() : QString(), question,
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
  };
  d.ask_save_changes = [](QWidget* parent, const QString& question) {
    switch (QMessageBox::warning(parent, parent ? parent->windowTitle() : QString(), question,
                                 QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                 QMessageBox::Save)) {
      case QMessageBox::Save: return SaveChoice::Save;
      case QMessageBox::Discard: return SaveChoice::Discard;
      default: return SaveChoice::Cancel;
    }
  };
  d.ask_number = [](QWidget* parent, const QString& label, int value, int low, int high) -> std::optional<int> {
    bool ok = false;
    const int n = QInputDialog::getInt(parent, parent ? parent->windowTitle() : QString(), label, value, low, high, 1,
                                       &ok);
    if (!ok) return std::nullopt;
    return n;
  };
  d.show_error = [](QWidget* parent, const QString& message) {
    QApplication::beep();
    QMessageBox::critical(parent, parent ? parent->windowTitle() : QString(), message);
  };
  d.choose_colour = [](QWidget* parent, const QColor& initial) -> std::optional<QColor> {
    const QColor c = QColorDialog::getColor(initial, parent);
    if (!c.isValid()) return std::nullopt;
    return c;
  };
  d.open_address = [](const QString& address) { QDesktopServices::openUrl(QUrl(address)); };
  return d;
}

}  // namespace velkar::gui
