#include "cad/cad_text.h"

#include "text/cp850.h"

namespace trb::cad {

std::string CadFileText(std::string_view oem, const text::FormatOptions& options) {
    std::string converted = text::CadTextCode(oem, options);
    for (char& c : converted) {
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
    }
    return converted;
}

std::string_view DxfCodePage(const text::FormatOptions& options) {
    // Modes 1 and 3 leave code page 850 bytes (all of them, or those without an ASCII spelling).
    return options.cadTextMode == 2 ? "ANSI_1252" : "DOS850";
}

}  // namespace trb::cad
