// Listing a folder's case files and reading each into a row of the overview.
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <ctime>
#include <filesystem>

#include "casefile/case_file_state.h"
#include "casefile/case_format.h"
#include "config/input_file.h"
#include "core/calculation.h"
#include "core/lubricant.h"
#include "docs/change_log.h"
#include "docs/drawing_info.h"
#include "docs/linked_documents.h"
#include "docs/title_data.h"
#include "overview/overview.h"
#include "text/cp850.h"
#include "text/format.h"

namespace trb::overview {

namespace {

namespace fs = std::filesystem;

bool IsCaseFileName(const std::string& name) {
    if (name.empty() || name.front() == '.') return false;
    std::string extension = fs::path(name).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == std::string(".") + casefile::kCaseExtension;
}

// The file's last-write date as "yyyy/mm/dd" (local time); empty when it cannot be asked for.
std::string DateOf(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return {};
    std::tm local{};
    if (localtime_r(&status.st_mtime, &local) == nullptr) return {};
    return text::IntText(local.tm_year + 1900) + "/" + text::IntTextZeros(local.tm_mon + 1, 2) + "/" +
           text::IntTextZeros(local.tm_mday, 2);
}

// The value behind a length or temperature text, in the unit the text is in.
real ShownLength(real mm, const text::FormatOptions& format) {
    return text::EnglishUnits(format) ? mm * text::kMmToInch : mm;
}
real ShownTemperature(real celsius, const text::FormatOptions& format) {
    return text::EnglishUnits(format) ? celsius * text::kFahrenheitPerCelsius + 32 : celsius;
}

void Put(Row& row, Column column, real value, std::string shown) {
    row.cells[column] = std::move(shown);
    if (std::isfinite(value)) row.values[column] = static_cast<double>(value);
}

void FillCase(Row& row, const core::TRBrecord& r, const docs::TitleData& title,
              const text::FormatOptions& f) {
    row.cells[kNameColumn] = text::OemToDisplay(title.drawingName, f);
    row.cells[kNumberColumn] = text::OemToDisplay(title.drawingNumber, f);
    Put(row, kSpeedColumn, r.ns * 60, text::FormatFixed(r.ns * 60, 5, 0, f));
    Put(row, kBoreColumn, ShownLength(r.db, f), text::FormatLengthFixed(r.db, 4, 1, f));
    Put(row, kOuterDiameterColumn, ShownLength(r.de, f), text::FormatLengthFixed(r.de, 4, 1, f));
    Put(row, kWidthColumn, ShownLength(r.b, f), text::FormatLengthFixed(r.b, 4, 1, f));
    const real grade = std::round(core::ViscosityClassNu40(r.schmier));
    Put(row, kGradeColumn, grade, text::IntText(static_cast<long long>(grade)));
    Put(row, kLoadColumn, r.f, text::FormatFixed(r.f, 9, 0, f));
    Put(row, kPressureColumn, r.p, text::FormatFixed(r.p, 4, 1, f));
    Put(row, kEccentricityColumn, ShownLength(r.e, f), text::FormatLengthFixed(r.e, 4, 3, f));
    Put(row, kFilmColumn, ShownLength(r.h0, f), text::FormatLengthFixed(r.h0, 4, 3, f));
    Put(row, kInletColumn, ShownTemperature(r.t1, f), text::FormatTemperatureFixed(r.t1, 4, 1, f));
    Put(row, kOutletColumn, ShownTemperature(r.t2, f), text::FormatTemperatureFixed(r.t2, 4, 1, f));
    Put(row, kEffectiveColumn, ShownTemperature(r.teff, f), text::FormatTemperatureFixed(r.teff, 4, 1, f));
}

// A failed run leaves no results worth showing: its columns stay empty.
void ClearResults(Row& row) {
    for (int c = 0; c < kColumnCount; ++c) {
        if (!Columns()[static_cast<std::size_t>(c)].result) continue;
        row.cells[static_cast<std::size_t>(c)].clear();
        row.values[static_cast<std::size_t>(c)].reset();
    }
}

}  // namespace

std::optional<std::vector<std::string>> CaseFilesOf(const std::string& folder, int& error) {
    std::error_code code;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), code);
    std::vector<std::string> names;
    for (; !code && it != fs::directory_iterator(); it.increment(code)) {
        const std::string name = it->path().filename().string();
        // Every file of the name gets its row, also one that cannot be read (a FIFO, a broken link):
        // the row says what is wrong with it. Only folders are no files.
        std::error_code kind;
        if (IsCaseFileName(name) && !it->is_directory(kind)) names.push_back(name);
    }
    if (code) {
        error = code.value();
        return std::nullopt;
    }
    std::sort(names.begin(), names.end());
    return names;
}

Row ReadRow(const std::string& folder, const std::string& file, const text::FormatOptions& format) {
    Row row;
    row.file = file;
    row.cells[kFileColumn] = text::FileNameText(file);
    const std::string path = casefile::InFolder(folder, file);
    row.cells[kDateColumn] = DateOf(path);

    const config::InputFile input = config::ReadInputFile(path, casefile::kMaxCaseFileSize);
    if (input.status != config::InputStatus::Ok || !casefile::LooksLikeCaseFile(input.content)) {
        row.state = RowState::Unreadable;
        const std::string shown = text::DisplayToOem(file);
        row.messages.push_back(text::OemToDisplay(input.status != config::InputStatus::Ok
                                                      ? config::InputProblem(shown, input)
                                                      : "Datei " + shown + " ist keine Falldatei !",
                                                  format));
        return row;
    }

    // Every file starts from the same fresh case, so that its row depends on nothing but the file.
    core::TRBrecord record;
    docs::TitleData title;
    docs::ChangeLog changes;
    docs::DrawingInfo info;
    docs::LinkedDocuments documents;
    casefile::CaseContent content{record, title, changes, info, documents};
    const bool complete = casefile::ReadCaseContent(input.content, content).complete;
    core::RunStatus status;
    bool abort = false;
    core::RunCalculation(record, status, abort);

    FillCase(row, record, title, format);
    row.state = complete ? RowState::Calculated : RowState::Incomplete;
    if (status.calculationFailed) {
        row.state = RowState::Failed;
        ClearResults(row);
    }
    for (int i = 1; i <= status.MessageCount(); ++i)
        row.messages.push_back(text::OemToDisplay(status.Message(i), format));
    return row;
}

bool ScanFolder(const std::string& folder, const text::FormatOptions& format, Overview& overview, int& error,
                const Progress& progress) {
    overview.folder = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    overview.rows.clear();
    const auto files = CaseFilesOf(folder, error);
    if (!files) return false;
    overview.rows.reserve(files->size());
    for (std::size_t i = 0; i < files->size(); ++i) {
        if (progress) progress(i, files->size(), (*files)[i]);
        overview.rows.push_back(ReadRow(folder, (*files)[i], format));
    }
    return true;
}

void SortRows(std::vector<Row>& rows, int column) {
    if (column < 0 || column >= kColumnCount) return;
    const auto c = static_cast<std::size_t>(column);
    std::stable_sort(rows.begin(), rows.end(),
                     [c](const Row& a, const Row& b) { return a.cells[c] < b.cells[c]; });
}

}  // namespace trb::overview
