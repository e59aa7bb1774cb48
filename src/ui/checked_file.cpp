#include "ui/checked_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include "text/cp850.h"
#include "text/format.h"
#include "ui/help_numbers.h"

namespace trb::ui {

namespace {

// How often CreateChecked tries before it gives up.
constexpr int kCreateAttempts = 3;
constexpr int kShownNameLength = 60;

bool DiskFull(int error) {
    return error == ENOSPC || error == EDQUOT || error == EFBIG;
}

// A path as it appears inside a stored (code page 850) message.
std::string Shown(const std::string& path) {
    return text::DisplayToOem(path);
}

bool Contains(const std::string& s, std::string_view part) {
    return s.find(part) != std::string::npos;
}

// The last path component holds a ".".
bool HasExtension(std::string_view name) {
    const auto slash = name.rfind('/');
    const auto base = slash == std::string_view::npos ? name : name.substr(slash + 1);
    return base.find('.') != std::string_view::npos;
}

}  // namespace

std::string FileErrorText(FileOperation operation, int error) {
    switch (operation) {
        case FileOperation::Write:
            return DiskFull(error) ? "Diskette/Platte voll" : "Fehler bei Zugriff auf Diskette/Platte";
        case FileOperation::Close:
            return DiskFull(error) ? "Diskette/Platte voll"
                                   : "Fehler beim Schlie\xE1"
                                     "en einer Datei";
        case FileOperation::Rewrite:
            return DiskFull(error) ? "Diskette/Platte voll" : "file write error";
        case FileOperation::Create:
            if (error == EROFS || error == EACCES || error == EPERM) return "Schreibschutz entfernen !";
            if (error == ENXIO || error == ENODEV || error == ENOMEDIUM) return "Programmdiskette einlegen !";
            return "I/O-Error " + text::IntText(error);
    }
    return "I/O-Error " + text::IntText(error);
}

bool CreateChecked(OutputFile& file, const std::string& path, Dialogs& dialogs, bool& abort,
                   config::ExistingLink link) {
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        const int error = file.Create(path, link);
        if (error == 0) return true;
        dialogs.ShowErrorBox(FileErrorText(FileOperation::Create, error));
        // Trying again only helps where someone read the message and could act on it; a batch run
        // would only repeat the same message.
        if (!dialogs.UserCanAct()) break;
    }
    abort = true;
    return false;
}

bool RewriteChecked(OutputFile& file, const std::string& path, Dialogs& dialogs, bool& abort) {
    const int error = file.Create(path);
    if (error == 0) return true;
    dialogs.ShowErrorBox(FileErrorText(FileOperation::Rewrite, error));
    abort = true;
    return false;
}

void WriteChecked(OutputFile& file, std::string_view content, Dialogs& dialogs, bool& abort) {
    if (abort) return;
    const int error = file.Write(content);
    if (error == 0) return;
    dialogs.ShowErrorBox(FileErrorText(FileOperation::Write, error));
    abort = true;
}

void CloseChecked(OutputFile& file, Dialogs& dialogs, bool& abort) {
    if (abort) {
        file.Discard();  // the previous file stays as it was
        return;
    }
    const int error = file.Commit();
    if (error == 0) {
        if (file.BrokeHardLinks()) dialogs.ShowNoteBox(HardLinksNote(file.Path()));
        return;
    }
    dialogs.ShowErrorBox(FileErrorText(FileOperation::Close, error));
    abort = true;
}

std::string HardLinksNote(const std::string& path) {
    return "Datei " + Shown(path) + " hatte weitere Namen (harte Links); diese behalten den alten Inhalt.";
}

bool WriteFileChecked(const std::string& path, std::string_view content, Dialogs& dialogs, bool& abort,
                      config::ExistingLink link) {
    OutputFile file;
    if (!CreateChecked(file, path, dialogs, abort, link)) return false;
    WriteChecked(file, content, dialogs, abort);
    CloseChecked(file, dialogs, abort);
    return !abort;
}

bool WriteFilesTogether(const std::vector<FileContent>& files, Dialogs& dialogs, bool& abort,
                        const OutputFile::SyncFunction& sync) {
    std::vector<OutputFile> outputs(files.size());
    for (std::size_t i = 0; i < files.size() && !abort; ++i) {
        outputs[i].UseSync(sync);
        if (CreateChecked(outputs[i], files[i].path, dialogs, abort))
            WriteChecked(outputs[i], files[i].content, dialogs, abort);
    }
    if (abort) return false;  // the temporary files go with `outputs`; the previous files stay
    for (OutputFile& output : outputs) {
        if (const int error = output.RemoveReplaced()) {
            dialogs.ShowErrorBox(FileErrorText(FileOperation::Close, error));
            abort = true;
            return false;
        }
    }
    for (OutputFile& output : outputs) CloseChecked(output, dialogs, abort);
    return !abort;
}

bool CheckReadable(const std::string& name, Dialogs& dialogs, bool& abort) {
    // Non-blocking: opening a FIFO for reading would otherwise wait for a writer.
    const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    const bool readable = fd >= 0 && fstat(fd, &info) == 0 && !S_ISDIR(info.st_mode);
    if (fd >= 0) ::close(fd);
    if (readable) return true;
    dialogs.ShowErrorBox("Datei " + text::ShortenMiddle(Shown(name), kShownNameLength) +
                         " nicht gefunden oder kein Zugriffsrecht !");
    abort = true;
    return false;
}

void AskOverwrite(const std::string& name, Dialogs& dialogs, bool& abort) {
    struct stat info {};
    if (::stat(name.c_str(), &info) != 0 || Contains(name, "aktuell") || !dialogs.overwriteQueryOn) return;
    dialogs.SetHelpNumber(help::kHelpOverwriteFile);
    if (!dialogs.AskYesNoCancel(Shown(name) + " existiert bereits.   \x81"
                                              "berschreiben ?",
                                abort))
        abort = true;
}

void CheckNewFile(const std::string& name, Dialogs& dialogs, bool& abort) {
    AskOverwrite(name, dialogs, abort);
    if (abort) return;
    // A link stands for the file it names, which is where the file will be written.
    std::string target;
    const bool followed = config::FollowLinks(name, target) == 0;
    struct stat info {};
    const bool exists = followed && ::stat(target.c_str(), &info) == 0;
    // An existing file is never truncated or removed here: the old content must survive until the
    // new file is complete. One that is write-protected is refused when it is created, with the
    // message that says so.
    bool valid = false;
    if (exists) {
        valid = S_ISREG(info.st_mode);
    } else if (followed) {
        const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            valid = ::unlink(target.c_str()) == 0;
        }
    }
    if (valid) return;
    dialogs.ShowErrorBox("Ung\x81ltiger Dateiname \"" + Shown(name) + "\" !");
    abort = true;
}

std::string AskSaveFile(std::string_view name, SaveContext& context, Dialogs& dialogs, bool& abort) {
    if (context.batchRun) {
        if (context.archiveMode && name != "aktuell") {
            dialogs.ShowErrorBox(Dialogs::kArchiveModeRefusal);
            abort = true;
            return {};
        }
        if (!context.archiveMode) context.batchRun = false;
    }
    const std::string folder = text::AddBackslash(context.dataFolder);
    std::string path;
    if (!name.empty()) {
        path = HasExtension(name) ? std::string(name) : folder + std::string(name) + "." + context.extension;
        CheckNewFile(path, dialogs, abort);
        return abort ? std::string() : path;
    }
    const auto chosen = dialogs.ChooseSaveFile(folder, "*." + context.extension);
    if (!chosen) {
        abort = true;
        return {};
    }
    const auto slash = chosen->rfind('/');
    const std::string chosenFolder = slash == std::string::npos ? folder : chosen->substr(0, slash + 1);
    std::string chosenName = slash == std::string::npos ? *chosen : chosen->substr(slash + 1);
    const auto dot = chosenName.rfind('.');
    if (dot != std::string::npos && dot > 0) chosenName.resize(dot);
    path = chosenFolder + chosenName + "." + context.extension;
    CheckNewFile(path, dialogs, abort);
    if (abort) return {};
    context.dataFolder = chosenFolder;
    context.caseName = chosenName;
    return path;
}

}  // namespace trb::ui
