#include "shell/font_holder.hpp"

#include "shell/qt_text.hpp"

namespace velkar::shell {

TMedRA::TMedRA(QWidget* parent) : QWidget(parent) {
  setObjectName("MedRA");
  setWindowFlag(Qt::Window);
  setWindowTitle(QText(TextId::FontHolderCaption, Language::Czech));
}

}  // namespace velkar::shell
