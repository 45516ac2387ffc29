// The orientation matrix `MatOrienBox`: the eigenvectors, eigenvalues and
// shape parameters of the last plot or contoured diagram with the overlay,
// in `MatVyp`, read-only.
#pragma once

#include <string>

#include "gui/panels/result_panel.hpp"
#include "text/language.hpp"

class QTextEdit;

namespace velkar::gui {

class MatrixPanel : public ResultPanel {
  Q_OBJECT
 public:
  MatrixPanel(QRect area, QWidget* parent);
  void ApplyTexts(text::Language language);
  // Shows the text on top of the groups.
  void ShowText(const std::string& text);

 private:
  QTextEdit* MatVyp = nullptr;
};

}  // namespace velkar::gui
