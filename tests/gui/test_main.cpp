#include <gtest/gtest.h>

#include <cstdlib>

#include "gui/window/application.h"

// The window tests need one application object for the whole run (offscreen platform): the window
// program's own, which catches what a command throws.
// Listing the tests at build time runs without the test environment, so the platform is set here
// too unless the caller chose one.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    trb::gui::Application application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
