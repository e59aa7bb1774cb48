#pragma once

#include <functional>
#include <string>

#include "config/settings.h"
#include "core/record.h"
#include "docs/change_log.h"
#include "docs/drawing_info.h"
#include "docs/title_data.h"
#include "text/language.h"

namespace trb::film {
struct CaseFilm;
}

namespace trb::graphics {

// The Reynolds film of the case, asked for only when a view that shows it draws; nullptr while it is
// still being solved (the screen then says so and is drawn again once the film is there).
using FilmSource = std::function<const film::CaseFilm*()>;

// What the bearing drawings read at the moment they draw: the case with its documentation, the
// language texts and the settings. The run's messages and failed flag come from the driver's
// run status.
struct DrawingData {
    const core::TRBrecord& record;
    const text::LanguageTexts& texts;
    const config::ConfigSettings& settings;
    const docs::TitleData& title;
    const docs::DrawingInfo& info;
    const docs::ChangeLog& changes;
    // The case file as the production drawing names it (folder, name and extension, or the name
    // given on the command line; empty for an unnamed case), as the file system spells it.
    std::string caseFile;
    // False in the command-line modes: a failed run then shows no messages and the diagram
    // limits are never asked for.
    bool userInterface = true;
    // The film for the pressure-distribution view; without a source that view has no film to show.
    FilmSource film = {};
};

}  // namespace trb::graphics
