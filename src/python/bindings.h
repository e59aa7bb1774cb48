#pragma once

#include <pybind11/pybind11.h>

#include "core/clearance_range.h"
#include "core/run_status.h"

// The pieces of the module `trb`, each adding its classes and functions.
namespace trb::python {

namespace py = pybind11;

// trb.Case, trb.read_case, trb.example_case and the field name lists.
void BindCase(py::module_& module);
// trb.Result, trb.ClearanceRange, trb.Sweep, trb.Thresholds and trb.ClearanceThresholds.
void BindResults(py::module_& module);

// The messages of a run as a list of str.
py::list MessageList(const core::RunStatus& status);

// "min", "mean", "max" as a clearance, for the argument of a method; ValueError for other names.
core::Clearance ClearanceNamed(const std::string& name);

}  // namespace trb::python
