#include "gui/trendmap/trend_map_window.hpp"

#include "gui/common/qt_text.hpp"

namespace velkar::gui {

TArc::TArc(const shell::WindowSettings& settings, QWidget* parent) : WorkWindow(settings, parent) {
  setObjectName("Arc");
  move(15, 15);
  SetCaptions();
}

void TArc::SetCaptions() { setWindowTitle(QText(CaptionId::TrendMapCaption, settings_.UiLanguage)); }

}  // namespace velkar::gui
