#include "case_folder.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>

#include "casefile/case_format.h"
#include "docs/change_log.h"
#include "docs/drawing_info.h"
#include "docs/linked_documents.h"
#include "docs/title_data.h"

namespace trb::overview::testing {

namespace fs = std::filesystem;

CaseFolder::CaseFolder() {
    std::string pattern = (fs::temp_directory_path() / "trb_cases_XXXXXX").string();
    path_ = mkdtemp(pattern.data());
}

CaseFolder::~CaseFolder() {
    std::error_code error;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(path_, error);
}

core::TRBrecord ScaledExample(real diameter) {
    core::TRBrecord r;
    core::LoadExampleCase(r);
    r.db = r.ds = diameter;
    r.dbmin = diameter + 0.05L;
    r.dbmax = diameter + 0.07L;
    r.dsmin = diameter - 0.07L;
    r.dsmax = diameter - 0.05L;
    r.b = diameter / 2;
    r.de = diameter + 20;
    r.f = 36000 * (diameter / 120) * (diameter / 120);
    return r;
}

std::string CaseFolder::CaseText(const core::TRBrecord& record, const std::string& drawingName) {
    core::TRBrecord copy = record;
    docs::TitleData title;
    title.drawingName = drawingName;
    title.drawingNumber = "4711";
    docs::ChangeLog changes;
    docs::DrawingInfo info;
    docs::LinkedDocuments documents;
    std::ostringstream out;
    casefile::WriteCaseContent(out, casefile::CaseContent{copy, title, changes, info, documents}, {},
                               "TRB - Hydrodynamische Radial-Gleitlager");
    return out.str();
}

void CaseFolder::WriteCase(const std::string& file, real diameter, const std::string& drawingName,
                           const std::string& drawingNumber) {
    std::string text = CaseText(ScaledExample(diameter), drawingName);
    const std::string marker = "\r\n4711\r\n";
    text.replace(text.find(marker), marker.size(), "\r\n" + drawingNumber + "\r\n");
    WriteText(file, text);
}

void CaseFolder::WriteRecord(const std::string& file, const core::TRBrecord& record,
                             const std::string& drawingName) {
    WriteText(file, CaseText(record, drawingName));
}

void CaseFolder::WriteText(const std::string& file, const std::string& content) {
    std::ofstream(path_ / file, std::ios::binary) << content;
}

}  // namespace trb::overview::testing
