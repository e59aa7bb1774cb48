#include <iostream>
#include <string>
#include <vector>

#include "app/batch.h"
#include "app/batch_cad.h"
#include "app/command_line.h"
#ifdef TRB_WITH_GUI
#include "gui/desktop.h"
#endif

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const trb::app::CommandLine commandLine = trb::app::parseCommandLine(arguments);
    if (trb::app::IsBatchMode(commandLine.mode))
        return trb::app::RunBatch(commandLine, std::cout, std::cerr, trb::app::RunCadBatch);
#ifdef TRB_WITH_GUI
    return trb::gui::RunDesktop(argc, argv, commandLine);
#else
    std::cerr << "trb: this build has no window; use the command-line options (trb /? shows them)\n";
    return trb::app::kExitBadArguments;
#endif
}
