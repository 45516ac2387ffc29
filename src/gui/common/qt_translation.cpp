#include "gui/common/qt_translation.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace velkar::gui {

QtTranslation::~QtTranslation() {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
}

void QtTranslation::Apply(text::Language language) {
  if (installed_) {
    QCoreApplication::removeTranslator(&translator_);
    installed_ = false;
  }
  if (language != text::Language::Czech) return;
  if (translator_.load(QStringLiteral("qt_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    installed_ = QCoreApplication::installTranslator(&translator_);
}

}  // namespace velkar::gui
