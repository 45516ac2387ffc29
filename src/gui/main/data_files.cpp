#include "gui/main/data_files.hpp"

#include <QFile>
#include <QFileInfo>

#include "data/atomic_file.hpp"
#include "data/file_text.hpp"
#include "gui/common/qt_text.hpp"

namespace velkar::gui {

QString AskOpenPath(const UserDialogs& dialogs, QWidget* parent, text::Language language) {
  const QString filter = QText(CaptionId::OpenFilterText, language) + QStringLiteral(";;") +
                         QText(CaptionId::OpenFilterAll, language);
  return dialogs.open_file_name ? dialogs.open_file_name(parent, filter) : QString();
}

QString AskSavePath(const UserDialogs& dialogs, QWidget* parent, const QString& current,
                    const shell::WindowSettings& settings) {
  const QString suggested = current.isEmpty() ? QText(CaptionId::SaveDefaultName, settings.UiLanguage) : current;
  const QString filter = QText(CaptionId::OpenFilterText, settings.UiLanguage);
  for (;;) {
    const QString path = dialogs.save_file_name ? dialogs.save_file_name(parent, suggested, filter) : QString();
    if (path.isEmpty() || !QFileInfo::exists(path)) return path;
    if (dialogs.ask_yes_no && dialogs.ask_yes_no(parent, ToQString(settings.overwrite_question))) return path;
    // No: the save dialog again.
  }
}

DataFileText ReadDataFile(const QString& path, text::Language language) {
  QFile file(path);
  const auto failure = [&](TextId what) {
    return DataFileText{{}, QText(what, language) + QStringLiteral(": ") + path + QLatin1Char('\n') +
                                file.errorString()};
  };
  if (!file.open(QIODevice::ReadOnly)) return failure(TextId::CannotOpenFile);
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return failure(TextId::CannotReadFile);
  return {data::NormaliseLineEnds(data::DecodeFileText(std::string_view(bytes.constData(), bytes.size()))), {}};
}

QString WriteDataFile(const QString& path, const std::string& text, text::Language language) {
  std::string error;
  if (data::WriteFileAtomically(QFile::encodeName(path).toStdString(), text, error)) return {};
  return QText(TextId::CannotWriteFile, language) + QLatin1Char('\n') + QString::fromLocal8Bit(error.c_str());
}

}  // namespace velkar::gui
