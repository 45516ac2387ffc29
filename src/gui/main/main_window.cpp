#include "gui/main/main_window.hpp"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QWheelEvent>

#include <utility>

#include "data/data_edit.hpp"
#include "data/data_text.hpp"
#include "data/line_reader.hpp"
#include "data/processors.hpp"
#include "gui/common/qt_colour.hpp"
#include "gui/common/qt_text.hpp"
#include "gui/common/window_placement.hpp"
#include "gui/common/work_window.hpp"
#include "gui/main/about_panel.hpp"
#include "gui/main/contour_commands.hpp"
#include "gui/main/data_column.hpp"
#include "gui/main/data_files.hpp"
#include "gui/main/data_panel.hpp"
#include "gui/main/delimiter_box.hpp"
#include "gui/main/diagram_tools.hpp"
#include "gui/main/diagram_view.hpp"
#include "gui/main/main_menu.hpp"
#include "gui/main/main_toolbar.hpp"
#include "gui/main/parameter_column.hpp"
#include "gui/main/plot_panel.hpp"
#include "gui/main/reference_pictures.hpp"
#include "gui/main/status_bar.hpp"
#include "gui/panels/matrix_panel.hpp"
#include "shell/diagram_kinds.hpp"
#include "stereonet/plot_command.hpp"

namespace velkar::gui {

using stereonet::DiagramKind;

namespace {

// Status panels: the file, the cursor read-out, the plot's count.
constexpr int kFilePanel = 0, kReadOutPanel = 1, kCountPanel = 2;
// Files of this many lines and more are plotted only on request after Open.
constexpr std::size_t kPlotOnOpenLimit = 10000;

}  // namespace

TVynSoub::TVynSoub(QWidget* parent) : QMainWindow(parent), dialogs_(SystemDialogs()) {
  setObjectName("VynSoub");
  // The controls (the data panel without a length limit); the window takes
  // the size of its controls and keeps it.
  BuildControls();
  // The window-wide values; the language follows below.
  settings_ = shell::InitialWindowSettings(text::LanguageFromEnvironment(), data::SystemProcessorCount(),
                                           text::DecimalSeparatorFromEnvironment());
  plot_panel_->SetElementColour(settings_.element_colour);
  // The language of the interface.
  ApplyTexts();
  ConnectControls();
  // The first plot, on the empty data panel.
  VynesMemoClick();
  about->SetLanguage(settings_.UiLanguage);
  // Typing starts in the data panel.
  Vlozit->setFocus();
  // The fixed size and the position.
  setFixedSize(sizeHint());
  PlaceMainWindow(this);
  // The filter on the (empty) data text.
  const std::string filtered = data::FilterDataText(document_->Text());
  if (filtered != document_->Text()) document_->Load(filtered);
}

TVynSoub::~TVynSoub() = default;

void TVynSoub::AttachWorkWindows(WorkWindow* digitizer, WorkWindow* folds, WorkWindow* trend_map) {
  digitizer_ = digitizer;
  folds_ = folds;
  trend_map_ = trend_map;
}

bool TVynSoub::ContouringRuns() const { return contour_->Running(); }

const contour::DensityState& TVynSoub::density() const { return contour_->Density(); }

bool TVynSoub::EraserOn() const { return tools_->EraserOn(); }

// ---------------------------------------------------------------- controls

void TVynSoub::BuildControls() {
  ToolBar1 = new MainToolBar(MainToolbarRows(), this);
  addToolBar(Qt::TopToolBarArea, ToolBar1);
  menu_ = new MainMenuBar(ToolBar1, this);
  setMenuBar(menu_);

  auto* central = new QWidget(this);
  auto* row = new QHBoxLayout(central);
  row->setContentsMargins(6, 6, 6, 6);
  row->setSpacing(6);
  auto* data_column = new DataColumn;
  row->addWidget(data_column, 0, Qt::AlignTop);
  data_column_ = data_column;
  Vlozit = data_column->Panel();
  DeliRich = data_column->Delimiter();
  plot_panel_ = data_column->Plot();
  document_ = std::make_unique<DataDocument>(Vlozit, DeliRich);
  files_ = std::make_unique<DataFiles>(this, dialogs_, settings_, *document_);
  diagram_image_.Resize(raster::kDiagramWidth, raster::kDiagramHeight);
  Diaga = new DiagramView(diagram_image_, central);
  row->addWidget(Diaga, 0, Qt::AlignTop);
  parameters_ = new ParameterColumn;
  row->addWidget(parameters_, 0, Qt::AlignTop);
  setCentralWidget(central);

  about = Diaga->About();
  StatusBar1 = new MainStatusBar(this);
  setStatusBar(StatusBar1);
  reference_pictures_ = new ReferencePictures(central);

  DiagramTools::Host tools_host;
  tools_host.busy = [this] { return ContouringRuns(); };
  tools_host.plot_settings = [this] { return CurrentPlotSettings(); };
  tools_host.clicks_add_data = [this] { return !parameters_->MapSymbolsShown(); };
  tools_ = new DiagramTools(Diaga, settings_, *document_, std::move(tools_host), this);

  ContourCommands::Host contour_host;
  contour_host.text = [this] { return document_->Text(); };
  contour_host.plot_settings = [this] { return CurrentPlotSettings(); };
  contour_host.show_error = [this](const QString& message) { ShowError(message); };
  contour_host.choose_colour = [this](data::Rgb& colour) { return ChooseColour(colour); };
  contour_host.caption = [this] { return Caption(); };
  contour_host.repaint = [this] { DiagramShown(); };
  contour_ = new ContourCommands(this, parameters_, StatusBar1, diagram_image_, settings_, std::move(contour_host));
}

void TVynSoub::ConnectControls() {
  connect(Vlozit, &DataPanel::enterPressed, this, &TVynSoub::VynesMemoClick);
  connect(Vlozit, &DataPanel::pasteWithCleanUpRequested, this, [this] {
    document_->PasteWithCleanUp(QGuiApplication::clipboard()->text());
    VynesMemoClick();
  });
  connect(Vlozit, &DataPanel::lineToPoleRequested, this, &TVynSoub::LineToPole);
  connect(Vlozit, &DataPanel::textRestored, this, &TVynSoub::VynesMemoClick);
  connect(DeliRich, &DelimiterBox::applyRequested, this, [this] {
    document_->ApplyDelimiter();
    VynesMemoClick();
  });

  connect(plot_panel_, &PlotPanel::plotRequested, this, &TVynSoub::VynesMemoClick);
  connect(plot_panel_, &PlotPanel::elementColourClicked, this, [this] {
    ChooseColour(settings_.element_colour);
    plot_panel_->SetElementColour(settings_.element_colour);
    RedrawByDiagramKind();
  });
  connect(plot_panel_, &PlotPanel::opacityDragged, this, [this](int x) {
    settings_.great_circle_opacity = shell::GreatCircleOpacityAt(x);
    RedrawByDiagramKind();
  });
  connect(plot_panel_, &PlotPanel::legendChosen, this, &TVynSoub::RedrawByDiagramKind);
  connect(plot_panel_, &PlotPanel::orientationChosen, this, [this] {
    if (plot_panel_->OrientationCleared()) parameters_->Matrix()->hide();
    RedrawByDiagramKind();
  });
  connect(plot_panel_, &PlotPanel::orientationColourWanted, this, &TVynSoub::ChooseOverlayColour);
  connect(plot_panel_, &PlotPanel::referencePicturesRequested, this, &TVynSoub::ShowReferencePictures);
  connect(reference_pictures_, &ReferencePictures::symbolCodeChosen, this, [this](int y) {
    document_->AppendSymbolCode(data::SymbolCodeAtY(y));
    reference_pictures_->Hide();
    VynesMemoClick();
  });

  connect(tools_, &DiagramTools::cursorMoved, this, &TVynSoub::ShowReadOut);
  connect(tools_, &DiagramTools::dataChanged, this, &TVynSoub::VynesMemoClick);
  connect(contour_, &ContourCommands::redrawWanted, this, &TVynSoub::RedrawByDiagramKind);

  connect(about, &AboutPanel::closeRequested, about, &QWidget::hide);
  connect(about, &AboutPanel::linkClicked, this, [this] {
    if (dialogs_.open_address) dialogs_.open_address(QLatin1String(kHomePageAddress));
  });
  connect(about, &AboutPanel::englishRequested, this, &TVynSoub::SwitchToEnglish);
  connect(about, &AboutPanel::northLetterRequested, this,
          [this] { Diaga->AskNorthLetter(ToQString(settings_.north_letter)); });
  connect(Diaga, &DiagramView::northLetterEntered, this, [this](const QString& letter) {
    settings_.north_letter = ToUtf8(letter);
    VynesMemoClick();
  });
}

void TVynSoub::ApplyTexts() {
  const Language l = settings_.UiLanguage;
  if (!ContouringRuns()) setWindowTitle(Caption());
  qt_translation_.Apply(l);
  ToolBar1->SetHints(l);
  menu_->ApplyTexts(l);
  data_column_->ApplyTexts(l);
  ShowFilePanel();
  parameters_->ApplyTexts(l);
}

QString TVynSoub::Caption() const {
  return QText(CaptionId::ProgramName, settings_.UiLanguage) + QLatin1Char(' ') +
         QText(CaptionId::ProgramVersion, settings_.UiLanguage);
}

// ---------------------------------------------------------------- helpers

stereonet::PlotSettings TVynSoub::CurrentPlotSettings() const {
  shell::PlotControls c;
  plot_panel_->ReadInto(c);
  c.data.delimiter = document_->Delimiter();
  return shell::MakePlotSettings(settings_, c);
}

void TVynSoub::SetStatus(int panel, const QString& text) { StatusBar1->SetPanelText(panel, text); }

void TVynSoub::ShowError(const QString& message) {
  if (dialogs_.show_error) dialogs_.show_error(this, message);
}

bool TVynSoub::ChooseColour(data::Rgb& colour) {
  if (!dialogs_.choose_colour) return false;
  const auto c = dialogs_.choose_colour(this, ToQColor(colour));
  if (c) colour = ToRgb(*c);
  return c.has_value();
}

void TVynSoub::RedrawByDiagramKind() {
  switch (shell::RedrawCommandFor(settings_.DiagramKind)) {
    case shell::RedrawCommand::Contour: SpeedButton2Click(); break;
    case shell::RedrawCommand::Plot: VynesMemoClick(); break;
  }
}

// ---------------------------------------------------------------- commands

void TVynSoub::VynesMemoClick() {
  try {
    stereonet::PlotResult r = stereonet::PlotData(document_->Text(), CurrentPlotSettings(), diagram_image_);
    settings_.DataCount = r.data_count;
    if (std::exchange(awaiting_plot_, false)) ShowFilePanel();
    settings_.DiagramKind = r.diagram_kind;
    vector_picture_ = std::move(r.picture);
    SetStatus(kCountPanel, ToQString(r.status_text));
    if (r.matrix_text) parameters_->Matrix()->ShowText(*r.matrix_text);
  } catch (const std::bad_alloc&) {
    ShowError(QText(TextId::OutOfMemory, settings_.UiLanguage));
  }
  DiagramShown();
}

void TVynSoub::DiagramShown() {
  Diaga->update();
  // The read-out belongs to the diagram now shown.
  if (const auto at = tools_->PointerPosition())
    ShowReadOut(*at, tools_->CursorOrientation());
  else
    SetStatus(kReadOutPanel, QString());
}

void TVynSoub::ShowReadOut(QPoint position, geometry::Orientation cursor) {
  const shell::ReadOutContext context{cursor, position.x(), position.y(), &contour_->Density(), contour_->Percent(),
                                      settings_.decimal_separator};
  SetStatus(kReadOutPanel, ToQString(shell::DiagramReadOut(settings_.DiagramKind, context)));
}

void TVynSoub::ToolButton9Click() { contour_->Start(); }

void TVynSoub::SpeedButton2Click() { contour_->Redraw(); }

void TVynSoub::NewFile() {
  if (files_->ConfirmDiscard()) ResetDocument();
}

void TVynSoub::ResetDocument() {
  // A density computation of the old data stops; its grid would describe
  // data that are gone.
  contour_->Cancel();
  // The manual rotation, when on, ends here as its own button would; it
  // comes with its command.
  document_->Clear();
  awaiting_plot_ = false;
  ShowFilePanel();
  VynesMemoClick();
  SetEraser(false);
  ToolBar1->Action("Undoton")->setVisible(false);
  ToolBar1->Action("antiundoton")->setVisible(true);
  parameters_->ShowRoseGroup();
  Diaga->unsetCursor();
}

void TVynSoub::OpenFileDialog() {
  const QString path = files_->AskOpenPath();
  if (!path.isEmpty()) {
    OpenFile(path);
    return;
  }
  QCoreApplication::processEvents();
  if (data::CountLines(document_->Text()) < kPlotOnOpenLimit) VynesMemoClick();
}

bool TVynSoub::OpenFile(const QString& path) {
  const std::optional<std::string> text = files_->Read(path);
  if (!text || !files_->ConfirmDiscard()) return false;
  ResetDocument();
  // The absolute path: Save proposes the file's own folder.
  document_->SetFileName(QFileInfo(path).absoluteFilePath());
  // The delimiter is detected on the first line of data: a header line
  // above the data would otherwise make its first letter the delimiter.
  document_->SetDetectedDelimiter(data::DetectDelimiter(data::FirstLine(*text)));
  const std::string& filtered = *text;
  document_->Load(filtered);
  QCoreApplication::processEvents();
  // A large file is plotted on request: the empty net of New stays, and the
  // file panel says so until then.
  awaiting_plot_ = data::CountLines(filtered) >= kPlotOnOpenLimit;
  ShowFilePanel();
  if (!awaiting_plot_) VynesMemoClick();
  return true;
}

void TVynSoub::ShowFilePanel() {
  QString text = document_->FileName();
  if (awaiting_plot_) text += QText(CaptionId::BigFileNotPlotted, settings_.UiLanguage);
  SetStatus(kFilePanel, text);
}

void TVynSoub::SaveFileDialog() {
  if (files_->SaveAs()) ShowFilePanel();
}

bool TVynSoub::SaveFile(const QString& path) {
  if (!files_->Save(path)) return false;
  ShowFilePanel();
  return true;
}

void TVynSoub::UndoDataEdit() {
  Vlozit->undo();
  VynesMemoClick();
}

void TVynSoub::LineToPole() {
  if (document_->LineToPole(settings_.decimal_separator)) VynesMemoClick();
}

void TVynSoub::ShowReferencePictures() {
  // Over the lower part of the data panel, next to the plot mode.
  reference_pictures_->ShowAt(Vlozit->mapTo(centralWidget(), QPoint(4, Vlozit->height() - 4)));
}

void TVynSoub::ToggleLegendGrey() { plot_panel_->ToggleLegendGrey(); }

void TVynSoub::ToggleOrientationGrey() { plot_panel_->ToggleOrientationGrey(); }

void TVynSoub::ChooseOverlayColour() {
  if (ChooseColour(settings_.orientation_colour)) VynesMemoClick();
}

void TVynSoub::ChooseOpacity() {
  if (!dialogs_.ask_number) return;
  if (const auto opacity = dialogs_.ask_number(this, QText(CaptionId::OpacityLabel, settings_.UiLanguage),
                                               settings_.great_circle_opacity, 0, 255)) {
    settings_.great_circle_opacity = *opacity;
    RedrawByDiagramKind();
  }
}

void TVynSoub::ToggleAngleTool() { tools_->ToggleAngleToolOnLeftButton(); }

void TVynSoub::Quit() { close(); }

void TVynSoub::DirectionCosines() {
  const std::string error = document_->DirectionCosinesToData(settings_.decimal_separator, settings_.UiLanguage);
  if (!error.empty()) {
    ShowError(ToQString(error));
    return;
  }
  VynesMemoClick();
}

void TVynSoub::CommasToPoints() { document_->CommasToPoints(); }

void TVynSoub::ShowDigitizer() { ShowWorkWindow(digitizer_); }
void TVynSoub::ShowFoldAnalysis() { ShowWorkWindow(folds_); }
void TVynSoub::ShowTrendMap() { ShowWorkWindow(trend_map_); }

void TVynSoub::ShowWorkWindow(WorkWindow* window) {
  if (window) window->show();
}

void TVynSoub::ToolButton20Click() {
  about->setVisible(!about->isVisible());
  about->raise();
}

void TVynSoub::SwitchToEnglish() {
  about->hide();
  shell::ApplyLanguage(settings_, Language::English);
  ApplyTexts();
  about->SetLanguage(settings_.UiLanguage);
  for (WorkWindow* w : {digitizer_, folds_, trend_map_})
    if (w) w->SetCaptions();
  // The count and the matrix text of the diagram come in the new language.
  RedrawByDiagramKind();
}

// ---------------------------------------------------------------- the diagram

void TVynSoub::ToolButton10Click() { SetEraser(!tools_->EraserOn()); }

void TVynSoub::SetEraser(bool on) {
  ToolBar1->SetEraserPicture(on);
  tools_->SetEraser(on);
}

// ---------------------------------------------------------------- events

void TVynSoub::closeEvent(QCloseEvent* event) {
  if (!files_->ConfirmDiscard()) {
    event->ignore();
    return;
  }
  // A running density computation stops; its workers are waited for.
  contour_->Cancel();
  QMainWindow::closeEvent(event);
  emit closed();
}

void TVynSoub::wheelEvent(QWheelEvent* event) {
  tools_->TurnWheel(event->angleDelta().y());
  event->accept();
}

}  // namespace velkar::gui
