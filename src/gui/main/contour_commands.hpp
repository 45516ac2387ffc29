// The contoured diagram's commands in the main window: the density
// computation (ToolButton9) with its progress in the title and the meter,
// the redraw (SpeedButton2), and the answers to the contour and
// colour-scheme groups. It keeps the last finished density grid.
#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <string>

#include "contour/contour_redraw.hpp"
#include "contour/density.hpp"
#include "shell/command_settings.hpp"
#include "shell/window_settings.hpp"
#include "raster/image.hpp"

class QMainWindow;

namespace velkar::gui {

class DensityRun;
class MainStatusBar;
class ParameterColumn;

class ContourCommands : public QObject {
  Q_OBJECT
 public:
  // What the commands ask of the window.
  struct Host {
    std::function<std::string()> text;  // the data text
    std::function<stereonet::PlotSettings()> plot_settings;
    std::function<void(const QString&)> show_error;
    std::function<bool(data::Rgb&)> choose_colour;  // false when cancelled
    std::function<QString()> caption;               // the window's title at rest
    std::function<void()> repaint;                  // the diagram changed
  };
  // Everything passed belongs to the window and outlives the commands.
  ContourCommands(QMainWindow* window, ParameterColumn* parameters, MainStatusBar* status,
                  raster::RasterImage& diagram, shell::WindowSettings& settings, Host host);

  // Starts the density computation unless one runs or the settings are refused.
  void Start();
  // Draws the contoured diagram of the last grid with the current options.
  void Redraw();
  // Stops a running computation and waits for its workers; the title and
  // the meter return to rest.
  void Cancel();
  bool Running() const;
  const contour::DensityState& Density() const { return density_; }
  bool Percent() const;

 signals:
  // An option that every diagram kind shows changed.
  void redrawWanted();

 private:
  void ConnectControls();
  // What the contour and colour-scheme groups hold now.
  shell::ContourControls Controls() const;
  void Finished(std::shared_ptr<contour::DensityState> state);
  // The cursor, the meter and the title at rest again.
  void EndRun();
  bool ShowsContours() const { return settings_.DiagramKind == stereonet::DiagramKind::Contoured; }

  QMainWindow* window_;
  ParameterColumn* parameters_;
  MainStatusBar* status_;
  raster::RasterImage& diagram_;
  shell::WindowSettings& settings_;
  Host host_;
  DensityRun* run_;
  // The data text the running computation started from: a grid of other
  // data than the panel holds when it ends is not shown.
  std::string started_text_;
  contour::DensityState density_;
  contour::LevelGrid levels_ = contour::MakeLevelGrid();
};

}  // namespace velkar::gui
