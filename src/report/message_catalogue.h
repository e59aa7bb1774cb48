#pragma once

#include <string>
#include <string_view>

#include "ui/dialogs.h"

// The error-message catalogue "trb.err": for each message of a calculation run a cause and a
// remedy, as line triples (message, cause, remedy; code page 850, CR LF). A message is found by
// its first 14 characters; every line of the file is compared and the first match wins.
namespace trb::report {

inline constexpr std::string_view kCatalogueFileName = "trb.err";
inline constexpr std::size_t kMessageKeyLength = 14;
inline constexpr std::string_view kNoDescription = "keine Beschreibung dieser Fehlermeldung vorhanden.";

// The catalogue in the given folder (the PLT folder).
std::string CataloguePath(std::string_view folder);

// Whether a catalogue line stands for the message: their first 14 characters agree (a shorter
// text must agree as a whole), or the line ends with "*" and the message starts with the rest.
bool MatchesMessage(std::string_view line, std::string_view message);

enum class Lookup { Found, NotFound, Unreadable };
struct MessageDescription {
    std::string cause;
    std::string remedy;
};
// Looks the message up in the catalogue's content (cause and remedy are the two lines after the
// first matching line).
Lookup LookUpMessageIn(std::string_view content, std::string_view message, MessageDescription& description);
// Reads the catalogue anew (a regular file of at most a few megabytes) and fills `description` when
// the message is found.
Lookup LookUpMessage(const std::string& catalogue, std::string_view message, MessageDescription& description);

// Why the catalogue cannot be read (code page 850, naming the file and what a report then lacks),
// or "" when it can.
std::string CatalogueProblem(const std::string& catalogue);

// Cause of the message: "" without a catalogue, kNoDescription when it is not listed.
std::string GetCause(const std::string& catalogue, std::string_view message);
// Remedy of the message: "" without a catalogue or when it is not listed.
std::string GetRemedy(const std::string& catalogue, std::string_view message);

// Replaces cause and remedy of the message's entry. The catalogue is copied into a work file of
// the same name in the temporary folder with the new lines and then replaces the catalogue in
// one step. Line breaks in cause or remedy become blanks (the catalogue holds one line each).
// A message that is not listed is refused with "<message> not found."; an unreadable catalogue
// shows the file message and sets the abort flag. True when the catalogue was replaced.
bool SaveMessageDescription(const std::string& catalogue, const std::string& tempFolder,
                            std::string_view message, std::string_view cause, std::string_view remedy,
                            ui::Dialogs& dialogs, bool& abort);

}  // namespace trb::report
