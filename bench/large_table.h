#pragma once

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "tables/dbf_table.h"

// A table of 100,000 bushings (three numeric fields and a name) in a folder of its own, written once
// per benchmark program through a delimited file (record by record would take long) and removed at
// the end.
namespace trb::bench {

inline constexpr long long kLargeTableRecords = 100000;

class LargeTable {
  public:
    static const std::filesystem::path& Path() {
        static const LargeTable table;
        return table.path_;
    }

  private:
    LargeTable() {
        std::string pattern = (std::filesystem::temp_directory_path() / "trb_large_table_XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data());
        path_ = folder_ / "large.dbf";
        const auto text = folder_ / "large.txt";
        std::string lines;
        char line[96];
        for (long long i = 0; i < kLargeTableRecords; ++i) {
            const int n = std::snprintf(line, sizeof line, "%.2f,%.2f,%lld,\"Buchse %lld\"\r\n",
                                        static_cast<double>((i * 7919) % 1000) / 5.0,
                                        static_cast<double>((i * 104729) % 1000) / 4.0, i % 97, i);
            lines.append(line, static_cast<std::size_t>(n));
        }
        std::FILE* f = std::fopen(text.c_str(), "wb");
        std::fwrite(lines.data(), 1, lines.size(), f);
        std::fclose(f);
        tables::DbfTable::Create(
            path_, {{"D1", 'N', 7, 2}, {"D2", 'N', 7, 2}, {"B1", 'N', 7, 2}, {"NAME", 'C', 20, 0}});
        tables::DbfTable t;
        t.Open(path_);
        t.AppendFromDelimited(text);
    }
    ~LargeTable() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::filesystem::path folder_, path_;
};

}  // namespace trb::bench
