#include "app/command_failure.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace trb::app {
namespace {

// What a command that throws leaves the user to read: why, in the program's code page, and that the
// case is kept.
TEST(CommandFailure, SaysWhyAndThatTheCaseIsKept) {
    EXPECT_EQ(
        CommandFailureText(std::make_exception_ptr(std::bad_alloc())),
        "Der Befehl wurde abgebrochen (zu wenig Speicher). Die Eingaben des Falls bleiben, wie sie sind; "
        "speichern Sie sie.");
    // A library's UTF-8 text in code page 850.
    EXPECT_NE(CommandFailureText(std::make_exception_ptr(std::runtime_error("Gr\xC3\xB6\xC3\x9F"
                                                                            "e")))
                  .find("(Gr\x94\xE1"
                        "e)"),
              std::string::npos);
    EXPECT_NE(CommandFailureText(std::make_exception_ptr(42)).find("(unbekannter Fehler)"),
              std::string::npos);
}

}  // namespace
}  // namespace trb::app
