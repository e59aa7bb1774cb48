#include "python/case_data.h"

#include <sstream>

#include "casefile/case_file.h"
#include "config/settings.h"
#include "docs/documentation.h"
#include "text/format.h"
#include "text/language.h"
#include "ui/batch_dialogs.h"

namespace trb::python {

namespace {

// The language texts a new program run starts with; built once, only read afterwards.
const text::LanguageTexts& StartTexts() {
    static const text::LanguageTexts texts;
    return texts;
}

// Answers every question as a batch run does and keeps what the file commands report.
class CollectingDialogs : public ui::BatchDialogs {
  public:
    CollectingDialogs() : ui::BatchDialogs(unused_, true) {}
    std::vector<std::string> messages;

  protected:
    void MessageBox(const std::string&, const std::string& text) override { messages.push_back(text); }

  private:
    std::ostringstream unused_;
};

// Runs a case-file command on a context of its own.
template <typename Command>
FileOutcome WithCaseFiles(CaseData& data, Command command) {
    const config::ConfigSettings settings;
    CollectingDialogs dialogs;
    dialogs.UseFormat(settings.format);
    casefile::CaseFileState state;
    bool abort = false;
    casefile::CaseFileContext context{
        casefile::CaseContent{data.record, data.title, data.changes, data.info, data.documents},
        state,
        settings,
        StartTexts().ProgramTitle(),
        dialogs,
        abort};
    command(context, state);
    return FileOutcome{abort, std::move(dialogs.messages)};
}

}  // namespace

CaseData NewCase() {
    CaseData data;
    docs::InitDocumentation(data.title, data.changes, data.info,
                            text::DateText(config::ConfigSettings().format));
    return data;
}

CaseData ExampleCase() {
    CaseData data = NewCase();
    core::LoadExampleCase(data.record);
    docs::LoadExampleTitle(data.title, StartTexts());
    return data;
}

FileOutcome ReadCase(const std::string& path, CaseData& data) {
    data = NewCase();
    return WithCaseFiles(data, [&](casefile::CaseFileContext& context, casefile::CaseFileState&) {
        casefile::ReadCaseFile(context, path);
    });
}

FileOutcome WriteCase(const CaseData& data, const std::string& path, std::string& written) {
    CaseData copy = data;
    return WithCaseFiles(copy, [&](casefile::CaseFileContext& context, casefile::CaseFileState& state) {
        casefile::WriteCaseFile(context, path);
        written = casefile::CaseFilePath(state.folder, path);
    });
}

}  // namespace trb::python
