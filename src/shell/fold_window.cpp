#include "shell/fold_window.hpp"

#include "shell/qt_text.hpp"

namespace velkar::shell {

TVras::TVras(const WindowSettings& settings, QWidget* parent) : WorkWindow(settings, parent) {
  setObjectName("Vras");
  SetCaptions();
}

void TVras::SetCaptions() { setWindowTitle(QText(TextId::FoldAnalysis, settings_.UiLanguage)); }

}  // namespace velkar::shell
