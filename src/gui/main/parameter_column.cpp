#include "gui/main/parameter_column.hpp"

#include <QGroupBox>
#include <QVBoxLayout>

#include "gui/common/qt_text.hpp"
#include "gui/panels/colour_scheme_group.hpp"
#include "gui/panels/contour_group.hpp"
#include "gui/panels/matrix_panel.hpp"
#include "gui/panels/maxima_panel.hpp"
#include "raster/image.hpp"

namespace velkar::gui {

namespace {

constexpr int kColumnWidth = 250;
// Heights of the groups, top down, and the spacing between them. The result
// boxes cover the generator group, the lowest one, when shown.
constexpr int kContourGroupHeight = 64, kSchemeGroupHeight = 118, kRoseGroupHeight = 56, kRotationGroupHeight = 56,
              kGeneratorGroupHeight = 76, kGroupSpacing = 4;
constexpr int kResultBoxHeight =
    raster::kDiagramHeight -
    (kContourGroupHeight + kSchemeGroupHeight + kRoseGroupHeight + kRotationGroupHeight + 4 * kGroupSpacing);

}  // namespace

ParameterColumn::ParameterColumn(QWidget* parent) : QWidget(parent) {
  setFixedSize(kColumnWidth, raster::kDiagramHeight);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(kGroupSpacing);
  const auto add = [layout](QGroupBox* box, int height) {
    box->setFixedHeight(height);
    layout->addWidget(box);
    return box;
  };
  const auto group = [&add](const char* name, int height) {
    auto* box = new QGroupBox;
    box->setObjectName(QLatin1String(name));
    return add(box, height);
  };
  contour_ = new ContourGroup;
  add(contour_, kContourGroupHeight);
  colour_scheme_ = new ColourSchemeGroup;
  colour_scheme_->setFixedWidth(kColumnWidth);
  add(colour_scheme_, kSchemeGroupHeight);
  GroupBoxRuza = group("GroupBoxRuza", kRoseGroupHeight);
  GroupBox5 = group("GroupBox5", kRoseGroupHeight);
  GroupBox5->hide();
  GroupBox1 = group("GroupBox1", kRotationGroupHeight);
  GroupBox2 = group("GroupBox2", kGeneratorGroupHeight);
  layout->addStretch(1);

  const QRect result_area(0, raster::kDiagramHeight - kResultBoxHeight, kColumnWidth, kResultBoxHeight);
  matrix_ = new MatrixPanel(result_area, this);
  maxima_ = new MaximaPanel(result_area, this);

  connect(colour_scheme_, &ColourSchemeGroup::percentScaleChanged, contour_, &ContourGroup::SetPercentScale);
}

void ParameterColumn::ApplyTexts(text::Language l) {
  contour_->ApplyTexts(l);
  colour_scheme_->ApplyTexts(l);
  GroupBoxRuza->setTitle(QText(CaptionId::RoseGroup, l));
  GroupBox1->setTitle(QText(CaptionId::RotationGroup, l));
  GroupBox2->setTitle(QText(CaptionId::GeneratorGroup, l));
  GroupBox5->setTitle(QText(CaptionId::MapSymbolsGroup, l));
  matrix_->ApplyTexts(l);
  maxima_->ApplyTexts(l);
}

bool ParameterColumn::MapSymbolsShown() const { return GroupBox5->isVisible(); }

void ParameterColumn::ShowRoseGroup() {
  GroupBox5->hide();
  GroupBoxRuza->show();
}

}  // namespace velkar::gui
