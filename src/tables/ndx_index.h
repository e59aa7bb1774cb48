#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trb::tables {

// One key of an index with the record it points to.
struct NdxEntry {
    std::string key;
    std::uint32_t record = 0;
};

// What an NDX file holds: the key expression and the keys in tree order.
struct NdxContents {
    std::string expression;
    bool numeric = false;
    int keyLength = 0;
    std::vector<NdxEntry> entries;
};

inline constexpr std::size_t kNdxPageSize = 512;

// Orders entries by key (character keys byte-wise, numeric keys as doubles), equal keys by record.
void SortNdxEntries(std::vector<NdxEntry>& entries, bool numeric);

// A dBase III NDX file (a B-tree of 512-byte pages, page 0 the header) for entries already sorted.
std::string BuildNdx(std::string_view expression, bool numeric, int keyLength,
                     const std::vector<NdxEntry>& entries);

// Reads an NDX file by walking its tree from the root. Throws "Beschädigte Index-Datei" for a
// damaged tree (pages outside the file, loops, keys out of order, …), "Falsche Index-Version" for an
// unknown key type and "Unerwartetes Dateiende" for a file shorter than its header.
NdxContents ReadNdx(std::string_view bytes);

}  // namespace trb::tables
