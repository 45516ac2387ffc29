#include "gui/digitizer/digitizer_window.hpp"

#include "gui/common/qt_text.hpp"

namespace velkar::gui {

TMapa::TMapa(const shell::WindowSettings& settings, QWidget* parent) : WorkWindow(settings, parent) {
  setObjectName("Mapa");
  SetCaptions();
}

void TMapa::SetCaptions() { setWindowTitle(QText(CaptionId::DigitizerCaption, settings_.UiLanguage)); }

}  // namespace velkar::gui
