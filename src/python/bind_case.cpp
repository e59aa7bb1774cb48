#include <pybind11/stl/filesystem.h>

#include <filesystem>

#include "core/calculation.h"
#include "core/clearance_range.h"
#include "core/operating_sweep.h"
#include "core/record_fields.h"
#include "core/thresholds.h"
#include "python/bindings.h"
#include "python/case_data.h"
#include "python/field_values.h"
#include "text/cp850.h"

namespace trb::python {

namespace {

// trb.CaseFileError and trb.CaseFileWarning, made when the module is imported.
PyObject* caseFileError = nullptr;
PyObject* caseFileWarning = nullptr;

[[noreturn]] void RaiseCaseFileError(const FileOutcome& outcome, const std::string& path) {
    // The program's messages name the file; without one, the path says which.
    std::string text;
    for (const std::string& message : outcome.messages) text += (text.empty() ? "" : "; ") + message;
    if (text.empty()) text = path + ": cannot be read or written";
    PyErr_SetString(caseFileError, text.c_str());
    throw py::error_already_set();
}

void Warn(const FileOutcome& outcome) {
    for (const std::string& message : outcome.messages) {
        if (PyErr_WarnEx(caseFileWarning, message.c_str(), 2) != 0) throw py::error_already_set();
    }
}

void SetFields(CaseData& data, const py::kwargs& fields) {
    for (const auto& [name, value] : fields)
        SetField(data.record, FieldNamed(py::str(name).cast<std::string>()), value);
}

CaseData ReadCaseFile(const std::filesystem::path& path) {
    CaseData data;
    FileOutcome outcome;
    {
        py::gil_scoped_release release;
        outcome = ReadCase(path.string(), data);
    }
    if (outcome.failed) RaiseCaseFileError(outcome, path.string());
    Warn(outcome);
    return data;
}

std::string WriteCaseFile(const CaseData& data, const std::filesystem::path& path) {
    std::string written;
    FileOutcome outcome;
    {
        py::gil_scoped_release release;
        outcome = WriteCase(data, path.string(), written);
    }
    if (outcome.failed) RaiseCaseFileError(outcome, path.string());
    Warn(outcome);
    return written;
}

core::CaseRun Run(const CaseData& data) {
    core::CaseRun run;
    run.record = data.record;
    py::gil_scoped_release release;
    core::Calculate(run);
    return run;
}

core::SweptQuantity SweptField(const std::string& field) {
    for (core::SweptQuantity quantity : {core::SweptQuantity::ShaftSpeed, core::SweptQuantity::Load}) {
        if (core::SweptKey(quantity) == field) return quantity;
    }
    throw py::value_error("a sweep varies 'ns' (shaft speed, 1/s) or 'f' (load, N), not '" + field + "'");
}

core::OperatingSweep Sweep(const CaseData& data, const std::string& field, const py::handle& start,
                           const py::handle& stop, int steps) {
    core::SweepRange range;
    range.quantity = SweptField(field);
    // The ends are taken as the record takes the field's values.
    const core::RecordField& swept = FieldNamed(field);
    core::TRBrecord ends;
    SetField(ends, swept, start);
    range.from = core::SweptValue(ends, range.quantity);
    SetField(ends, swept, stop);
    range.to = core::SweptValue(ends, range.quantity);
    range.steps = steps;
    const core::SweepRangeFault fault = core::CheckSweepRange(range);
    if (fault != core::SweepRangeFault::None)
        throw py::value_error(text::OemToUtf8(core::SweepRangeFaultText(fault)));
    py::gil_scoped_release release;
    return core::RunOperatingSweep(data.record, range);
}

}  // namespace

void BindCase(py::module_& module) {
    caseFileError = PyErr_NewExceptionWithDoc(
        "trb.CaseFileError", "A case file could not be read or written; the message says why.", PyExc_OSError,
        nullptr);
    caseFileWarning = PyErr_NewExceptionWithDoc(
        "trb.CaseFileWarning",
        "A case file was read only as far as it goes (too large, cut short, an overlong line).",
        PyExc_UserWarning, nullptr);
    if (caseFileError == nullptr || caseFileWarning == nullptr) throw py::error_already_set();
    module.add_object("CaseFileError", py::handle(caseFileError));
    module.add_object("CaseFileWarning", py::handle(caseFileWarning));

    py::class_<CaseData> type(
        module, "Case", R"(A bearing case: the record of its inputs, with the documentation its file carries.

Case(**fields) starts from the values the program starts with and sets the fields given, for
example ``trb.Case(db=100, ds=100, f=20000)``. Every field of the record is an attribute under
its name (``case.db``, ``case.ns``, ``case.zufuhr`` ...; ``trb.FIELDS`` lists them): reals as
float, texts as str, whole numbers as int, the lubrication flag ``druckschmierung`` as bool.
An unknown name raises AttributeError, a value the record cannot hold ValueError.

Calculating never changes the case: run(), clearance_range(), sweep() and thresholds() work on
copies and return their results. They release the GIL, so threads may calculate cases side by
side.)");
    type.def(py::init([](const py::kwargs& fields) {
                 CaseData data = NewCase();
                 SetFields(data, fields);
                 return data;
             }),
             "A case from the program's start values, with the fields given set.");
    for (const core::RecordField& field : core::RecordFields()) {
        const core::RecordField* f = &field;
        const std::string doc = std::string(field.result ? "Result" : "Input") + " field '" +
                                std::string(field.name) + "' of the case record" +
                                (field.result ? " (what the case holds; run() gives a run's results)." : ".");
        type.def_property(
            field.name.data(), [f](const CaseData& data) { return FieldValue(data.record, *f); },
            [f](CaseData& data, const py::object& value) { SetField(data.record, *f, value); }, doc.c_str());
    }
    type.def("update", &SetFields, "Sets the fields given by name, as Case(**fields) does.")
        .def(
            "copy", [](const CaseData& data) { return data; }, "An independent copy of the case.")
        .def(
            "__copy__", [](const CaseData& data) { return data; },
            "An independent copy of the case (copy.copy).")
        .def(
            "__deepcopy__", [](const CaseData& data, const py::object&) { return data; },
            "An independent copy of the case (copy.deepcopy).")
        .def(
            "as_dict",
            [](const CaseData& data) {
                py::dict fields;
                for (const core::RecordField& field : core::RecordFields())
                    fields[py::str(field.name.data(), field.name.size())] = FieldValue(data.record, field);
                return fields;
            },
            "Every field of the record by name.")
        .def("run", &Run, "Calculates the case (the program's calculation run) and returns the Result.")
        .def(
            "clearance_range",
            [](const CaseData& data) {
                py::gil_scoped_release release;
                return core::RunClearanceRange(data.record);
            },
            "Runs the case at its smallest, mean and largest clearance: a ClearanceRange, the numbers of "
            "the /JSON member 'clearance_range'.")
        .def("sweep", &Sweep, py::arg("field"), py::arg("start"), py::arg("stop"), py::arg("steps"),
             "Sweeps 'ns' (shaft speed, 1/s) or 'f' (load, N) from start to stop in steps equal steps "
             "(steps + 1 points, 1 to 10000 steps) at the three clearances: a Sweep with NumPy arrays, "
             "the numbers of /SWEEP. ValueError for an empty, reversed or unsound range.")
        .def(
            "thresholds",
            [](const CaseData& data) {
                Interruption interruption;
                core::Thresholds thresholds;
                {
                    py::gil_scoped_release release;
                    thresholds = core::FindThresholds(data.record, [&](int) { return interruption.Check(); });
                }
                interruption.RaiseIfStopped();
                return thresholds;
            },
            "The load, shaft speed and temperature at which the case reaches h0lim or tblim, at its three "
            "clearances: Thresholds, the numbers of the /JSON member 'thresholds'. Takes some thousand runs.")
        .def(
            "film", &SolveFilm, py::arg("grid") = py::none(), py::arg("onset_speed") = true,
            "The Reynolds film at the mean clearance beside the DIN run: a Film with the pressure field as a "
            "NumPy array, the equilibrium, the stiffness and damping coefficients and the rotor's stability, "
            "the "
            "numbers of the /JSON member 'film'. grid: (circumferential cells, axial cells), None for the "
            "default; onset_speed=False leaves out the search for the speed at which the rotor starts to "
            "whirl (some 30 more DIN runs and films).")
        .def("write", &WriteCaseFile, py::arg("path"),
             "Saves the case file as the program saves it: a name without extension gets '.trb', an existing "
             "file is replaced only once the new one is complete. Returns the path written; CaseFileError "
             "when it cannot be written.")
        .def("__repr__", [](const CaseData& data) {
            const auto shown = [&](const char* name) {
                return std::string(name) + "=" +
                       std::string(py::repr(FieldValue(data.record, *core::FindRecordField(name))));
            };
            return "<trb.Case " + shown("db") + " " + shown("b") + " " + shown("f") + " " + shown("ns") +
                   " " + shown("schmier") + ">";
        });

    module.def("read_case", &ReadCaseFile, py::arg("path"),
               "Reads a case file as the program opens one (a name without extension gets '.trb'). A file "
               "that is too large, cut short or holds an overlong line is read as far as it goes, with a "
               "CaseFileWarning naming the line; CaseFileError when it cannot be read at all.");
    module.def("example_case", &ExampleCase,
               "The example case the program offers, with its drawing name and number.");

    py::list all, inputs, results;
    for (const core::RecordField& field : core::RecordFields()) {
        const py::str name(field.name.data(), field.name.size());
        all.append(name);
        (field.result ? results : inputs).append(name);
    }
    module.attr("FIELDS") = py::tuple(all);
    module.attr("INPUT_FIELDS") = py::tuple(inputs);
    module.attr("RESULT_FIELDS") = py::tuple(results);
}

}  // namespace trb::python
