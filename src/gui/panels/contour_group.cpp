#include "gui/panels/contour_group.hpp"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "contour/density.hpp"
#include "gui/common/qt_text.hpp"

namespace velkar::gui {

ContourGroup::ContourGroup(QWidget* parent) : QGroupBox(parent) {
  setObjectName("GroupBox3");
  auto* c = new QGridLayout(this);
  c->setContentsMargins(6, 2, 6, 2);
  c->setVerticalSpacing(0);
  Label2 = new QLabel(this);
  zhlazeniTXT = new QLineEdit(ToQString(contour::kPercentScaleSmoothing), this);
  zhlazeniTXT->setObjectName("zhlazeniTXT");
  zhlazeniTXT->setFixedWidth(44);
  DiskrChk = new QCheckBox(this);
  DiskrChk->setObjectName("DiskrChk");
  KontCHK = new QCheckBox(this);
  KontCHK->setObjectName("KontCHK");
  KontCHK->setChecked(true);
  // "0,5 %" has one form in both interfaces.
  Pulk = new QCheckBox(QStringLiteral("0,5 %"), this);
  Pulk->setObjectName("Pulk");
  auto* smoothing = new QHBoxLayout;
  smoothing->addWidget(Label2);
  smoothing->addWidget(zhlazeniTXT);
  smoothing->addStretch(1);
  c->addLayout(smoothing, 0, 0);
  c->addWidget(DiskrChk, 0, 1);
  c->addWidget(KontCHK, 1, 0);
  c->addWidget(Pulk, 1, 1);

  for (QCheckBox* option : {DiskrChk, KontCHK, Pulk})
    connect(option, &QCheckBox::clicked, this, &ContourGroup::linesOptionChanged);
}

void ContourGroup::ApplyTexts(text::Language l) {
  setTitle(QText(CaptionId::ContourGroup, l));
  Label2->setText(QText(CaptionId::SmoothLabel, l));
  DiskrChk->setText(QText(CaptionId::DiscreteCheck, l));
  KontCHK->setText(QText(CaptionId::ContoursCheck, l));
}

void ContourGroup::ReadInto(shell::ContourControls& c) const {
  c.smoothing_text = ToUtf8(zhlazeniTXT->text());
  c.discrete = DiskrChk->isChecked();
  c.contours = KontCHK->isChecked();
  c.half_interval = Pulk->isChecked();
}

void ContourGroup::SetSmoothingText(const std::string& text) { zhlazeniTXT->setText(ToQString(text)); }

void ContourGroup::SetPercentScale(bool on) {
  // The fixed percentage scale is defined for one smoothing only.
  if (on) zhlazeniTXT->setText(ToQString(contour::kPercentScaleSmoothing));
  zhlazeniTXT->setEnabled(!on);
}

}  // namespace velkar::gui
