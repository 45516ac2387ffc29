// The main window `TVynSoub`: the data panel, the diagram, the toolbar with
// all commands, the plot controls and the result panels. It owns the
// window-wide values and the pictures; its handlers read the controls into
// settings records, call the engine and show what comes back.
#pragma once

#include <QMainWindow>

#include <array>
#include <memory>
#include <string>

#include "contour/contour_redraw.hpp"
#include "contour/density.hpp"

#include "export/vector_picture.hpp"
#include "geometry/vectors.hpp"
#include "shell/user_dialogs.hpp"
#include "shell/window_settings.hpp"
#include "stereonet/canvas.hpp"
#include "stereonet/interaction.hpp"

class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QRadioButton;
class QSlider;
class QStatusBar;
class QTextEdit;
class QTimer;

namespace velkar::shell {

class AboutPanel;
class ColourSwatch;
class ContourPanel;
class TriStateBox;
class DataPanel;
class DelimiterBox;
class DiagramView;
class MainToolBar;
class PictureLabel;
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
  const WindowSettings& settings() const { return settings_; }
  const stereonet::RasterImage& diagram() const { return diagram_image_; }
  // The vector picture of the last plot (for the picture export).
  const export_::VectorPicture& vector_picture() const { return vector_picture_; }
  geometry::Orientation CursorOrientation;  // under the pointer at the last move over the diagram

  // Commands, also reachable from the toolbar and the keys.
  void VynesMemoClick();                       // plot the data
  void ToolButton9Click();                     // the contoured diagram: start the density computation
  void SpeedButton2Click();                    // redraw the contoured diagram
  bool ContouringRuns() const { return density_job_ != nullptr; }
  const contour::DensityState& density() const { return density_; }
  void NewFile();                              // ToolButton2
  void OpenFileDialog();                       // Button8
  bool OpenFile(const QString& path);          // Open after the dialog (also from the command line)
  void SaveFileDialog();                       // Button4
  bool SaveFile(const QString& path);          // Save after the dialog and the overwrite question
  void PasteWithCleanUp();                     // Ctrl+V in the data panel
  void LineToPole();                           // right button in the data panel
  void ApplyDelimiter();                       // Enter in the delimiter box
  void DirectionCosines();                     // right button on the plot button
  void CommasToPoints();                       // Udelejtecky
  void ToolButton10Click();                    // eraser on and off
  void ToolButton20Click();                    // about picture shown or hidden
  void SwitchToEnglish();                      // the English flag
  void ShowReferencePictures();                // right button on Kolca
  void ApplySymbolCodeAt(int y);               // right button on the symbol-code picture
  void ElementColourClick();                   // click on ImBarPunt
  void TurnWheel(int delta);                   // mouse wheel over the window

  // The diagram's mouse events at pixel positions of the diagram.
  void DiagaMouseMove(QPoint position, Qt::MouseButtons buttons);
  void DiagaClick(QPoint position);
  void DiagaMouseUp(QPoint position, Qt::MouseButton button);
  void DiagaMouseEnter();
  void DiagaMouseLeave();

  bool EraserOn() const { return eraser_on_; }

  // Controls, by the names the commands refer to them.
  MainToolBar* ToolBar1 = nullptr;
  DataPanel* Vlozit = nullptr;
  QLabel* Label13 = nullptr;
  DelimiterBox* DeliRich = nullptr;
  DiagramView* Diaga = nullptr;
  QGroupBox* Kolca = nullptr;
  std::array<QRadioButton*, 4> kolca_items{};
  QSlider* VelPunt = nullptr;
  ColourSwatch* ImBarPunt = nullptr;
  TriStateBox* Legenda = nullptr;
  TriStateBox* OriCH = nullptr;
  QGroupBox* MatOrienBox = nullptr;
  QPlainTextEdit* MatVyp = nullptr;
  QGroupBox* GroupBox6 = nullptr;
  QTextEdit* Maxima_rich = nullptr;
  QGroupBox* GroupBox3 = nullptr;     // contouring
  ContourPanel* contour_panel = nullptr;  // the controls of GroupBox3 and GroupBox4
  QGroupBox* GroupBox4 = nullptr;     // colour scheme of the contoured diagram
  QGroupBox* GroupBoxRuza = nullptr;  // rose diagram
  QGroupBox* GroupBox1 = nullptr;     // rotation
  QGroupBox* GroupBox2 = nullptr;     // data generator
  QGroupBox* GroupBox5 = nullptr;     // map symbols, in place of the rose group when shown
  QStatusBar* StatusBar1 = nullptr;
  std::array<QLabel*, 4> status_panels{};
  QProgressBar* Metr = nullptr;
  QFrame* ImLabel9 = nullptr;         // the angle tool's label box
  QLabel* Label9 = nullptr;
  QLabel* Puntred = nullptr;          // the red disc at the angle tool's first direction
  AboutPanel* about = nullptr;
  QLineEdit* Sever_edit = nullptr;    // the north letter of the net
  PictureLabel* imglegenda = nullptr; // symbol codes 1 to 8
  PictureLabel* Image7 = nullptr;     // colour codes 1 to 80

 signals:
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  QWidget* BuildLeftColumn();
  QWidget* BuildRightColumn();
  void BuildDiagramLayers();
  void BuildStatusBar();
  void ConnectCommands();
  // Captions and hints of the current UiLanguage.
  void ApplyTexts();
  void PlaceOnScreen();

  PlotControls ReadPlotControls() const;
  std::string DataText() const;
  std::string Delimiter() const;
  // Replaces the panel's text as one step of its edit undo.
  void ReplaceDataText(const std::string& text);
  // Replaces one line as one undo step.
  void ReplaceDataLine(std::size_t index, const std::string& line);
  void SetDetectedDelimiter(const std::string& delimiter);
  void SetStatus(int panel, const QString& text);
  void RedrawByDiagramKind();
  void EraseAtCursor();
  void AddDatum();
  void SetEraser(bool on);
  void ShowError(const QString& message);
  // Polls the running density computation: progress in the title and the
  // meter, and at its end the state and the redraw.
  void PollContouring();
  void ConnectContourControls();
  QString Caption() const;

  WindowSettings settings_;
  UserDialogs dialogs_;
  stereonet::RasterImage diagram_image_;
  stereonet::RasterImage eraser_overlay_;
  stereonet::RasterImage symbol_picture_{1, 1};
  stereonet::RasterImage colour_picture_{1, 1};
  export_::VectorPicture vector_picture_;
  contour::DensityState density_;
  contour::LevelGrid levels_ = contour::MakeLevelGrid();
  std::unique_ptr<contour::DensityJob> density_job_;
  QTimer* progress_timer_ = nullptr;
  std::string last_applied_delimiter_ = "/";
  QString save_file_name_;
  stereonet::AngleTool angle_tool_;
  bool eraser_on_ = false;
  bool manual_rotation_on_ = false;  // the manual rotation comes with its command
  bool orientation_colour_asked_ = false;
  QPoint last_diagram_position_;
  WorkWindow* digitizer_ = nullptr;
  WorkWindow* folds_ = nullptr;
  WorkWindow* trend_map_ = nullptr;
  QButtonGroup* kolca_group_ = nullptr;
};

}  // namespace velkar::shell
