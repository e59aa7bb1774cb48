#pragma once

#include <filesystem>
#include <string>

#include "casefile/case_format.h"

namespace trb::casefile::testing {

// A case with its documentation, every field set to a value of its own.
struct SampleCase {
    core::TRBrecord record;
    docs::TitleData title;
    docs::ChangeLog changes;
    docs::DrawingInfo info;
    docs::LinkedDocuments documents;

    CaseContent Content() { return {record, title, changes, info, documents}; }
};

void FillSample(SampleCase& c);

// Expects every input and documentation field of two cases to agree.
void ExpectSameCase(SampleCase& a, SampleCase& b);

// A fresh empty folder under the system's temporary folder, removed with the object.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::string Folder() const { return path_.string() + "/"; }

  private:
    std::filesystem::path path_;
};

std::string ReadWholeFile(const std::filesystem::path& path);
void WriteWholeFile(const std::filesystem::path& path, const std::string& content);

}  // namespace trb::casefile::testing
