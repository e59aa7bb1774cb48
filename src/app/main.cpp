#include <iostream>

#include "app/example_run.h"

int main() {
    trb::app::PrintExampleRun(std::cout);
    return 0;
}
