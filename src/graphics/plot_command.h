#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trb::graphics {

// A plot command line taken apart into the program and its arguments. Blanks separate the
// parts; double quotes group a part that contains blanks.
struct PlotCommand {
    std::string program;
    std::vector<std::string> arguments;
};

PlotCommand SplitCommandLine(std::string_view line);

}  // namespace trb::graphics
