// The plot controls under the data panel: the plot mode `Kolca` (lines,
// circles, poles, synoptic), the symbol size `VelPunt`, the element colour
// `ImBarPunt`, and the tri-state boxes `Legenda` and `OriCH`. The panel
// holds what its controls show and says what changed; the window runs the
// commands.
#pragma once

#include <QWidget>

#include <array>

#include "data/colour.hpp"
#include "shell/command_settings.hpp"
#include "text/language.hpp"

class QButtonGroup;
class QGroupBox;
class QRadioButton;
class QSlider;

namespace velkar::gui {

class ColourSwatch;
class TriStateBox;

class PlotPanel : public QWidget {
  Q_OBJECT
 public:
  explicit PlotPanel(QWidget* parent = nullptr);

  void ApplyTexts(text::Language language);
  // The symbol size, plot mode, legend and orientation into the controls
  // record (the delimiter comes from the data side).
  void ReadInto(shell::PlotControls& controls) const;
  void SetElementColour(data::Rgb colour);
  bool OrientationCleared() const;
  // The right button's grey state of the legend and of the orientation.
  void ToggleLegendGrey();
  void ToggleOrientationGrey();

 signals:
  // The plot mode or the symbol size changed.
  void plotRequested();
  void elementColourClicked();
  // A middle-button drag x pixels into the colour swatch.
  void opacityDragged(int x);
  void legendChosen();
  void orientationChosen();
  // The middle button moved over the orientation box, once per press.
  void orientationColourWanted();
  // The right button on the plot mode.
  void referencePicturesRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QGroupBox* Kolca = nullptr;
  std::array<QRadioButton*, 4> kolca_items_{};
  QButtonGroup* kolca_group_ = nullptr;
  QSlider* VelPunt = nullptr;
  ColourSwatch* ImBarPunt = nullptr;
  TriStateBox* Legenda = nullptr;
  TriStateBox* OriCH = nullptr;
  bool orientation_colour_asked_ = false;
};

}  // namespace velkar::gui
