#include "core/messages.h"

#include <cstdio>

namespace trb::core {

std::string MsgRecordNotFound(int record) {
    return "DBF #" + std::to_string(record) + " not found.";
}

std::string MsgBlockNotFound(std::string_view name) {
    return "Blockname " + std::string(name) + " not found !";
}

std::string MsgBlockNesting(int depth) {
    return "error blockno. " + std::to_string(depth);
}

std::string MsgArcAngle(real phi) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "Fehler in GetArcCenter (dphi = %.6Lg ! ", phi);
    return buffer;
}

std::vector<std::string> VariableMessageSamples() {
    return {MsgRecordNotFound(7), MsgBlockNotFound("LOGO"), MsgBlockNesting(3), MsgArcAngle(0)};
}

}  // namespace trb::core
