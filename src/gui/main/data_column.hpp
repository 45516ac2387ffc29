// The left column of the main window: the delimiter box `DeliRich` with its
// label, the data panel `Vlozit` and, under it, the plot controls.
#pragma once

#include <QWidget>

#include "text/language.hpp"

class QLabel;

namespace velkar::gui {

class DataPanel;
class DelimiterBox;
class PlotPanel;

class DataColumn : public QWidget {
  Q_OBJECT
 public:
  explicit DataColumn(QWidget* parent = nullptr);
  void ApplyTexts(text::Language language);

  DataPanel* Panel() const { return Vlozit; }
  DelimiterBox* Delimiter() const { return DeliRich; }
  PlotPanel* Plot() const { return plot_panel_; }

 private:
  QLabel* Label13 = nullptr;
  DelimiterBox* DeliRich = nullptr;
  DataPanel* Vlozit = nullptr;
  PlotPanel* plot_panel_ = nullptr;
};

}  // namespace velkar::gui
