#include "overview/overview.h"

namespace trb::overview {

const std::array<ColumnInfo, kColumnCount>& Columns() {
    static const std::array<ColumnInfo, kColumnCount> columns = {{
        {"File", 150, "file", false, false},
        {"Date  y/m/d", 64, "date", false, false},
        {"Name", 90, "name", false, false},
        {"No", 90, "number", false, false},
        {"n", 48, "n", true, false},
        {"D", 48, "D", true, false},
        {"De", 48, "De", true, false},
        {"B", 48, "B", true, false},
        {"ISO VG", 48, "isoVG", true, false},
        {"F", 48, "F", true, false},
        {"pmax", 48, "pmax", true, true},
        {"e", 48, "e", true, true},
        {"h0", 48, "h0", true, true},
        {"T1", 48, "T1", true, false},
        {"T2", 48, "T2", true, true},
        {"Teff", 48, "Teff", true, true},
    }};
    return columns;
}

std::string_view StateName(RowState state) {
    switch (state) {
        case RowState::Calculated:
            return "calculated";
        case RowState::Incomplete:
            return "incomplete";
        case RowState::Failed:
            return "failed";
        case RowState::Unreadable:
            return "unreadable";
    }
    return "unreadable";
}

}  // namespace trb::overview
