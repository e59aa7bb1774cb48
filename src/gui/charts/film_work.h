#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "core/record.h"
#include "core/run_status.h"
#include "film/case_film.h"
#include "gui/common/case_work.h"

class QProgressBar;
class QStatusBar;

namespace trb::gui {

// The lubricant film of the window's case with its coefficients and onset speed, solved when a view asks
// for it: for the screen on a thread of its own (the view says meanwhile that it is being solved, and a
// progress bar in the status bar shows how far it has come once it takes longer than a blink), for files
// and paper at once. The film is kept until the case's inputs, or the outcome of its DIN run, change.
class FilmWork : public QObject {
  public:
    // Progress steps of one film (the bar's range).
    static constexpr int kSteps = 1000;

    FilmWork(QStatusBar& statusBar, QObject* parent = nullptr);

    // The film of `record` after its run `status`: for the screen when it is there (else nothing, and the
    // work starts), otherwise solved here when it is not there yet.
    const film::CaseFilm* For(const core::TRBrecord& record, const core::RunStatus& status, bool screen);

    // Told when the film asked for last is there.
    CaseWork& Work() { return work_; }

  private:
    void ShowProgress(int done);

    CaseWorkFor<film::CaseFilm> work_;
    QProgressBar* progress_ = nullptr;  // in the status bar, while a film is being solved
    QElapsedTimer started_;
    core::RunStatus status_;  // the run status the film is solved after (copied for the thread)
    bool failed_ = false;
};

}  // namespace trb::gui
