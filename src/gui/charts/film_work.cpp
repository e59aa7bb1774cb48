#include "gui/charts/film_work.h"

#include <QProgressBar>
#include <QStatusBar>
#include <cmath>

namespace trb::gui {

namespace {

// Longer than this the film shows its progress (ms).
constexpr int kBlinkMs = 150;

}  // namespace

FilmWork::FilmWork(QStatusBar& statusBar, QObject* parent)
    : QObject(parent),
      work_(
          [this](const core::TRBrecord& record) -> CaseWorkFor<film::CaseFilm>::Solve {
              return [record, status = status_](
                         const CaseWork::Progress& progress) -> std::shared_ptr<const film::CaseFilm> {
                  film::CaseFilmOptions options;
                  options.onsetSpeed = true;
                  options.progress = [&progress](double done) {
                      return progress(static_cast<int>(std::lround(done * kSteps)));
                  };
                  auto f = std::make_shared<film::CaseFilm>(film::SolveCaseFilm(record, status, options));
                  // A film stopped part way leaves nothing.
                  if (f->fault == film::FilmFault::Cancelled) return nullptr;
                  return f;
              };
          },
          this) {
    progress_ = new QProgressBar(&statusBar);
    progress_->setObjectName("ProgressBar_film");
    progress_->setRange(0, kSteps);
    progress_->setMaximumWidth(160);
    progress_->hide();
    statusBar.addPermanentWidget(progress_);
    connect(&work_, &CaseWork::Progressed, this, [this](int done) { ShowProgress(done); });
    connect(&work_, &CaseWork::Ready, progress_, &QWidget::hide);
}

const film::CaseFilm* FilmWork::For(const core::TRBrecord& record, const core::RunStatus& status,
                                    bool screen) {
    // The film depends on whether the DIN run failed, which the inputs alone do not always tell.
    if (status.calculationFailed != failed_) work_.Forget();
    failed_ = status.calculationFailed;
    status_ = status;
    if (!screen) {
        progress_->hide();
        return &work_.Now(record);
    }
    const film::CaseFilm* f = work_.For(record);
    if (f != nullptr) {
        progress_->hide();
    } else if (work_.Done() == 0) {
        started_.start();  // a film just started, or one that has not yet told its progress
    }
    return f;
}

void FilmWork::ShowProgress(int done) {
    if (!work_.Running()) return;
    if (started_.isValid() && started_.elapsed() < kBlinkMs) return;
    progress_->setValue(done);
    progress_->show();
}

}  // namespace trb::gui
