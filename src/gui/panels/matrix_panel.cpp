#include "gui/panels/matrix_panel.hpp"

#include <QTextEdit>
#include <QTextDocument>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextOption>

#include <algorithm>
#include <cmath>

#include "gui/common/qt_text.hpp"

namespace velkar::gui {

namespace {

constexpr qreal kTabGap = 8;

QList<QTextOption::Tab> Stops(std::initializer_list<qreal> positions) {
  QList<QTextOption::Tab> tabs;
  for (const qreal p : positions) tabs.append(QTextOption::Tab(std::ceil(p), QTextOption::LeftTab));
  return tabs;
}

// Tab stops that line up the matrix text in either language. The rows put
// two tabs between the orientation and its eigenvalue and the header one or
// two between its words: their first stop lies beyond every field before a
// double tab, the second beyond a header word before a single tab, so that
// both headers stand over their columns. The parameter lines put one tab
// between label and value: their one stop lies beyond the longest label, so
// that the values share a column.
void LineUpMatrixText(QTextDocument* document, const QFontMetricsF& metrics) {
  qreal first = 0, second = 0, values = 0;
  const auto field_width = [&metrics](const QString& line, qsizetype tab) {
    return metrics.horizontalAdvance(line.left(tab)) + kTabGap;
  };
  const auto is_parameter = [](const QTextBlock& block, qsizetype tab) {
    return block.blockNumber() > 0 && block.text().mid(tab, 2) != QStringLiteral("\t\t");
  };
  for (QTextBlock b = document->begin(); b.isValid(); b = b.next()) {
    const qsizetype tab = b.text().indexOf(QLatin1Char('\t'));
    if (tab < 0) continue;
    const qreal width = field_width(b.text(), tab);
    if (is_parameter(b, tab))
      values = std::max(values, width);
    else if (b.text().mid(tab, 2) == QStringLiteral("\t\t"))
      first = std::max(first, width);
    else
      second = std::max(second, width);
  }
  second = std::max(second, first + kTabGap);
  QTextCursor cursor(document);
  for (QTextBlock b = document->begin(); b.isValid(); b = b.next()) {
    const qsizetype tab = b.text().indexOf(QLatin1Char('\t'));
    QTextBlockFormat format = b.blockFormat();
    format.setTabPositions(tab >= 0 && is_parameter(b, tab) ? Stops({values}) : Stops({first, second}));
    cursor.setPosition(b.position());
    cursor.setBlockFormat(format);
  }
}

}  // namespace

MatrixPanel::MatrixPanel(QRect area, QWidget* parent) : ResultPanel("MatOrienBox", area, parent) {
  MatVyp = new QTextEdit;
  MatVyp->setObjectName("MatVyp");
  MatVyp->setReadOnly(true);
  MatVyp->setLineWrapMode(QTextEdit::NoWrap);
  MatVyp->setAcceptRichText(false);
  QFont matrix_font = MatVyp->font();
  matrix_font.setPointSizeF(matrix_font.pointSizeF() - 1);
  MatVyp->setFont(matrix_font);
  SetContent(MatVyp);
}

void MatrixPanel::ApplyTexts(text::Language l) { setTitle(QText(CaptionId::MatrixGroup, l)); }

void MatrixPanel::ShowText(const std::string& text) {
  ShowOnTop();
  MatVyp->setPlainText(ToQString(text));
  LineUpMatrixText(MatVyp->document(), QFontMetricsF(MatVyp->font()));
}

}  // namespace velkar::gui
