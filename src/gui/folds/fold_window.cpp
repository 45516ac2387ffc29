#include "gui/folds/fold_window.hpp"

#include "gui/common/qt_text.hpp"

namespace velkar::gui {

TVras::TVras(const shell::WindowSettings& settings, QWidget* parent) : WorkWindow(settings, parent) {
  setObjectName("Vras");
  SetCaptions();
}

void TVras::SetCaptions() { setWindowTitle(QText(CaptionId::FoldAnalysis, settings_.UiLanguage)); }

}  // namespace velkar::gui
