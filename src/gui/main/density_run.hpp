// The density computation of the contoured diagram as the window runs it:
// the workers in their threads, polled by a timer for the progress, the
// finished state handed over once. Only one runs at a time.
#pragma once

#include <QObject>

#include <memory>
#include <optional>
#include <string>

#include "contour/density.hpp"

class QTimer;

namespace velkar::gui {

class DensityRun : public QObject {
  Q_OBJECT
 public:
  explicit DensityRun(QObject* parent = nullptr);
  // Stops a running computation and waits for its workers.
  ~DensityRun() override;

  bool Running() const { return job_ != nullptr; }
  // Starts the computation of the request on a copy of the text.
  void Start(const std::string& text, const contour::DensityRequest& request, int threads);
  // Stops the computation and waits for its workers; no signal follows.
  void Cancel();
  static constexpr int ProgressTotal() { return contour::DensityJob::ProgressTotal(); }

 signals:
  void progressed(int count);
  // The workers are done: the state, or nothing when it was stopped.
  void finished(std::shared_ptr<contour::DensityState> state);

 private:
  void Poll();

  std::unique_ptr<contour::DensityJob> job_;
  QTimer* timer_ = nullptr;
};

}  // namespace velkar::gui
