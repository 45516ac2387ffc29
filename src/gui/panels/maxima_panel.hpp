// The maxima list `GroupBox6` ("Nalezená maxima"): the density maxima that
// the maxima search finds, in `Maxima_rich`, read-only.
#pragma once

#include "gui/panels/result_panel.hpp"
#include "text/language.hpp"

class QTextEdit;

namespace velkar::gui {

class MaximaPanel : public ResultPanel {
  Q_OBJECT
 public:
  MaximaPanel(QRect area, QWidget* parent);
  void ApplyTexts(text::Language language);

 private:
  QTextEdit* Maxima_rich = nullptr;
};

}  // namespace velkar::gui
