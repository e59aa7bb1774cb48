#pragma once

#include <pybind11/pybind11.h>

#include <atomic>

#include "core/clearance_range.h"
#include "core/run_status.h"
#include "film/case_film.h"
#include "python/case_data.h"

// The pieces of the module `trb`, each adding its classes and functions.
namespace trb::python {

namespace py = pybind11;

// trb.Case, trb.read_case, trb.example_case and the field name lists.
void BindCase(py::module_& module);
// trb.Result, trb.ClearanceRange, trb.Sweep, trb.Thresholds and trb.ClearanceThresholds.
void BindResults(py::module_& module);

// Lets Ctrl-C stop a long calculation that reports its progress: Check, called from the progress
// report without the interpreter, looks for a signal (holding the interpreter briefly) and says
// whether to go on; RaiseIfStopped afterwards raises KeyboardInterrupt.
class Interruption {
  public:
    bool Check() {
        py::gil_scoped_acquire held;
        if (PyErr_CheckSignals() != 0) stopped_ = true;
        return !stopped_;
    }
    void RaiseIfStopped() const {
        if (stopped_) throw py::error_already_set();
    }

  private:
    std::atomic<bool> stopped_ = false;
};

// trb.Film.
void BindFilm(py::module_& module);
// The film of the case: its DIN run, then the Reynolds solution on `grid` (None: the default grid;
// ValueError for one that cannot be solved), with the coefficients and, when asked, the onset speed.
film::CaseFilm SolveFilm(const CaseData& data, const py::object& grid, bool onsetSpeed);

// The messages of a run as a list of str.
py::list MessageList(const core::RunStatus& status);

// "min", "mean", "max" as a clearance, for the argument of a method; ValueError for other names.
core::Clearance ClearanceNamed(const std::string& name);

}  // namespace trb::python
