#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "report/report_writer.h"

namespace trb::report {

// A table of up to seven columns in a printout (the printout of reference tables): a heading row
// and one row per record, laid out for the writer's device.
class ColumnTable {
  public:
    static constexpr std::size_t kMaxColumns = 7;
    static constexpr std::size_t kHeadingLength = 60;

    struct Column {
        std::string heading;
        int width = 0;
    };

    explicit ColumnTable(ReportWriter& writer) : writer_(writer) {}

    // The columns up to the first width of 0 (at most seven); writes the heading row.
    void Create(const std::vector<Column>& columns);
    // One row; missing cells are empty, cells beyond the columns are ignored.
    void AddRow(const std::vector<std::string>& cells);
    void Finish();

    std::size_t ColumnCount() const { return columns_.size(); }

  private:
    std::string PaddedRow(const std::vector<std::string>& cells) const;

    ReportWriter& writer_;
    std::vector<Column> columns_;
};

}  // namespace trb::report
