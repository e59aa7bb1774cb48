#pragma once

#include <string>

#include "app/film_cache.h"
#include "casefile/case_file.h"
#include "casefile/case_file_state.h"
#include "config/config_file.h"
#include "config/settings.h"
#include "core/record.h"
#include "core/run_status.h"
#include "docs/change_log.h"
#include "docs/drawing_info.h"
#include "docs/linked_documents.h"
#include "docs/title_data.h"
#include "report/report_writer.h"
#include "report/run_messages.h"
#include "report/writer_state.h"
#include "text/language.h"
#include "ui/dialogs.h"
#include "ui/launcher.h"

namespace trb::app {

// The state of one program run: the case with its documentation, the last run's messages and
// flags, the settings and language texts, the case-file and report-writer state, and the dialogs
// and launcher every question and external program goes through. main() creates one; tests build a
// fresh one per case.
class Program {
  public:
    Program(ui::Dialogs& dialogs, ui::Launcher& launcher);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    core::TRBrecord record;
    core::RunStatus status;
    bool abort = false;
    config::ConfigSettings settings;
    config::ConfigPlaces places;
    text::LanguageTexts texts;
    docs::TitleData title;
    docs::ChangeLog changes;
    docs::DrawingInfo drawingInfo;
    docs::LinkedDocuments documents;
    casefile::CaseFileState caseFile;
    report::WriterState writer;
    ui::Dialogs& dialogs;
    ui::Launcher& launcher;
    bool noGui = false;  // "/NOGUI" on the command line
    // The lubricant film of the case, solved when the pressure-distribution view asks for it.
    FilmCache film;

    // The example case with its drawing name (the language's "Radialgleitlager") and number.
    void LoadExampleCase();

    casefile::CaseFileContext CaseFiles();
    // A writer for one printout, bound to the current case, settings and messages.
    report::ReportWriter Writer();
    // The viewer of one message's cause and remedy that the message browser opens when no other is
    // given (the window program sets its dialog; without one, a message box shows the description).
    report::DescriptionEditor descriptionEditor;
    report::RunMessagesContext RunMessages(report::DescriptionEditor editor = {});
    // The error-message catalogue in the PLT folder.
    std::string Catalogue() const;

    // The printouts of the menu commands: the result report ("&Ausdruck"; device 0 lets the
    // settings decide), the change log on the screen or the chosen device, and the message browser.
    void PrintResultReport(int device = report::kChooseDevice);
    // The messages of a run a fatal error stopped, as a report file (batch use).
    void PrintFailedRunReport(int device);
    void PrintChangeLog(bool toScreen);
    void ShowRunMessages(report::DescriptionEditor editor = {});
};

}  // namespace trb::app
