#include "shell/digitizer_window.hpp"

#include "shell/qt_text.hpp"

namespace velkar::shell {

TMapa::TMapa(const WindowSettings& settings, QWidget* parent) : WorkWindow(settings, parent) {
  setObjectName("Mapa");
  SetCaptions();
}

void TMapa::SetCaptions() { setWindowTitle(QText(TextId::DigitizerCaption, settings_.UiLanguage)); }

}  // namespace velkar::shell
