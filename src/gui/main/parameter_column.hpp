// The right column of the main window: the parameter groups of the
// commands, top down (contouring, colour scheme, rose diagram or map
// symbols, rotation, data generator), with the result boxes (orientation
// matrix, maxima) laid over the lower groups when shown.
#pragma once

#include <QWidget>

#include "text/language.hpp"

class QGroupBox;

namespace velkar::gui {

class ColourSchemeGroup;
class ContourGroup;
class MatrixPanel;
class MaximaPanel;

class ParameterColumn : public QWidget {
  Q_OBJECT
 public:
  explicit ParameterColumn(QWidget* parent = nullptr);

  void ApplyTexts(text::Language language);

  ContourGroup* Contour() const { return contour_; }
  ColourSchemeGroup* ColourScheme() const { return colour_scheme_; }
  MatrixPanel* Matrix() const { return matrix_; }

  // The map-symbol group takes the rose group's place while shown.
  bool MapSymbolsShown() const;
  void ShowRoseGroup();

 private:
  ContourGroup* contour_ = nullptr;
  ColourSchemeGroup* colour_scheme_ = nullptr;
  // The groups of the rose, map-symbol, rotation and generator commands;
  // their controls come with those commands.
  QGroupBox* GroupBoxRuza = nullptr;
  QGroupBox* GroupBox5 = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  MatrixPanel* matrix_ = nullptr;
  MaximaPanel* maxima_ = nullptr;
};

}  // namespace velkar::gui
