#include "core/run_status.h"

#include <gtest/gtest.h>

#include <string>

namespace trb::core {
namespace {

TEST(RunStatus, KeepsElevenDistinctTextsCutTo36Characters) {
    RunStatus status;
    status.AddMessage("Warnung: t2>tBlim !");
    status.AddMessage("Warnung: t2>tBlim !");
    EXPECT_EQ(status.MessageCount(), 1);

    // Only the first 36 characters count, for storing and for the repeat test.
    const std::string longText(40, 'x');
    status.AddMessage(longText);
    status.AddMessage(std::string(36, 'x') + "yyyy");
    EXPECT_EQ(status.MessageCount(), 2);
    EXPECT_EQ(status.Message(2), std::string(36, 'x'));

    for (int i = 0; i < 20; ++i) status.AddMessage("Fehler : " + std::to_string(i));
    EXPECT_EQ(status.MessageCount(), 11);
    EXPECT_EQ(status.Message(11), "Fehler : 8");
}

TEST(RunStatus, ClearingAlsoClearsTheFailedFlag) {
    RunStatus status;
    status.AddMessage("Fatal  : B <= 0 !");
    status.calculationFailed = true;
    status.ClearMessages();
    EXPECT_EQ(status.MessageCount(), 0);
    EXPECT_FALSE(status.calculationFailed);
}

}  // namespace
}  // namespace trb::core
