// Stands in for the plot program: writes the folder it was started in and every argument, one a
// line, to "plot-arguments.txt" in that folder (under a temporary name first, so that a reader
// never sees half a file).
#include <unistd.h>

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    char folder[4096] = {};
    if (!getcwd(folder, sizeof folder)) return 1;
    {
        std::ofstream out("plot-arguments.part");
        out << folder << '\n';
        for (int i = 1; i < argc; ++i) out << argv[i] << '\n';
    }
    return std::rename("plot-arguments.part", "plot-arguments.txt") == 0 ? 0 : 1;
}
