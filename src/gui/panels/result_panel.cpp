#include "gui/panels/result_panel.hpp"

#include <QIcon>
#include <QToolButton>
#include <QVBoxLayout>

namespace velkar::gui {

ResultPanel::ResultPanel(const char* name, QRect area, QWidget* parent) : QGroupBox(parent) {
  setObjectName(QLatin1String(name));
  setGeometry(area);
  setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 4, 6, 6);
  auto* close = new QToolButton(this);
  close->setIcon(QIcon(":/icons/close.svg"));
  close->setIconSize(QSize(12, 12));
  close->setAutoRaise(true);
  close->setFixedSize(16, 16);
  close->move(width() - 20, 0);
  connect(close, &QToolButton::clicked, this, &QWidget::hide);
  hide();
}

void ResultPanel::ShowOnTop() {
  show();
  raise();
}

void ResultPanel::SetContent(QWidget* content) { layout()->addWidget(content); }

}  // namespace velkar::gui
