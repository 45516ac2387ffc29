#include "shell/contour_panel.hpp"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QRadioButton>
#include <QToolButton>

#include "data/data_line.hpp"
#include "geometry/numbers.hpp"
#include "shell/qt_text.hpp"
#include "shell/texts.hpp"
#include "stereonet/canvas.hpp"

namespace velkar::shell {

using contour::ColourScheme;

namespace {

constexpr std::array<ColourScheme, 4> kSchemes = {ColourScheme::BlueGreenRed, ColourScheme::TwoColours,
                                                  ColourScheme::Rainbow, ColourScheme::ThreeColours};

QPixmap PreviewOf(ColourScheme scheme) {
  stereonet::RasterImage strip(40, 12);
  contour::DrawSchemePreview(strip, scheme);
  strip.Flush();
  return QPixmap::fromImage(QImage(strip.data(), strip.width(), strip.height(), strip.stride(),
                                   QImage::Format_ARGB32_Premultiplied)
                                .copy());
}

QToolButton* SwapButton(QGroupBox* box) {
  auto* b = new QToolButton(box);
  b->setText(QStringLiteral("⇄"));
  b->setAutoRaise(true);
  b->setFixedSize(16, 16);
  return b;
}

}  // namespace

ContourPanel::ContourPanel(QGroupBox* contour_group, QGroupBox* scheme_group, QObject* parent)
    : QObject(parent), scheme_group_(scheme_group) {
  // "Konturovat": the smoothing and the options of the lines.
  auto* c = new QGridLayout(contour_group);
  c->setContentsMargins(6, 2, 6, 2);
  c->setVerticalSpacing(0);
  Label2 = new QLabel(contour_group);
  zhlazeniTXT = new QLineEdit(QStringLiteral("64"), contour_group);
  zhlazeniTXT->setObjectName("zhlazeniTXT");
  zhlazeniTXT->setFixedWidth(44);
  DiskrChk = new QCheckBox(contour_group);
  DiskrChk->setObjectName("DiskrChk");
  KontCHK = new QCheckBox(contour_group);
  KontCHK->setObjectName("KontCHK");
  KontCHK->setChecked(true);
  // "0,5 %" has one form in both interfaces.
  Pulk = new QCheckBox(QStringLiteral("0,5 %"), contour_group);
  Pulk->setObjectName("Pulk");
  auto* smoothing = new QHBoxLayout;
  smoothing->addWidget(Label2);
  smoothing->addWidget(zhlazeniTXT);
  smoothing->addStretch(1);
  c->addLayout(smoothing, 0, 0);
  c->addWidget(DiskrChk, 0, 1);
  c->addWidget(KontCHK, 1, 0);
  c->addWidget(Pulk, 1, 1);

  // The colour schemes with their previews and swatches.
  auto* s = new QGridLayout(scheme_group);
  s->setContentsMargins(6, 2, 6, 2);
  s->setVerticalSpacing(0);
  s->setHorizontalSpacing(3);
  for (std::size_t i = 0; i < kSchemes.size(); ++i) {
    scheme_buttons[i] = new QRadioButton(scheme_group);
    scheme_buttons[i]->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
  }
  scheme_buttons[0]->setChecked(true);
  Image1 = new QLabel(scheme_group);
  Image1->setPixmap(PreviewOf(ColourScheme::BlueGreenRed));
  Image2 = new QLabel(scheme_group);
  Image2->setPixmap(PreviewOf(ColourScheme::Rainbow));
  Pmax = MakeSwatch(scheme_group, colours_.maximum);
  Pmin = MakeSwatch(scheme_group, colours_.minimum);
  P100 = MakeSwatch(scheme_group, colours_.at_100);
  P50 = MakeSwatch(scheme_group, colours_.at_50);
  P0 = MakeSwatch(scheme_group, colours_.at_0);
  Image6 = SwapButton(scheme_group);
  Image3 = SwapButton(scheme_group);
  Image4 = SwapButton(scheme_group);

  const auto row = [&](QRadioButton* button, std::initializer_list<QWidget*> widgets, int r) {
    auto* line = new QHBoxLayout;
    line->setSpacing(3);
    line->addWidget(button);
    for (QWidget* w : widgets) line->addWidget(w);
    line->addStretch(1);
    s->addLayout(line, r, 0, 1, 2);
  };
  row(scheme_buttons[0], {Image1}, 0);
  row(scheme_buttons[1], {Pmax, Image6, Pmin}, 1);
  row(scheme_buttons[2], {Image2}, 2);
  row(scheme_buttons[3], {P100, Image3, P50, Image4, P0}, 3);

  StinCHK = new QCheckBox(scheme_group);
  StinCHK->setObjectName("StinCHK");
  PevnCHK = new QCheckBox(QStringLiteral("1% o"), scheme_group);
  PevnCHK->setObjectName("PevnCHK");
  SpeedButton2 = new QToolButton(scheme_group);
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
  Edit1 = new QLineEdit(QStringLiteral("1"), scheme_group);
  Edit1->setObjectName("Edit1");
  Edit1->setGeometry(scheme_group->width() - 56, 20, 48, 20);
  Edit1->hide();
  scheme_group->setMouseTracking(true);
  scheme_group->installEventFilter(this);

  connect(DiskrChk, &QCheckBox::clicked, this, &ContourPanel::linesOptionChanged);
  connect(KontCHK, &QCheckBox::clicked, this, &ContourPanel::linesOptionChanged);
  connect(Pulk, &QCheckBox::clicked, this, &ContourPanel::linesOptionChanged);
  connect(StinCHK, &QCheckBox::clicked, this, &ContourPanel::shadowChanged);
  connect(PevnCHK, &QCheckBox::toggled, this, [this](bool on) {
    // The fixed percentage scale is defined for the smoothing 64.
    if (on) zhlazeniTXT->setText(QStringLiteral("64"));
    zhlazeniTXT->setEnabled(!on);
  });
  for (std::size_t i = 0; i < kSchemes.size(); ++i) {
    connect(scheme_buttons[i], &QRadioButton::clicked, this, [this, i] {
      scheme_ = kSchemes[i];
      emit schemeChanged();
    });
  }
  for (QToolButton* swatch : {Pmax, Pmin, P100, P50, P0})
    connect(swatch, &QToolButton::clicked, this, [this, swatch] { emit colourWanted(swatch); });
  connect(Image6, &QToolButton::clicked, this, [this] { Swap(Pmin, Pmax); });
  connect(Image3, &QToolButton::clicked, this, [this] { Swap(P100, P50); });
  connect(Image4, &QToolButton::clicked, this, [this] { Swap(P50, P0); });
  connect(SpeedButton2, &QToolButton::clicked, this, &ContourPanel::redrawRequested);
  connect(Edit1, &QLineEdit::returnPressed, this, [this] {
    emit stretchRequested();
    Edit1->hide();
  });
}

void ContourPanel::ApplyTexts(Language l) {
  Label2->setText(QText(TextId::SmoothLabel, l));
  DiskrChk->setText(QText(TextId::DiscreteCheck, l));
  KontCHK->setText(QText(TextId::ContoursCheck, l));
  StinCHK->setText(QText(TextId::ShadowCheck, l));
  SpeedButton2->setToolTip(QText(TextId::HintRedrawContours, l));
}

std::string ContourPanel::SmoothingText() const { return ToUtf8(zhlazeniTXT->text()); }
void ContourPanel::SetSmoothingText(const std::string& text) { zhlazeniTXT->setText(ToQString(text)); }
bool ContourPanel::Percent() const { return PevnCHK->isChecked(); }
bool ContourPanel::Discrete() const { return DiskrChk->isChecked(); }
bool ContourPanel::Contours() const { return KontCHK->isChecked(); }
bool ContourPanel::HalfInterval() const { return Pulk->isChecked(); }
bool ContourPanel::Shadow() const { return StinCHK->isChecked(); }

std::optional<double> ContourPanel::StretchFactor() const {
  const std::string text = geometry::NormaliseDecimalComma(ToUtf8(Edit1->text().trimmed()));
  double factor = 0;
  if (!geometry::ReadWholeNumber(text, factor)) return std::nullopt;
  return factor;
}

QToolButton* ContourPanel::MakeSwatch(QGroupBox* box, data::Rgb colour) {
  auto* swatch = new QToolButton(box);
  swatch->setFixedSize(22, 14);
  swatch->setIconSize(QSize(18, 10));
  ShowSwatch(swatch, colour);
  return swatch;
}

void ContourPanel::ShowSwatch(QToolButton* swatch, data::Rgb colour) {
  QPixmap p(18, 10);
  p.fill(QColor(colour.red, colour.green, colour.blue));
  swatch->setIcon(QIcon(p));
}

data::Rgb* ContourPanel::ColourOf(const QToolButton* swatch) {
  if (swatch == Pmax) return &colours_.maximum;
  if (swatch == Pmin) return &colours_.minimum;
  if (swatch == P100) return &colours_.at_100;
  if (swatch == P50) return &colours_.at_50;
  if (swatch == P0) return &colours_.at_0;
  return nullptr;
}

data::Rgb ContourPanel::SwatchColour(const QToolButton* swatch) const {
  const data::Rgb* c = const_cast<ContourPanel*>(this)->ColourOf(swatch);
  return c ? *c : data::Rgb{};
}

void ContourPanel::SetSwatchColour(QToolButton* swatch, data::Rgb colour) {
  data::Rgb* c = ColourOf(swatch);
  if (c == nullptr) return;
  *c = colour;
  ShowSwatch(swatch, colour);
  emit schemeColoursChanged(swatch == Pmax || swatch == Pmin ? ColourScheme::TwoColours
                                                              : ColourScheme::ThreeColours);
}

void ContourPanel::Swap(QToolButton* a, QToolButton* b) {
  data::Rgb* ca = ColourOf(a);
  data::Rgb* cb = ColourOf(b);
  std::swap(*ca, *cb);
  ShowSwatch(a, *ca);
  ShowSwatch(b, *cb);
  emit schemeColoursChanged(a == Pmin ? ColourScheme::TwoColours : ColourScheme::ThreeColours);
}

bool ContourPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == scheme_group_ && event->type() == QEvent::MouseMove) {
    const auto* move = static_cast<QMouseEvent*>(event);
    if ((move->buttons() & Qt::MiddleButton) && Edit1->geometry().contains(move->position().toPoint())) {
      Edit1->show();
      Edit1->raise();
      Edit1->setFocus();
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace velkar::shell
