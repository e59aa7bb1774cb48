#include "graphics/plot_command.h"

namespace trb::graphics {

PlotCommand SplitCommandLine(std::string_view line) {
    std::vector<std::string> parts;
    std::string part;
    bool quoted = false, inPart = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inPart = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inPart) parts.push_back(part);
            part.clear();
            inPart = false;
        } else {
            part += c;
            inPart = true;
        }
    }
    if (inPart) parts.push_back(part);
    PlotCommand command;
    if (!parts.empty()) {
        command.program = parts.front();
        command.arguments.assign(parts.begin() + 1, parts.end());
    }
    return command;
}

}  // namespace trb::graphics
