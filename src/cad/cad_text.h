#pragma once

#include <string>
#include <string_view>

#include "text/format_options.h"

namespace trb::cad {

// A stored text (code page 850) as CAD files carry it: converted by the CAD text mode
// (1 unchanged, 2 Windows-1252, 3 transliterated), with control characters (line breaks,
// tabs) turned into blanks so that a text can never break the line structure of a file.
std::string CadFileText(std::string_view oem, const text::FormatOptions& options);

// The DXF name of the code page that CadFileText produces for the CAD text mode.
std::string_view DxfCodePage(const text::FormatOptions& options);

}  // namespace trb::cad
