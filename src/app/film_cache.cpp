#include "app/film_cache.h"

#include "app/case_json.h"

namespace trb::app {

const film::CaseFilm& FilmCache::Get(const core::TRBrecord& record, const core::RunStatus& status) {
    if (!film_ || failed_ != status.calculationFailed || !SameInputs(inputs_, record)) {
        film::CaseFilmOptions options;
        options.onsetSpeed = true;
        film_ = film::SolveCaseFilm(record, status, options);
        inputs_ = record;
        failed_ = status.calculationFailed;
    }
    return *film_;
}

}  // namespace trb::app
