#include "config/printer_port.h"

#include <algorithm>
#include <cstdlib>

namespace trb::config {

std::string PrinterPortPath(int port) {
    port = std::clamp(port, 1, 4);
    const std::string variable = "TRB_LPT" + std::to_string(port);
    if (const char* mapped = std::getenv(variable.c_str()); mapped != nullptr && *mapped != '\0')
        return mapped;
    return "/dev/usb/lp" + std::to_string(port - 1);
}

}  // namespace trb::config
