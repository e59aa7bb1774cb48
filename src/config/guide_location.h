#pragma once

#include <string>

// Where the user guide's HTML pages are: installed beside the program, or built in a build tree.
namespace trb::config {

// The guide's first page as the Debian package installs it.
inline constexpr const char* kInstalledGuidePage = "/usr/share/doc/trb/guide/index.html";

// The guide's first page: $TRB_GUIDE_DIR/index.html, else <exe dir>/../share/doc/trb/guide/index.html,
// else the build tree's rendered guide. Empty when none of them is a regular file.
std::string UserGuidePage();

}  // namespace trb::config
