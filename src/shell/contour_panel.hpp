// The controls of the contoured diagram: the group box "Konturovat" (the
// smoothing field and the line options) and the colour-scheme group box (the
// four schemes with their previews and swatches, the shadow, the fixed
// percentage scale, the redraw button and the hidden stretch field). The
// panel holds what its controls show; the main window reads it into the
// contour and redraw settings and runs the commands.
#pragma once

#include <QObject>

#include <array>
#include <optional>
#include <string>

#include "contour/colour_scheme.hpp"
#include "shell/language.hpp"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace velkar::shell {

class ContourPanel : public QObject {
  Q_OBJECT
 public:
  // Builds the controls into the two group boxes, which the window owns.
  ContourPanel(QGroupBox* contour_group, QGroupBox* scheme_group, QObject* parent = nullptr);

  void ApplyTexts(Language language);

  std::string SmoothingText() const;
  void SetSmoothingText(const std::string& text);
  bool Percent() const;
  bool Discrete() const;
  bool Contours() const;
  bool HalfInterval() const;
  bool Shadow() const;
  contour::ColourScheme Scheme() const { return scheme_; }
  const contour::SchemeColours& Colours() const { return colours_; }
  // The stretch field's text as a factor (a decimal comma accepted); empty
  // when it is no number.
  std::optional<double> StretchFactor() const;

  QLineEdit* zhlazeniTXT = nullptr;
  QLabel* Label2 = nullptr;
  QCheckBox* DiskrChk = nullptr;
  QCheckBox* KontCHK = nullptr;
  QCheckBox* Pulk = nullptr;
  std::array<QRadioButton*, 4> scheme_buttons{};  // RadioButton1..4: schemes 1, 2, 3, 7
  QLabel* Image1 = nullptr;                       // preview of scheme 1
  QLabel* Image2 = nullptr;                       // preview of scheme 3
  QToolButton* Pmax = nullptr;
  QToolButton* Pmin = nullptr;
  QToolButton* P100 = nullptr;
  QToolButton* P50 = nullptr;
  QToolButton* P0 = nullptr;
  QToolButton* Image6 = nullptr;                  // swaps Pmin and Pmax
  QToolButton* Image3 = nullptr;                  // swaps P100 and P50
  QToolButton* Image4 = nullptr;                  // swaps P50 and P0
  QCheckBox* StinCHK = nullptr;
  QCheckBox* PevnCHK = nullptr;
  QToolButton* SpeedButton2 = nullptr;
  QLineEdit* Edit1 = nullptr;                     // the hidden stretch field

 signals:
  // Discrete, contours or the half interval changed.
  void linesOptionChanged();
  void shadowChanged();
  void schemeChanged();
  // A swatch of the given scheme changed colour.
  void schemeColoursChanged(contour::ColourScheme owner);
  void redrawRequested();
  void stretchRequested();
  // A swatch asks for a colour; the window answers with SetSwatchColour.
  void colourWanted(QToolButton* swatch);

 public:
  // The colour a swatch shows; the window calls it after its colour dialog.
  data::Rgb SwatchColour(const QToolButton* swatch) const;
  void SetSwatchColour(QToolButton* swatch, data::Rgb colour);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QToolButton* MakeSwatch(QGroupBox* box, data::Rgb colour);
  void ShowSwatch(QToolButton* swatch, data::Rgb colour);
  data::Rgb* ColourOf(const QToolButton* swatch);
  void Swap(QToolButton* a, QToolButton* b);

  QGroupBox* scheme_group_ = nullptr;
  contour::ColourScheme scheme_ = contour::ColourScheme::BlueGreenRed;
  contour::SchemeColours colours_;
};

}  // namespace velkar::shell
