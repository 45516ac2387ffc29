#include "gui/main/density_run.hpp"

#include <QTimer>

namespace velkar::gui {

namespace {
constexpr int kPollMilliseconds = 30;
}  // namespace

DensityRun::DensityRun(QObject* parent) : QObject(parent), timer_(new QTimer(this)) {
  timer_->setInterval(kPollMilliseconds);
  connect(timer_, &QTimer::timeout, this, &DensityRun::Poll);
}

DensityRun::~DensityRun() { Cancel(); }

void DensityRun::Start(const std::string& text, const contour::DensityRequest& request, int threads) {
  if (job_) return;
  job_ = std::make_unique<contour::DensityJob>(text, request, threads);
  timer_->start();
}

void DensityRun::Cancel() {
  if (!job_) return;
  timer_->stop();
  job_->Cancel();
  job_.reset();
}

void DensityRun::Poll() {
  if (!job_) return;
  emit progressed(job_->Progress());
  if (!job_->Done()) return;
  timer_->stop();
  std::optional<contour::DensityState> state = job_->Finish();
  job_.reset();
  emit finished(state ? std::make_shared<contour::DensityState>(std::move(*state)) : nullptr);
}

}  // namespace velkar::gui
