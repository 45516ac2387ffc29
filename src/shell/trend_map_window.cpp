#include "shell/trend_map_window.hpp"

#include "shell/qt_text.hpp"

namespace velkar::shell {

TArc::TArc(const WindowSettings& settings, QWidget* parent) : WorkWindow(settings, parent) {
  setObjectName("Arc");
  move(15, 15);
  SetCaptions();
}

void TArc::SetCaptions() { setWindowTitle(QText(TextId::TrendMapCaption, settings_.UiLanguage)); }

}  // namespace velkar::shell
