// Qt's own texts (the buttons of message boxes, the file and colour
// dialogs) in the interface language: Debian's Qt translations, loaded for
// the Czech interface and taken away by the English switch.
#pragma once

#include <QTranslator>

#include "text/language.hpp"

namespace velkar::gui {

class QtTranslation {
 public:
  QtTranslation() = default;
  ~QtTranslation();
  QtTranslation(const QtTranslation&) = delete;
  QtTranslation& operator=(const QtTranslation&) = delete;

  // Installs the translation of the language into the application (none for
  // English, or where the system has none).
  void Apply(text::Language language);

 private:
  QTranslator translator_;
  bool installed_ = false;
};

}  // namespace velkar::gui
