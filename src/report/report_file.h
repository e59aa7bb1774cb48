#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "ui/checked_file.h"
#include "ui/dialogs.h"

namespace trb::report {

// The file a printout is written to. Ordinary files are written under a temporary name and
// renamed into place when closed; a printer port is written directly.
class ReportFile {
  public:
    ReportFile() = default;
    ~ReportFile();
    ReportFile(const ReportFile&) = delete;
    ReportFile& operator=(const ReportFile&) = delete;

    // True when the file is open; failures are shown and set the abort flag.
    bool Open(const std::string& path, bool printerPort, ui::Dialogs& dialogs, bool& abort);
    void Write(std::string_view text, ui::Dialogs& dialogs, bool& abort);
    // With the abort flag set an ordinary file is discarded and the previous one stays.
    void Close(ui::Dialogs& dialogs, bool& abort);
    bool IsOpen() const { return port_ != nullptr || file_.IsOpen(); }

  private:
    ui::OutputFile file_;
    std::FILE* port_ = nullptr;
};

}  // namespace trb::report
