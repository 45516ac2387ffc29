// The main window `TVynSoub`: the data panel with its document, the diagram,
// the toolbar with all commands, the plot controls and the parameter
// column. It owns the window-wide values and the document; its handlers ask
// the panels for their values, the builders of shell/ for the settings, run
// the engine and show what comes back.
#pragma once

#include <QMainWindow>

#include <memory>
#include <string>

#include "contour/density.hpp"
#include "export/vector_picture.hpp"
#include "gui/common/qt_translation.hpp"
#include "gui/common/user_dialogs.hpp"
#include "gui/main/data_document.hpp"
#include "shell/command_settings.hpp"
#include "shell/window_settings.hpp"
#include "raster/image.hpp"


namespace velkar::gui {

class AboutPanel;
class DataColumn;
class DataFiles;
class DataPanel;
class DelimiterBox;
class ContourCommands;
class DiagramTools;
class DiagramView;
class MainMenuBar;
class MainStatusBar;
class MainToolBar;
class ParameterColumn;
class PlotPanel;
class ReferencePictures;
class WorkWindow;

class TVynSoub : public QMainWindow {
  Q_OBJECT
 public:
  // Runs the creation steps: controls, window-wide values, the language of
  // the environment, the first plot, the position and the filter.
  explicit TVynSoub(QWidget* parent = nullptr);
  ~TVynSoub() override;

  // The digitizer, fold-analysis and trend-map windows, created after this
  // one; the English switch re-runs their captions.
  void AttachWorkWindows(WorkWindow* digitizer, WorkWindow* folds, WorkWindow* trend_map);
  void SetDialogs(UserDialogs dialogs) { dialogs_ = std::move(dialogs); }
  const shell::WindowSettings& settings() const { return settings_; }
  const raster::RasterImage& diagram() const { return diagram_image_; }
  // The vector picture of the last plot (for the picture export).
  const export_::VectorPicture& vector_picture() const { return vector_picture_; }
  const contour::DensityState& density() const;
  bool ContouringRuns() const;
  bool EraserOn() const;

  // Commands: the toolbar's rows name them, keys and controls call them.
  void NewFile();                              // ToolButton2
  void OpenFileDialog();                       // Button8
  bool OpenFile(const QString& path);          // Open after the dialog (also from the command line)
  void SaveFileDialog();                       // Button4
  bool SaveFile(const QString& path);          // Save after the dialog and the overwrite question
  void UndoDataEdit();                         // ToolButton23
  void VynesMemoClick();                       // plot the data
  void DirectionCosines();                     // right button on the plot button
  void ToolButton9Click();                     // the contoured diagram: start the density computation
  void SpeedButton2Click();                    // redraw the contoured diagram
  void CommasToPoints();                       // Udelejtecky
  void ToolButton10Click();                    // eraser on and off
  void ShowDigitizer();                        // Button1
  void ShowFoldAnalysis();                     // ToolButton17
  void ShowTrendMap();                         // ToolButton18
  void ToolButton20Click();                    // about picture shown or hidden
  void Quit();                                 // Ctrl+Q: close the window (asks about unsaved data)
  // What the right and middle mouse buttons do on the controls, also as
  // menu items.
  void LineToPole();                           // right button in the data panel
  void ShowReferencePictures();                // right button on the plot mode
  void ToggleLegendGrey();                     // right button on Legenda
  void ToggleOrientationGrey();                // right button on OriCH
  void ChooseOverlayColour();                  // middle button over OriCH
  void ChooseOpacity();                        // middle button on the colour swatch
  void ToggleAngleTool();                      // the angle tool on the left button as well

 signals:
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void BuildControls();
  void ConnectControls();
  // Captions and hints of the current UiLanguage.
  void ApplyTexts();
  QString Caption() const;

  stereonet::PlotSettings CurrentPlotSettings() const;
  void SetStatus(int panel, const QString& text);
  void ShowError(const QString& message);
  void RedrawByDiagramKind();
  // The colour dialog; false when cancelled.
  bool ChooseColour(data::Rgb& colour);
  void SwitchToEnglish();                      // the English flag
  void SetEraser(bool on);
  void ShowWorkWindow(WorkWindow* window);
  // Empties the document as New does, without asking.
  void ResetDocument();
  // Everything that shows the diagram's state follows a redraw: the view,
  // the read-out under the pointer.
  void DiagramShown();
  void ShowReadOut(QPoint position, geometry::Orientation cursor);
  // The file panel: the document's file, and whether it waits for a plot.
  void ShowFilePanel();

  shell::WindowSettings settings_;
  UserDialogs dialogs_;
  raster::RasterImage diagram_image_;
  export_::VectorPicture vector_picture_;

  QtTranslation qt_translation_;
  MainToolBar* ToolBar1 = nullptr;
  MainMenuBar* menu_ = nullptr;
  DataPanel* Vlozit = nullptr;
  DelimiterBox* DeliRich = nullptr;
  DataColumn* data_column_ = nullptr;
  std::unique_ptr<DataDocument> document_;
  std::unique_ptr<DataFiles> files_;
  PlotPanel* plot_panel_ = nullptr;
  ReferencePictures* reference_pictures_ = nullptr;
  DiagramView* Diaga = nullptr;
  AboutPanel* about = nullptr;
  ParameterColumn* parameters_ = nullptr;
  bool awaiting_plot_ = false;  // a large file was opened and is not plotted yet
  MainStatusBar* StatusBar1 = nullptr;
  DiagramTools* tools_ = nullptr;
  ContourCommands* contour_ = nullptr;
  WorkWindow* digitizer_ = nullptr;
  WorkWindow* folds_ = nullptr;
  WorkWindow* trend_map_ = nullptr;
};

}  // namespace velkar::gui
