#include "gui/main/data_files.hpp"

#include <QFile>
#include <QFileInfo>

#include "data/atomic_file.hpp"
#include "data/file_text.hpp"
#include "gui/common/qt_text.hpp"
#include "gui/main/data_document.hpp"

namespace velkar::gui {

DataFiles::DataFiles(QWidget* parent, const UserDialogs& dialogs, const shell::WindowSettings& settings,
                     DataDocument& document)
    : parent_(parent), dialogs_(dialogs), settings_(settings), document_(document) {}

QString DataFiles::AskOpenPath() const {
  const Language l = settings_.UiLanguage;
  const QString filter = QText(CaptionId::OpenFilterText, l) + QStringLiteral(";;") + QText(CaptionId::OpenFilterAll, l);
  return dialogs_.open_file_name ? dialogs_.open_file_name(parent_, filter) : QString();
}

std::optional<std::string> DataFiles::Read(const QString& path) const {
  QFile file(path);
  const auto failure = [&](TextId what) {
    ShowError(QText(what, settings_.UiLanguage) + QStringLiteral(": ") + path + QLatin1Char('\n') +
              file.errorString());
    return std::nullopt;
  };
  if (!file.open(QIODevice::ReadOnly)) return failure(TextId::CannotOpenFile);
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return failure(TextId::CannotReadFile);
  return data::DataTextFromFileBytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool DataFiles::Save(const QString& path) {
  const data::FileWriteResult written =
      data::WriteFileAtomically(QFile::encodeName(path).toStdString(), document_.Text());
  if (!written.ok) {
    ShowError(QText(TextId::CannotWriteFile, settings_.UiLanguage) + QLatin1Char('\n') +
              QString::fromLocal8Bit(written.error.c_str()));
    return false;
  }
  document_.SetFileName(QFileInfo(path).absoluteFilePath());
  document_.MarkSaved();
  // The data are saved; what could not be kept (the owner) is worth knowing.
  if (!written.warning.empty()) ShowError(QString::fromLocal8Bit(written.warning.c_str()));
  return true;
}

bool DataFiles::SaveAs() {
  const Language l = settings_.UiLanguage;
  const QString current = document_.FileName();
  const QString suggested = current.isEmpty() ? QText(CaptionId::SaveDefaultName, l) : current;
  const QString filter = QText(CaptionId::OpenFilterText, l);
  for (;;) {
    const QString path = dialogs_.save_file_name ? dialogs_.save_file_name(parent_, suggested, filter) : QString();
    if (path.isEmpty()) return false;
    if (!QFileInfo::exists(path) ||
        (dialogs_.ask_yes_no && dialogs_.ask_yes_no(parent_, ToQString(settings_.overwrite_question))))
      return Save(path);
    // No: the save dialog again.
  }
}

bool DataFiles::ConfirmDiscard() {
  if (!document_.Modified() || document_.Text().empty()) return true;
  const QString question = QText(CaptionId::UnsavedDataQuestion, settings_.UiLanguage);
  switch (dialogs_.ask_save_changes ? dialogs_.ask_save_changes(parent_, question) : SaveChoice::Discard) {
    case SaveChoice::Save: return SaveAs();
    case SaveChoice::Discard: return true;
    case SaveChoice::Cancel: return false;
  }
  return false;
}

void DataFiles::ShowError(const QString& message) const {
  if (dialogs_.show_error) dialogs_.show_error(parent_, message);
}

}  // namespace velkar::gui
