#include "gui/main/plot_panel.hpp"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/common/colour_swatch.hpp"
#include "gui/common/qt_colour.hpp"
#include "gui/common/qt_text.hpp"
#include "gui/common/tri_state_box.hpp"

namespace velkar::gui {

namespace {

stereonet::TriState ReadTriState(const QCheckBox* box) {
  switch (box->checkState()) {
    case Qt::Checked: return stereonet::TriState::Ticked;
    case Qt::PartiallyChecked: return stereonet::TriState::Grayed;
    default: return stereonet::TriState::Clear;
  }
}

constexpr std::array<CaptionId, 4> kModeCaptions = {CaptionId::PlotAsLines, CaptionId::PlotAsCircles,
                                                    CaptionId::PlotAsPoles, CaptionId::PlotAsSynoptic};

}  // namespace

PlotPanel::PlotPanel(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(5);

  Kolca = new QGroupBox;
  Kolca->setObjectName("Kolca");
  Kolca->setContextMenuPolicy(Qt::CustomContextMenu);
  auto* items = new QVBoxLayout(Kolca);
  items->setSpacing(2);
  items->setContentsMargins(8, 4, 8, 4);
  kolca_group_ = new QButtonGroup(this);
  for (std::size_t i = 0; i < kolca_items_.size(); ++i) {
    kolca_items_[i] = new QRadioButton;
    kolca_items_[i]->setObjectName(QStringLiteral("Kolca%1").arg(i));
    items->addWidget(kolca_items_[i]);
    kolca_group_->addButton(kolca_items_[i], static_cast<int>(i));
  }
  kolca_items_[0]->setChecked(true);
  layout->addWidget(Kolca);

  auto* symbol_row = new QHBoxLayout;
  VelPunt = new QSlider(Qt::Horizontal);
  VelPunt->setObjectName("VelPunt");
  VelPunt->setRange(2, 8);
  VelPunt->setValue(3);
  VelPunt->setPageStep(1);
  VelPunt->setTickPosition(QSlider::TicksBelow);
  VelPunt->setTickInterval(1);
  ImBarPunt = new ColourSwatch;
  symbol_row->addWidget(VelPunt, 1);
  symbol_row->addWidget(ImBarPunt);
  layout->addLayout(symbol_row);

  auto* check_row = new QHBoxLayout;
  Legenda = new TriStateBox;
  Legenda->setObjectName("Legenda");
  Legenda->setCheckState(Qt::Checked);
  OriCH = new TriStateBox;
  OriCH->setObjectName("OriCH");
  OriCH->setCheckState(Qt::Unchecked);
  OriCH->installEventFilter(this);
  check_row->addWidget(Legenda);
  check_row->addWidget(OriCH);
  check_row->addStretch(1);
  layout->addLayout(check_row);
  layout->addStretch(1);

  connect(kolca_group_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    // Item 0 clears and items 1 and 2 tick the rose diagram's planes box,
    // which comes with the rose diagram.
    if (checked) emit plotRequested();
  });
  connect(Kolca, &QWidget::customContextMenuRequested, this, &PlotPanel::referencePicturesRequested);
  connect(VelPunt, &QSlider::valueChanged, this, &PlotPanel::plotRequested);
  connect(ImBarPunt, &ColourSwatch::clicked, this, &PlotPanel::elementColourClicked);
  connect(ImBarPunt, &ColourSwatch::middleDragged, this, &PlotPanel::opacityDragged);
  connect(Legenda, &TriStateBox::stateChosen, this, &PlotPanel::legendChosen);
  connect(OriCH, &TriStateBox::stateChosen, this, &PlotPanel::orientationChosen);
}

void PlotPanel::ApplyTexts(text::Language l) {
  Kolca->setTitle(QText(CaptionId::PlotAsCaption, l));
  for (std::size_t i = 0; i < kModeCaptions.size(); ++i) kolca_items_[i]->setText(QText(kModeCaptions[i], l));
  Legenda->setText(QText(CaptionId::LegendCheck, l));
  OriCH->setText(QText(CaptionId::OrientationCheck, l));
  VelPunt->setToolTip(QText(CaptionId::HintSymbolSize, l));
  ImBarPunt->setToolTip(QText(CaptionId::HintSymbolColour, l));
}

void PlotPanel::ReadInto(shell::PlotControls& c) const {
  c.symbol_size_position = VelPunt->value();
  c.data.mode = static_cast<data::PlotMode>(std::max(0, kolca_group_->checkedId()));
  c.legend = ReadTriState(Legenda);
  c.orientation = ReadTriState(OriCH);
}

void PlotPanel::SetElementColour(data::Rgb c) { ImBarPunt->SetColour(ToQColor(c)); }

bool PlotPanel::OrientationCleared() const { return OriCH->checkState() == Qt::Unchecked; }

void PlotPanel::ToggleLegendGrey() { Legenda->ToggleGrey(); }

void PlotPanel::ToggleOrientationGrey() { OriCH->ToggleGrey(); }

bool PlotPanel::eventFilter(QObject* watched, QEvent* event) {
  // Moving over the orientation box with the middle button held asks for the
  // colour of the eigenvector overlay, once per press.
  if (watched == OriCH) {
    if (event->type() == QEvent::MouseButtonRelease) orientation_colour_asked_ = false;
    if (event->type() == QEvent::MouseMove && !orientation_colour_asked_ &&
        (static_cast<QMouseEvent*>(event)->buttons() & Qt::MiddleButton)) {
      orientation_colour_asked_ = true;
      emit orientationColourWanted();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace velkar::gui
