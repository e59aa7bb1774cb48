#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

// The window tests need one application object for the whole run (offscreen platform).
// Listing the tests at build time runs without the test environment, so the platform is set here
// too unless the caller chose one.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
