#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "config/settings.h"
#include "core/calculation.h"
#include "core/record.h"
#include "docs/change_log.h"
#include "docs/drawing_info.h"
#include "docs/title_data.h"
#include "driver_fixture.h"
#include "graphics/drawing_data.h"
#include "text/language.h"

namespace trb::graphics::testing {

// A driver fixture with a case of round numbers (D 100, De 140, B 60, hole 10, groove 20,
// pocket 30) and its documentation.
struct DrawingFixture : DriverFixture {
    DrawingFixture() {
        record.db = 100;
        record.dbmax = 100.035L;
        record.dbmin = 100;
        record.de = 140;
        record.b = 60;
        record.dh = 10;
        record.bg = 20;
        record.bp = 30;
        record.phia = 30;
        record.phie = 120;
        record.druckschmierung = true;
        texts.SwitchLanguage(text::kGerman);
    }

    // The example case calculated, drawn as a batch run draws it: output files named after
    // "example.trb" in the test folder, no questions. False when the calculation failed.
    bool UseCalculatedExample() {
        core::LoadExampleCase(record);
        core::RunCalculation(record, status, abort);
        abort = false;
        caseFile = (folder / "example.trb").string();
        driver->SetCaseFile(caseFile);
        driver->SetBatchMode(true);
        return !status.calculationFailed;
    }

    DrawingData Data() const {
        return DrawingData{record, texts, config, title, info, changes, caseFile, true};
    }

    core::TRBrecord record;
    text::LanguageTexts texts;
    config::ConfigSettings config;
    docs::TitleData title;
    docs::DrawingInfo info;
    docs::ChangeLog changes;
    std::string caseFile = "/cases/bearing.trb";
};

// How many calls of each kind ("Line", "Arc", "Circle", …) each pen received.
inline std::map<std::pair<int, std::string>, int> CountByPen(const std::vector<std::string>& calls) {
    std::map<std::pair<int, std::string>, int> counts;
    int pen = 0;
    for (const std::string& call : calls) {
        const std::string kind = call.substr(0, call.find(' '));
        if (kind == "Pen") {
            pen = std::stoi(call.substr(4));
        } else {
            ++counts[{pen, kind}];
        }
    }
    return counts;
}

inline int Count(const std::map<std::pair<int, std::string>, int>& counts, int pen, const std::string& kind) {
    const auto it = counts.find({pen, kind});
    return it == counts.end() ? 0 : it->second;
}

// The texts of the recorded calls, in order.
inline std::vector<std::string> Texts(const std::vector<std::string>& calls) {
    std::vector<std::string> texts;
    for (const std::string& call : calls) {
        if (!call.starts_with("Text ")) continue;
        // "Text <text> x y height width angle": the text is everything before the five numbers.
        std::string rest = call.substr(5);
        for (int i = 0; i < 5; ++i) rest = rest.substr(0, rest.rfind(' '));
        texts.push_back(rest);
    }
    return texts;
}

}  // namespace trb::graphics::testing
