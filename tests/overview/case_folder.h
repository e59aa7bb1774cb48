#pragma once

#include <filesystem>
#include <string>

#include "core/record.h"

namespace trb::overview::testing {

// A fresh folder for case files, removed with the object.
class CaseFolder {
  public:
    CaseFolder();
    ~CaseFolder();
    CaseFolder(const CaseFolder&) = delete;
    CaseFolder& operator=(const CaseFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string Folder() const { return path_.string() + "/"; }

    // The example case scaled to the bore diameter, with drawing name and number, as a case file.
    void WriteCase(const std::string& file, real diameter, const std::string& drawingName = "Lager",
                   const std::string& drawingNumber = "4711");
    void WriteRecord(const std::string& file, const core::TRBrecord& record, const std::string& drawingName);
    void WriteText(const std::string& file, const std::string& content);
    // The text of a complete case file for the record.
    static std::string CaseText(const core::TRBrecord& record, const std::string& drawingName);

  private:
    std::filesystem::path path_;
};

// The example case with the bore and shaft scaled to `diameter`.
core::TRBrecord ScaledExample(real diameter);

}  // namespace trb::overview::testing
