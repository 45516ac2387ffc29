#include "gui/main/status_bar.hpp"

#include <QLabel>
#include <QProgressBar>

namespace velkar::gui {

namespace {
constexpr std::array<int, MainStatusBar::kPanelCount> kPanelWidths = {400, 250, 100, 100};
}  // namespace

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent) {
  setObjectName("StatusBar1");
  setSizeGripEnabled(false);
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    auto* panel = new QLabel;
    panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
    panel->setFixedWidth(kPanelWidths[i]);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    addWidget(panel);
    panels_[i] = panel;
  }
  // The meter has its place over the first panel; it is shown only while a
  // computation runs.
  Metr = new QProgressBar(this);
  Metr->setObjectName("Metr");
  Metr->setFixedSize(200, 15);
  Metr->setTextVisible(false);
  Metr->move(190, 5);
  Metr->hide();
}

void MainStatusBar::SetPanelText(int panel, const QString& text) {
  panels_[static_cast<std::size_t>(panel)]->setText(text);
}

QString MainStatusBar::PanelText(int panel) const { return panels_[static_cast<std::size_t>(panel)]->text(); }

void MainStatusBar::StartMeter(int total) {
  Metr->setRange(0, total);
  Metr->setValue(0);
  Metr->show();
}

void MainStatusBar::SetMeter(int value) { Metr->setValue(value); }

void MainStatusBar::HideMeter() { Metr->hide(); }

}  // namespace velkar::gui
