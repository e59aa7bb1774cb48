#include <iostream>
#include <string>
#include <vector>

#include "app/batch.h"
#include "app/batch_cad.h"
#include "app/command_line.h"
#include "app/display_check.h"
#include "gui/window/desktop.h"

// The window program; `trb` starts it for every command line without a batch option.
int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const trb::app::CommandLine commandLine = trb::app::parseCommandLine(arguments);
    if (trb::app::IsBatchMode(commandLine.mode))
        return trb::app::RunBatch(commandLine, std::cout, std::cerr, trb::app::RunCadBatch);
    // Without a display the window library would end the program on a signal.
    if (const std::string problem = trb::app::DisplayProblem(trb::app::ProcessEnvironment);
        !problem.empty()) {
        std::cerr << problem << '\n';
        return trb::app::kExitBadArguments;
    }
    return trb::gui::RunDesktop(argc, argv, commandLine);
}
