#pragma once

#include <optional>

#include "core/record.h"
#include "core/run_status.h"
#include "film/case_film.h"

namespace trb::app {

// The film of the case, solved when a view asks for it and kept until the case's inputs change (or the
// DIN run's outcome does), so that redrawing, printing and exporting the view solve it once.
class FilmCache {
  public:
    // The film of `record` after its run `status`, with the coefficients and the onset speed of whirl.
    const film::CaseFilm& Get(const core::TRBrecord& record, const core::RunStatus& status);

  private:
    core::TRBrecord inputs_;
    bool failed_ = false;
    std::optional<film::CaseFilm> film_;
};

}  // namespace trb::app
