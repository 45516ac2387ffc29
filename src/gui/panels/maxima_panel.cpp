#include "gui/panels/maxima_panel.hpp"

#include <QTextEdit>

#include "gui/common/qt_text.hpp"

namespace velkar::gui {

MaximaPanel::MaximaPanel(QRect area, QWidget* parent) : ResultPanel("GroupBox6", area, parent) {
  Maxima_rich = new QTextEdit;
  Maxima_rich->setObjectName("Maxima_rich");
  Maxima_rich->setReadOnly(true);
  SetContent(Maxima_rich);
}

void MaximaPanel::ApplyTexts(text::Language l) { setTitle(QText(CaptionId::MaximaGroup, l)); }

}  // namespace velkar::gui
