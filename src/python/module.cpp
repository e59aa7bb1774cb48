#include <pybind11/pybind11.h>

#include "config/config_file.h"
#include "core/clearance_range.h"
#include "python/bindings.h"

PYBIND11_MODULE(trb, module) {
    namespace py = pybind11;
    module.doc() = R"(The TRB engine in Python: hydrodynamic radial plain bearings to DIN 31652.

    case = trb.read_case("bearing.trb")      # or trb.example_case(), trb.Case(db=..., ...)
    case.ns = 40
    result = case.run()
    print(result.h0, result.teff, result.messages)
    film = case.film()                      # the Reynolds film: film.pressure, film.stiffness

Each calculation is the program's own (the numbers of `trb case.trb /JSON`), releases the GIL and
keeps no state between calls, so threads may run cases side by side.)";
    module.attr("__version__") = std::string(trb::config::kProgramVersion);
    py::tuple clearances(trb::core::kClearanceCount);
    for (trb::core::Clearance c : trb::core::kClearances)
        clearances[trb::core::Index(c)] = py::str(std::string(trb::core::ClearanceKey(c)));
    module.attr("CLEARANCES") = clearances;
    trb::python::BindResults(module);
    trb::python::BindFilm(module);
    trb::python::BindCase(module);
}
