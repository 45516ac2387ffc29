#include "gui/panels/matrix_panel.hpp"

#include <QPlainTextEdit>

#include <algorithm>
#include <cmath>

#include "gui/common/qt_text.hpp"

namespace velkar::gui {

namespace {

// A tab distance that lines up the numbers of the orientation-matrix text
// under its header in both languages: the rows put two tabs after the
// orientation, the header n tabs after its first word, so that word must end
// before the (3 - n)-th tab stop.
qreal MatrixTabStop(const QFontMetricsF& metrics) {
  qreal stop = metrics.horizontalAdvance(QStringLiteral("000/00"));
  for (const Language language : {Language::Czech, Language::English}) {
    const QString header = QText(TextId::MatrixHeader, language);
    const qsizetype first_tab = header.indexOf(QLatin1Char('\t'));
    if (first_tab < 0) continue;
    qsizetype tabs = 0;
    while (first_tab + tabs < header.size() && header.at(first_tab + tabs) == QLatin1Char('\t')) ++tabs;
    if (tabs > 2) continue;
    stop = std::max(stop, metrics.horizontalAdvance(header.left(first_tab)) / static_cast<qreal>(3 - tabs));
  }
  return std::ceil(stop + 6);
}

}  // namespace

MatrixPanel::MatrixPanel(QRect area, QWidget* parent) : ResultPanel("MatOrienBox", area, parent) {
  MatVyp = new QPlainTextEdit;
  MatVyp->setObjectName("MatVyp");
  MatVyp->setReadOnly(true);
  MatVyp->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont matrix_font = MatVyp->font();
  matrix_font.setPointSizeF(matrix_font.pointSizeF() - 1);
  MatVyp->setFont(matrix_font);
  MatVyp->setTabStopDistance(MatrixTabStop(QFontMetricsF(matrix_font)));
  SetContent(MatVyp);
}

void MatrixPanel::ApplyTexts(text::Language l) { setTitle(QText(CaptionId::MatrixGroup, l)); }

void MatrixPanel::ShowText(const std::string& text) {
  ShowOnTop();
  MatVyp->setPlainText(ToQString(text));
}

}  // namespace velkar::gui
