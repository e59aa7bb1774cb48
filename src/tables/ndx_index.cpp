#include "tables/ndx_index.h"

#include <algorithm>
#include <cstring>

#include "tables/byte_order.h"
#include "tables/dbf_error.h"

namespace trb::tables {

namespace {

constexpr std::size_t kNodeHeader = 4;
constexpr std::size_t kMaxKeyLength = 100;
constexpr std::size_t kMaxExpression = 488;
constexpr int kMaxDepth = 32;

double KeyNumber(std::string_view key) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | static_cast<unsigned char>(key[static_cast<std::size_t>(i)]);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

int CompareKeys(std::string_view a, std::string_view b, bool numeric) {
    if (numeric) {
        const double x = KeyNumber(a), y = KeyNumber(b);
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    const int c = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    return c != 0 ? c : (a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0));
}

std::size_t EntrySize(int keyLength) {
    return (static_cast<std::size_t>(keyLength) + 8 + 3) / 4 * 4;
}

struct BuiltNode {
    std::uint32_t page;
    std::string maxKey;
};

// Splits n items into groups of at most `capacity`, as evenly as possible.
std::vector<std::size_t> GroupSizes(std::size_t n, std::size_t capacity) {
    const std::size_t groups = std::max<std::size_t>(1, (n + capacity - 1) / capacity);
    std::vector<std::size_t> sizes(groups, n / groups);
    for (std::size_t i = 0; i < n % groups; ++i) ++sizes[i];
    return sizes;
}

[[noreturn]] void Corrupt() {
    throw DbfError(DbfErrorCode::CorruptIndex);
}

}  // namespace

void SortNdxEntries(std::vector<NdxEntry>& entries, bool numeric) {
    std::stable_sort(entries.begin(), entries.end(), [numeric](const NdxEntry& a, const NdxEntry& b) {
        const int c = CompareKeys(a.key, b.key, numeric);
        return c != 0 ? c < 0 : a.record < b.record;
    });
}

std::string BuildNdx(std::string_view expression, bool numeric, int keyLength,
                     const std::vector<NdxEntry>& entries) {
    if (keyLength < 1 || static_cast<std::size_t>(keyLength) > kMaxKeyLength ||
        expression.size() >= kMaxExpression)
        throw DbfError(DbfErrorCode::InvalidField, std::string(expression));
    const std::size_t entrySize = EntrySize(keyLength);
    const std::size_t maxKeys = (kNdxPageSize - kNodeHeader) / entrySize;
    std::vector<std::string> pages;

    auto newPage = [&pages]() {
        pages.emplace_back(kNdxPageSize, '\0');
        return static_cast<std::uint32_t>(pages.size());  // page 0 is the header
    };
    auto putEntry = [&](std::string& page, std::size_t slot, std::uint32_t child, std::uint32_t record,
                        std::string_view key) {
        char* e = page.data() + kNodeHeader + slot * entrySize;
        WriteLe32(e, child);
        WriteLe32(e + 4, record);
        if (!key.empty())
            std::memcpy(e + 8, key.data(), std::min(key.size(), static_cast<std::size_t>(keyLength)));
    };

    // Leaves.
    std::vector<BuiltNode> level;
    std::size_t next = 0;
    for (std::size_t count : GroupSizes(entries.size(), maxKeys)) {
        const std::uint32_t page = newPage();
        std::string& p = pages.back();
        WriteLe32(p.data(), static_cast<std::uint32_t>(count));
        for (std::size_t i = 0; i < count; ++i, ++next)
            putEntry(p, i, 0, entries[next].record, entries[next].key);
        level.push_back({page, count ? entries[next - 1].key : std::string()});
    }
    // Branch levels: each child but the last is entered with its largest key; the last one as a
    // trailing pointer without key.
    while (level.size() > 1) {
        std::vector<BuiltNode> upper;
        std::size_t child = 0;
        for (std::size_t count : GroupSizes(level.size(), maxKeys)) {
            const std::uint32_t page = newPage();
            std::string& p = pages.back();
            WriteLe32(p.data(), static_cast<std::uint32_t>(count - 1));
            for (std::size_t i = 0; i < count; ++i, ++child)
                putEntry(p, i, level[child].page, 0,
                         i + 1 < count ? std::string_view(level[child].maxKey) : std::string_view());
            upper.push_back({page, level[child - 1].maxKey});
        }
        level = std::move(upper);
    }

    std::string header(kNdxPageSize, '\0');
    WriteLe32(header.data(), level.front().page);
    WriteLe32(header.data() + 4, static_cast<std::uint32_t>(pages.size() + 1));
    WriteLe16(header.data() + 12, static_cast<std::uint16_t>(keyLength));
    WriteLe16(header.data() + 14, static_cast<std::uint16_t>(maxKeys));
    WriteLe16(header.data() + 16, numeric ? 1 : 0);
    WriteLe16(header.data() + 18, static_cast<std::uint16_t>(entrySize));
    std::copy(expression.begin(), expression.end(), header.begin() + 24);
    std::string file = std::move(header);
    for (const std::string& p : pages) file += p;
    return file;
}

NdxContents ReadNdx(std::string_view bytes) {
    if (bytes.size() < kNdxPageSize) throw DbfError(DbfErrorCode::UnexpectedEof);
    NdxContents contents;
    const std::uint32_t root = ReadLe32(bytes.data());
    const std::uint16_t keyLength = ReadLe16(bytes.data() + 12);
    const std::uint16_t keysPerNode = ReadLe16(bytes.data() + 14);
    const std::uint16_t keyType = ReadLe16(bytes.data() + 16);
    const std::uint16_t entrySize = ReadLe16(bytes.data() + 18);
    if (keyType > 1) throw DbfError(DbfErrorCode::WrongIndexVersion);
    contents.numeric = keyType == 1;
    contents.keyLength = keyLength;
    if (keyLength < 1 || keyLength > kMaxKeyLength || (contents.numeric && keyLength != 8)) Corrupt();
    if (entrySize < keyLength + 8u || entrySize > kNdxPageSize - kNodeHeader) Corrupt();
    if (keysPerNode < 1 || keysPerNode * std::size_t{entrySize} > kNdxPageSize - kNodeHeader) Corrupt();
    const char* expr = bytes.data() + 24;
    contents.expression.assign(expr, strnlen(expr, kMaxExpression));

    const std::size_t pagesInFile = bytes.size() / kNdxPageSize;
    if (root < 1 || root >= pagesInFile) Corrupt();
    std::vector<bool> visited(pagesInFile, false);

    // Depth-first walk with an explicit stack of (page, next entry, depth).
    struct Frame {
        std::uint32_t page;
        std::size_t entry;
        int depth;
    };
    std::vector<Frame> stack{{root, 0, 0}};
    visited[root] = true;
    int leafDepth = -1;
    while (!stack.empty()) {
        Frame& f = stack.back();
        const char* page = bytes.data() + static_cast<std::size_t>(f.page) * kNdxPageSize;
        const std::uint32_t count = ReadLe32(page);
        if (count > keysPerNode) Corrupt();
        const bool leaf = ReadLe32(page + kNodeHeader) == 0;
        if (!leaf && (count + 1u) * std::size_t{entrySize} > kNdxPageSize - kNodeHeader) Corrupt();
        const std::size_t slots = leaf ? count : count + 1;
        if (f.entry >= slots) {
            stack.pop_back();
            continue;
        }
        const char* e = page + kNodeHeader + f.entry * entrySize;
        ++f.entry;
        const std::uint32_t child = ReadLe32(e);
        if (leaf) {
            if (leafDepth < 0) leafDepth = f.depth;
            const std::uint32_t record = ReadLe32(e + 4);
            if (child != 0 || record == 0 || leafDepth != f.depth) Corrupt();
            NdxEntry entry{std::string(e + 8, keyLength), record};
            if (!contents.entries.empty() &&
                CompareKeys(contents.entries.back().key, entry.key, contents.numeric) > 0)
                Corrupt();
            contents.entries.push_back(std::move(entry));
        } else {
            if (child < 1 || child >= pagesInFile || visited[child] || f.depth + 1 > kMaxDepth) Corrupt();
            visited[child] = true;
            const int depth = f.depth + 1;
            stack.push_back({child, 0, depth});
        }
    }
    return contents;
}

}  // namespace trb::tables
