#pragma once

#include <string>

namespace trb::cad::test {

// The checked-in expected output `name` in the test data folder, or "" when it is missing.
std::string Golden(const std::string& name);
// Compares `actual` with the checked-in file; when TRB_UPDATE_GOLDEN is set, rewrites it.
bool MatchesGolden(const std::string& name, const std::string& actual);

}  // namespace trb::cad::test
