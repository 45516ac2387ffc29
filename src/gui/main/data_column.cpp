#include "gui/main/data_column.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/common/qt_text.hpp"
#include "gui/main/data_panel.hpp"
#include "gui/main/delimiter_box.hpp"
#include "gui/main/plot_panel.hpp"

namespace velkar::gui {

namespace {
constexpr int kColumnWidth = 210;
constexpr int kDataPanelHeight = 314;
constexpr int kDelimiterWidth = 30;
}  // namespace

DataColumn::DataColumn(QWidget* parent) : QWidget(parent) {
  setFixedWidth(kColumnWidth);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(5);

  auto* delimiter_row = new QHBoxLayout;
  Label13 = new QLabel;
  Label13->setObjectName("Label13");
  DeliRich = new DelimiterBox;
  DeliRich->setFixedWidth(kDelimiterWidth);
  delimiter_row->addWidget(Label13);
  delimiter_row->addWidget(DeliRich);
  delimiter_row->addStretch(1);
  layout->addLayout(delimiter_row);

  Vlozit = new DataPanel;
  Vlozit->setFixedHeight(kDataPanelHeight);
  layout->addWidget(Vlozit);

  plot_panel_ = new PlotPanel;
  layout->addWidget(plot_panel_, 1);
}

void DataColumn::ApplyTexts(text::Language l) {
  Label13->setText(QText(CaptionId::DelimiterLabel, l));
  plot_panel_->ApplyTexts(l);
}

}  // namespace velkar::gui
