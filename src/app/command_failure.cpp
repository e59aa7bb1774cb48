#include "app/command_failure.h"

#include <new>
#include <stdexcept>

#include "text/cp850.h"

namespace trb::app {

namespace {

std::string Reason(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::bad_alloc&) {
        return "zu wenig Speicher";
    } catch (const std::exception& e) {
        // What the libraries say is ASCII or UTF-8; the message is code page 850.
        return text::DisplayToOem(e.what());
    } catch (...) {
        return "unbekannter Fehler";
    }
}

}  // namespace

std::string CommandFailureText(std::exception_ptr failure) {
    return "Der Befehl wurde abgebrochen (" + Reason(failure) +
           "). Die Eingaben des Falls bleiben, wie sie sind; speichern Sie sie.";
}

}  // namespace trb::app
