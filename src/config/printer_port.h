#pragma once

#include <string>

namespace trb::config {

// The raw printer device that the printer port "LPT<port>" (1..4) stands for: the environment
// variable TRB_LPT<port> when it is set, else /dev/usb/lp<port - 1>.
std::string PrinterPortPath(int port);

}  // namespace trb::config
