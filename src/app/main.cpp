#include <iostream>
#include <string>
#include <vector>

#include "app/batch.h"
#include "app/command_line.h"
#include "app/example_run.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const trb::app::CommandLine commandLine = trb::app::parseCommandLine(arguments);
    if (trb::app::IsBatchMode(commandLine.mode)) return trb::app::RunBatch(commandLine, std::cout, std::cerr);
    // Until the window exists, a start without a batch option shows the example run.
    trb::app::PrintExampleRun(std::cout);
    return 0;
}
