#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace trb::test_support {

// The bytes of a file; "" when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& path);
// Replaces the file's content with `bytes`.
void WriteWholeFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace trb::test_support
