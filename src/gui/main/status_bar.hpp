// The status bar `StatusBar1` of the main window: four sunken panels (the
// file, the cursor read-out, the plot's count, a spare one) and the progress
// meter `Metr` of the density computation over the first panel.
#pragma once

#include <QStatusBar>

#include <array>

class QLabel;
class QProgressBar;

namespace velkar::gui {

class MainStatusBar : public QStatusBar {
  Q_OBJECT
 public:
  static constexpr int kPanelCount = 4;
  explicit MainStatusBar(QWidget* parent = nullptr);

  // Panel 0..3.
  void SetPanelText(int panel, const QString& text);
  QString PanelText(int panel) const;

  // The meter: shown from 0 of the total, moved on, hidden at the end.
  void StartMeter(int total);
  void SetMeter(int value);
  void HideMeter();

 private:
  std::array<QLabel*, kPanelCount> panels_{};
  QProgressBar* Metr = nullptr;
};

}  // namespace velkar::gui
