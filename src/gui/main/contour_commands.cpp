#include "gui/main/contour_commands.hpp"

#include <QApplication>
#include <QMainWindow>
#include <QToolButton>

#include "data/line_reader.hpp"
#include "data/processors.hpp"
#include "gui/common/qt_text.hpp"
#include "gui/main/density_run.hpp"
#include "gui/main/parameter_column.hpp"
#include "gui/main/status_bar.hpp"
#include "gui/panels/colour_scheme_group.hpp"
#include "gui/panels/contour_group.hpp"
#include "gui/panels/matrix_panel.hpp"

namespace velkar::gui {

ContourCommands::ContourCommands(QMainWindow* window, ParameterColumn* parameters, MainStatusBar* status,
                                 raster::RasterImage& diagram, shell::WindowSettings& settings, Host host)
    : QObject(window),
      window_(window),
      parameters_(parameters),
      status_(status),
      diagram_(diagram),
      settings_(settings),
      host_(std::move(host)),
      run_(new DensityRun(this)) {
  connect(run_, &DensityRun::progressed, this, [this](int count) {
    window_->setWindowTitle(ToQString(contour::ProgressTitle(count)));
    status_->SetMeter(count);
  });
  connect(run_, &DensityRun::finished, this, &ContourCommands::Finished);
  ConnectControls();
}

bool ContourCommands::Running() const { return run_->Running(); }

shell::ContourControls ContourCommands::Controls() const {
  shell::ContourControls c;
  parameters_->Contour()->ReadInto(c);
  parameters_->ColourScheme()->ReadInto(c);
  return c;
}

bool ContourCommands::Percent() const { return Controls().percent; }

void ContourCommands::Start() {
  if (run_->Running()) return;  // one computation at a time
  const std::string text = host_.text();
  const contour::ContourPreparation prepared = contour::PrepareDensity(
      text, shell::MakeContourSettings(Controls(), host_.plot_settings(), settings_.DataCount));
  if (prepared.status == contour::ContourStatus::NothingToDo) return;
  if (prepared.status == contour::ContourStatus::Refused) {
    if (prepared.smoothing_text) parameters_->Contour()->SetSmoothingText(*prepared.smoothing_text);
    host_.show_error(ToQString(prepared.message));
    return;
  }
  settings_.ProcessorCount = data::SystemProcessorCount();
  const int threads = contour::DensityThreadCount(settings_.ProcessorCount, prepared.request->line_count);
  run_->Start(text, *prepared.request, threads);
  started_text_ = text;
  status_->StartMeter(DensityRun::ProgressTotal());
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

void ContourCommands::Finished(std::shared_ptr<contour::DensityState> state) {
  // The data were edited while the grid was computed: the grid is of data
  // that are no longer there, and its count would not match them.
  const bool current = host_.text() == started_text_;
  started_text_.clear();
  if (state && current) density_ = std::move(*state);
  EndRun();
  if (current) Redraw();
}

void ContourCommands::Cancel() {
  if (!run_->Running()) return;
  run_->Cancel();
  started_text_.clear();
  EndRun();
}

void ContourCommands::EndRun() {
  QApplication::restoreOverrideCursor();
  status_->HideMeter();
  window_->setWindowTitle(host_.caption());
}

void ContourCommands::Redraw() {
  const contour::RedrawSettings r =
      shell::MakeRedrawSettings(Controls(), host_.plot_settings(), data::CountLines(host_.text()));
  const contour::RedrawResult result = contour::DrawContouredDiagram(diagram_, density_, r, levels_);
  if (!result.drawn) return;  // no grid computed yet
  settings_.DiagramKind = result.diagram_kind;
  if (result.matrix_text) parameters_->Matrix()->ShowText(*result.matrix_text);
  host_.repaint();
}

void ContourCommands::ConnectControls() {
  ContourGroup* group = parameters_->Contour();
  ColourSchemeGroup* scheme = parameters_->ColourScheme();
  connect(group, &ContourGroup::linesOptionChanged, this, &ContourCommands::redrawWanted);
  connect(scheme, &ColourSchemeGroup::redrawRequested, this, &ContourCommands::Redraw);
  connect(scheme, &ColourSchemeGroup::shadowChanged, this, [this, scheme] {
    settings_.shadow = scheme->Shadow();
    emit redrawWanted();
  });
  connect(scheme, &ColourSchemeGroup::schemeChanged, this, [this] {
    if (ShowsContours()) Redraw();
  });
  connect(scheme, &ColourSchemeGroup::schemeColoursChanged, this, [this, scheme](contour::ColourScheme owner) {
    if (ShowsContours() && scheme->Scheme() == owner) Redraw();
  });
  connect(scheme, &ColourSchemeGroup::colourWanted, this, [this, scheme](QToolButton* swatch) {
    data::Rgb colour = scheme->SwatchColour(swatch);
    if (host_.choose_colour(colour)) scheme->SetSwatchColour(swatch, colour);
  });
  connect(scheme, &ColourSchemeGroup::stretchRequested, this, [this, scheme] {
    if (!ShowsContours()) return;
    if (const auto factor = scheme->StretchFactor()) {
      contour::StretchDensity(density_, *factor);
      Redraw();
    }
  });
}

}  // namespace velkar::gui
