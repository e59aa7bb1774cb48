#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "core/iso286.h"
#include "core/run_status.h"
#include "fake_table_window.h"
#include "tables/table_access.h"
#include "temp_folder.h"
#include "ui/scripted_dialogs.h"

// Compares in extended precision (EXPECT_NEAR would narrow to double).
#define EXPECT_REAL_NEAR(a, b, tolerance) \
    EXPECT_LE(std::fabs(static_cast<real>(a) - static_cast<real>(b)), static_cast<real>(tolerance)) << (a)

namespace trb::tables {

// The reference tables h0lim and psi_m as shipped, in a folder of their own, with the table
// access the proposals read them through.
class ReferenceTablesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"h0lim.dbf", "psi_m.dbf"})
            std::filesystem::copy_file(std::filesystem::path(TRB_SOURCE_DATA_DIR) / name, dbf / name);
    }
    TableAccess Access() { return TableAccess(window, dialogs, {dbf.Path(), temp.Path(), {}, {}}); }
    test_support::TempFolder dbf, temp;
    FakeTableWindow window;
    ui::ScriptedDialogs dialogs;
    core::RunStatus status;
    core::ToleranceSteps steps;
    bool abort = false;
};

}  // namespace trb::tables
