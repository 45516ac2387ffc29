// The group box "Konturovat" (`GroupBox3`): the smoothing field and the
// options of the contour lines (discrete colours, the lines, the half-unit
// levels). It holds what its controls show; the window reads it into the
// contour and redraw settings and runs the commands.
#pragma once

#include <QGroupBox>

#include <string>

#include "shell/command_settings.hpp"
#include "text/language.hpp"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace velkar::gui {

class ContourGroup : public QGroupBox {
  Q_OBJECT
 public:
  explicit ContourGroup(QWidget* parent = nullptr);

  void ApplyTexts(text::Language language);
  // The smoothing text and the line options into the controls record.
  void ReadInto(shell::ContourControls& controls) const;
  // A refused smoothing is written back as the command gives it.
  void SetSmoothingText(const std::string& text);
  // The fixed percentage scale takes its smoothing and locks the field.
  void SetPercentScale(bool on);

 signals:
  // Discrete, contours or the half interval changed.
  void linesOptionChanged();

 private:
  QLineEdit* zhlazeniTXT = nullptr;
  QLabel* Label2 = nullptr;
  QCheckBox* DiskrChk = nullptr;
  QCheckBox* KontCHK = nullptr;
  QCheckBox* Pulk = nullptr;
};

}  // namespace velkar::gui
