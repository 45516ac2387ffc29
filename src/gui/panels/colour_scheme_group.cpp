#include "gui/panels/colour_scheme_group.hpp"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QRadioButton>
#include <QToolButton>

#include "geometry/numbers.hpp"
#include "gui/common/image_wrapper.hpp"
#include "gui/common/qt_colour.hpp"
#include "gui/common/qt_text.hpp"

namespace velkar::gui {

using contour::ColourScheme;

namespace {

constexpr std::array<ColourScheme, 4> kSchemes = {ColourScheme::BlueGreenRed, ColourScheme::TwoColours,
                                                  ColourScheme::Rainbow, ColourScheme::ThreeColours};

QPixmap PreviewOf(ColourScheme scheme) {
  raster::RasterImage strip(40, 12);
  contour::DrawSchemePreview(strip, scheme);
  strip.Flush();
  return PixmapOf(strip);
}

QToolButton* SwapButton(QGroupBox* box) {
  auto* b = new QToolButton(box);
  b->setText(QStringLiteral("⇄"));
  b->setAutoRaise(true);
  b->setFixedSize(16, 16);
  return b;
}

void ShowSwatch(QToolButton* swatch, data::Rgb colour) {
  QPixmap p(18, 10);
  p.fill(ToQColor(colour));
  swatch->setIcon(QIcon(p));
}

}  // namespace

ColourSchemeGroup::ColourSchemeGroup(QWidget* parent) : QGroupBox(parent) {
  setObjectName("GroupBox4");
  auto* s = new QGridLayout(this);
  s->setContentsMargins(6, 2, 6, 2);
  s->setVerticalSpacing(0);
  s->setHorizontalSpacing(3);
  for (std::size_t i = 0; i < kSchemes.size(); ++i) {
    scheme_buttons_[i] = new QRadioButton(this);
    scheme_buttons_[i]->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
  }
  scheme_buttons_[0]->setChecked(true);
  Image1 = new QLabel(this);
  Image1->setPixmap(PreviewOf(ColourScheme::BlueGreenRed));
  Image2 = new QLabel(this);
  Image2->setPixmap(PreviewOf(ColourScheme::Rainbow));
  Pmax = MakeSwatch(colours_.maximum);
  Pmin = MakeSwatch(colours_.minimum);
  P100 = MakeSwatch(colours_.at_100);
  P50 = MakeSwatch(colours_.at_50);
  P0 = MakeSwatch(colours_.at_0);
  Image6 = SwapButton(this);
  Image3 = SwapButton(this);
  Image4 = SwapButton(this);

  const auto row = [&](QRadioButton* button, std::initializer_list<QWidget*> widgets, int r) {
    auto* line = new QHBoxLayout;
    line->setSpacing(3);
    line->addWidget(button);
    for (QWidget* w : widgets) line->addWidget(w);
    line->addStretch(1);
    s->addLayout(line, r, 0, 1, 2);
  };
  row(scheme_buttons_[0], {Image1}, 0);
  row(scheme_buttons_[1], {Pmax, Image6, Pmin}, 1);
  row(scheme_buttons_[2], {Image2}, 2);
  row(scheme_buttons_[3], {P100, Image3, P50, Image4, P0}, 3);

  StinCHK = new QCheckBox(this);
  StinCHK->setObjectName("StinCHK");
  PevnCHK = new QCheckBox(QStringLiteral("1% o"), this);
  PevnCHK->setObjectName("PevnCHK");
  SpeedButton2 = new QToolButton(this);
  SpeedButton2->setObjectName("SpeedButton2");
  SpeedButton2->setIcon(QIcon(QStringLiteral(":/icons/contour.svg")));
  SpeedButton2->setIconSize(QSize(18, 18));
  auto* options = new QHBoxLayout;
  options->addWidget(StinCHK);
  options->addWidget(PevnCHK);
  options->addStretch(1);
  options->addWidget(SpeedButton2);
  s->addLayout(options, 4, 0, 1, 2);

  // The stretch field lies hidden at the right of the scheme rows; moving
  // over its place with the middle button held shows it.
  Edit1 = new QLineEdit(QStringLiteral("1"), this);
  Edit1->setObjectName("Edit1");
  Edit1->hide();
  setMouseTracking(true);
  installEventFilter(this);

  connect(StinCHK, &QCheckBox::clicked, this, &ColourSchemeGroup::shadowChanged);
  connect(PevnCHK, &QCheckBox::toggled, this, &ColourSchemeGroup::percentScaleChanged);
  for (std::size_t i = 0; i < kSchemes.size(); ++i) {
    connect(scheme_buttons_[i], &QRadioButton::clicked, this, [this, i] {
      scheme_ = kSchemes[i];
      emit schemeChanged();
    });
  }
  for (QToolButton* swatch : {Pmax, Pmin, P100, P50, P0})
    connect(swatch, &QToolButton::clicked, this, [this, swatch] { emit colourWanted(swatch); });
  connect(Image6, &QToolButton::clicked, this, [this] { Swap(Pmin, Pmax); });
  connect(Image3, &QToolButton::clicked, this, [this] { Swap(P100, P50); });
  connect(Image4, &QToolButton::clicked, this, [this] { Swap(P50, P0); });
  connect(SpeedButton2, &QToolButton::clicked, this, &ColourSchemeGroup::redrawRequested);
  connect(Edit1, &QLineEdit::returnPressed, this, [this] {
    emit stretchRequested();
    Edit1->hide();
  });
}

void ColourSchemeGroup::ApplyTexts(text::Language l) {
  setTitle(QText(CaptionId::ColourSchemeGroup, l));
  StinCHK->setText(QText(CaptionId::ShadowCheck, l));
  SpeedButton2->setToolTip(QText(CaptionId::HintRedrawContours, l));
}

void ColourSchemeGroup::ReadInto(shell::ContourControls& c) const {
  c.percent = PevnCHK->isChecked();
  c.scheme = scheme_;
  c.colours = colours_;
}

bool ColourSchemeGroup::Shadow() const { return StinCHK->isChecked(); }

std::optional<double> ColourSchemeGroup::StretchFactor() const {
  return geometry::ReadEnteredNumber(ToUtf8(Edit1->text()));
}

QToolButton* ColourSchemeGroup::MakeSwatch(data::Rgb colour) {
  auto* swatch = new QToolButton(this);
  swatch->setFixedSize(22, 14);
  swatch->setIconSize(QSize(18, 10));
  ShowSwatch(swatch, colour);
  return swatch;
}

data::Rgb* ColourSchemeGroup::ColourOf(const QToolButton* swatch) {
  if (swatch == Pmax) return &colours_.maximum;
  if (swatch == Pmin) return &colours_.minimum;
  if (swatch == P100) return &colours_.at_100;
  if (swatch == P50) return &colours_.at_50;
  if (swatch == P0) return &colours_.at_0;
  return nullptr;
}

data::Rgb ColourSchemeGroup::SwatchColour(const QToolButton* swatch) const {
  const data::Rgb* c = const_cast<ColourSchemeGroup*>(this)->ColourOf(swatch);
  return c ? *c : data::Rgb{};
}

void ColourSchemeGroup::SetSwatchColour(QToolButton* swatch, data::Rgb colour) {
  data::Rgb* c = ColourOf(swatch);
  if (c == nullptr) return;
  *c = colour;
  ShowSwatch(swatch, colour);
  emit schemeColoursChanged(swatch == Pmax || swatch == Pmin ? ColourScheme::TwoColours
                                                              : ColourScheme::ThreeColours);
}

void ColourSchemeGroup::Swap(QToolButton* a, QToolButton* b) {
  data::Rgb* ca = ColourOf(a);
  data::Rgb* cb = ColourOf(b);
  std::swap(*ca, *cb);
  ShowSwatch(a, *ca);
  ShowSwatch(b, *cb);
  emit schemeColoursChanged(a == Pmin ? ColourScheme::TwoColours : ColourScheme::ThreeColours);
}

bool ColourSchemeGroup::eventFilter(QObject* watched, QEvent* event) {
  if (watched == this && event->type() == QEvent::Resize)
    Edit1->setGeometry(width() - 56, 20, 48, 20);
  if (watched == this && event->type() == QEvent::MouseMove) {
    const auto* move = static_cast<QMouseEvent*>(event);
    if ((move->buttons() & Qt::MiddleButton) && Edit1->geometry().contains(move->position().toPoint())) {
      Edit1->show();
      Edit1->raise();
      Edit1->setFocus();
    }
  }
  return QGroupBox::eventFilter(watched, event);
}

}  // namespace velkar::gui
