#include "gui/common/font_holder.hpp"

#include "gui/common/qt_text.hpp"

namespace velkar::gui {

TMedRA::TMedRA(QWidget* parent) : QWidget(parent) {
  setObjectName("MedRA");
  setWindowFlag(Qt::Window);
  setWindowTitle(QText(CaptionId::FontHolderCaption, Language::Czech));
}

}  // namespace velkar::gui
