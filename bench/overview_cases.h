#pragma once

#include <string>

#include "case_folder.h"

namespace trb::bench {

// A folder of 1,000 case files (the example case at different diameters and loads), made once per
// process and removed at its end.
inline const overview::testing::CaseFolder& ThousandCases() {
    static overview::testing::CaseFolder folder;
    static const bool filled = [] {
        for (int i = 0; i < 1000; ++i) {
            core::TRBrecord r = overview::testing::ScaledExample(40 + (i * 37) % 400);
            r.f = 1000 + (i * 7919) % 50000;
            folder.WriteRecord("case" + std::to_string(i) + ".trb", r, "Lager " + std::to_string(i));
        }
        return true;
    }();
    static_cast<void>(filled);
    return folder;
}

}  // namespace trb::bench
