// The group box of the contoured diagram's colour scheme (`GroupBox4`): the
// four schemes with their previews and swatches, the shadow, the fixed
// percentage scale, the redraw button and the hidden stretch field. It holds
// the scheme and its colours; the window reads them into the redraw settings.
#pragma once

#include <QGroupBox>

#include <array>
#include <optional>

#include "contour/colour_scheme.hpp"
#include "shell/command_settings.hpp"
#include "text/language.hpp"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace velkar::gui {

class ColourSchemeGroup : public QGroupBox {
  Q_OBJECT
 public:
  explicit ColourSchemeGroup(QWidget* parent = nullptr);

  void ApplyTexts(text::Language language);
  // The scheme, its colours and the percentage scale into the controls record.
  void ReadInto(shell::ContourControls& controls) const;
  contour::ColourScheme Scheme() const { return scheme_; }
  bool Shadow() const;
  // The stretch field's text as a factor (a decimal comma accepted); empty
  // when it is no number.
  std::optional<double> StretchFactor() const;

  // The colour a swatch shows, and the window's answer after its colour dialog.
  data::Rgb SwatchColour(const QToolButton* swatch) const;
  void SetSwatchColour(QToolButton* swatch, data::Rgb colour);

 signals:
  void shadowChanged();
  void percentScaleChanged(bool on);
  void schemeChanged();
  // A swatch of the given scheme changed colour.
  void schemeColoursChanged(contour::ColourScheme owner);
  void redrawRequested();
  void stretchRequested();
  // A swatch asks for a colour; the window answers with SetSwatchColour.
  void colourWanted(QToolButton* swatch);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QToolButton* MakeSwatch(data::Rgb colour);
  data::Rgb* ColourOf(const QToolButton* swatch);
  void Swap(QToolButton* a, QToolButton* b);

  std::array<QRadioButton*, 4> scheme_buttons_{};  // RadioButton1..4: schemes 1, 2, 3, 7
  QLabel* Image1 = nullptr;                        // preview of scheme 1
  QLabel* Image2 = nullptr;                        // preview of scheme 3
  QToolButton* Pmax = nullptr;
  QToolButton* Pmin = nullptr;
  QToolButton* P100 = nullptr;
  QToolButton* P50 = nullptr;
  QToolButton* P0 = nullptr;
  QToolButton* Image6 = nullptr;                   // swaps Pmin and Pmax
  QToolButton* Image3 = nullptr;                   // swaps P100 and P50
  QToolButton* Image4 = nullptr;                   // swaps P50 and P0
  QCheckBox* StinCHK = nullptr;
  QCheckBox* PevnCHK = nullptr;
  QToolButton* SpeedButton2 = nullptr;
  QLineEdit* Edit1 = nullptr;                      // the hidden stretch field
  contour::ColourScheme scheme_ = contour::ColourScheme::BlueGreenRed;
  contour::SchemeColours colours_;
};

}  // namespace velkar::gui
