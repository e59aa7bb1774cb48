#include "report/report_file.h"

namespace trb::report {

ReportFile::~ReportFile() {
    if (port_ != nullptr) std::fclose(port_);
}

bool ReportFile::Open(const std::string& path, bool printerPort, ui::Dialogs& dialogs, bool& abort) {
    if (abort) return false;
    if (!printerPort) return ui::RewriteChecked(file_, path, dialogs, abort);
    port_ = std::fopen(path.c_str(), "wb");
    if (port_ == nullptr) {
        dialogs.ShowErrorBox("file write error");
        abort = true;
        return false;
    }
    return true;
}

void ReportFile::Write(std::string_view text, ui::Dialogs& dialogs, bool& abort) {
    if (abort) return;
    if (port_ == nullptr) {
        ui::WriteChecked(file_, text, dialogs, abort);
        return;
    }
    if (std::fwrite(text.data(), 1, text.size(), port_) != text.size() || std::fflush(port_) != 0) {
        dialogs.ShowErrorBox("Fehler bei Zugriff auf Diskette/Platte");
        abort = true;
    }
}

void ReportFile::Close(ui::Dialogs& dialogs, bool& abort) {
    if (port_ != nullptr) {
        const bool failed = std::fclose(port_) != 0;
        port_ = nullptr;
        if (failed && !abort) {
            dialogs.ShowErrorBox(
                "Fehler beim Schlie\xE1"
                "en einer Datei");
            abort = true;
        }
        return;
    }
    if (file_.IsOpen()) ui::CloseChecked(file_, dialogs, abort);
}

}  // namespace trb::report
