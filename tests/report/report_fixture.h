#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "config/settings.h"
#include "core/run_status.h"
#include "docs/title_data.h"
#include "report/message_catalogue.h"
#include "report/report_writer.h"
#include "report/writer_state.h"
#include "text/language.h"
#include "ui/launcher.h"
#include "ui/scripted_dialogs.h"
#include "whole_file.h"

namespace trb::report::testing {

using test_support::ReadWholeFile;
using test_support::WriteWholeFile;

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

// Fresh writer state, settings and dialogs in a temporary folder of its own for every test.
class WriterFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        folder =
            std::filesystem::temp_directory_path() /
            ("trb_report_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
             "_" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        settings.tempFolder = folder.string() + "/";
        title.remarks = {"Remark one", "Remark two", "Remark three"};
    }
    void TearDown() override {
        if (std::getenv("TRB_KEEP_TEST_FILES") == nullptr) std::filesystem::remove_all(folder);
    }

    // A writer for the case "case" in the test folder, or for the given case.
    ReportWriter Writer(CaseName name = {}) {
        if (name.name.empty()) name = CaseName{folder.string() + "/", "case", "trb"};
        return ReportWriter(
            state, WriterContext{settings, dialogs, launcher, abort, status, title, "TRB - Test", "1.6", name,
                                 folder.string() + "/", catalogue, "24.12.2026", "9:05"});
    }

    std::filesystem::path folder;
    config::ConfigSettings settings;
    ui::ScriptedDialogs dialogs;
    ui::RecordingLauncher launcher;
    bool abort = false;
    core::RunStatus status;
    docs::TitleData title;
    WriterState state;
    std::string catalogue = CataloguePath(TRB_SOURCE_DATA_DIR);
};

}  // namespace trb::report::testing
