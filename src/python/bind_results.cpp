#include <pybind11/numpy.h>

#include <cmath>

#include "core/operating_sweep.h"
#include "core/record_fields.h"
#include "core/thresholds.h"
#include "python/bindings.h"
#include "python/field_values.h"
#include "text/cp850.h"

namespace trb::python {

namespace {

// Every field of the run's record, its messages and its failed flag, as /JSON lists them.
py::dict RunDict(const core::CaseRun& run) {
    py::dict members;
    for (const core::RecordField& field : core::RecordFields())
        members[py::str(field.name.data(), field.name.size())] = FieldValue(run.record, field);
    members["messages"] = MessageList(run.status);
    members["failed"] = run.status.calculationFailed;
    return members;
}

py::object ClearanceOrNone(const std::optional<core::Clearance>& clearance) {
    if (!clearance) return py::none();
    return py::str(std::string(core::ClearanceKey(*clearance)));
}

// "min", "mean" and "max" of what a result holds per clearance (its At), also as type["min"], and
// as_dict() of all three, each by its own as_dict().
template <typename Owner>
void DefClearances(py::class_<Owner>& type, const std::string& what) {
    static constexpr const char* kWhere[] = {
        "the smallest clearance (bore at its smallest, shaft at its largest size)",
        "the mean clearance: the case itself",
        "the largest clearance (bore at its largest, shaft at its smallest size)"};
    for (core::Clearance c : core::kClearances) {
        type.def_property_readonly(
            core::ClearanceKey(c).data(), [c](const Owner& owner) -> const auto& { return owner.At(c); },
            py::return_value_policy::reference_internal,
            (what + " at " + kWhere[core::Index(c)] + ".").c_str());
    }
    type.def(
            "__getitem__", [](const Owner& owner, const std::string& key) -> const auto& {
                return owner.At(ClearanceNamed(key));
            },
            py::return_value_policy::reference_internal, (what + " at 'min', 'mean' or 'max'.").c_str())
        .def(
            "as_dict",
            [](const py::object& self) {
                py::dict all;
                for (core::Clearance c : core::kClearances) {
                    const char* key = core::ClearanceKey(c).data();
                    all[key] = self.attr(key).attr("as_dict")();
                }
                return all;
            },
            "'min', 'mean' and 'max', each as its own as_dict() gives it: the /JSON file's member.");
}

void BindResult(py::module_& module) {
    py::class_<core::CaseRun> result(module, "Result", R"(One calculation run of a case.

Every field of the case record is an attribute, read-only: the inputs the run used and the
results it wrote (for example ``h0``, ``teff``, ``epsilon``), as floats, str, int and bool.
``messages`` lists what the run reported, in order; ``failed`` is True when a fatal error
stopped it, and its results are then incomplete.)");
    for (const core::RecordField& field : core::RecordFields()) {
        const core::RecordField* f = &field;
        result.def_property_readonly(
            field.name.data(), [f](const core::CaseRun& run) { return FieldValue(run.record, *f); },
            (std::string(field.result ? "Result" : "Input") + " field '" + std::string(field.name) +
             "' of the run.")
                .c_str());
    }
    result
        .def_property_readonly(
            "messages", [](const core::CaseRun& run) { return MessageList(run.status); },
            "The messages of the run (str, in the order reported).")
        .def_property_readonly(
            "failed", [](const core::CaseRun& run) { return run.status.calculationFailed; },
            "True when a fatal error stopped the run.")
        .def_property_readonly(
            "steps", [](const core::CaseRun& run) { return run.steps; },
            "The temperature iteration steps the run made (0 when an input check stopped it).")
        .def("as_dict", &RunDict,
             "Every field by name, 'messages' and 'failed', as the top level of the /JSON file holds them.")
        .def("__repr__", [](const core::CaseRun& run) {
            return "<trb.Result " + std::string(run.status.calculationFailed ? "failed" : "h0=") +
                   (run.status.calculationFailed
                        ? std::string()
                        : std::string(py::repr(py::float_(static_cast<double>(run.record.h0))))) +
                   ">";
        });
}

void BindClearanceRange(py::module_& module) {
    py::class_<core::ClearanceRange> range(module, "ClearanceRange", R"(The case run at its three clearances.

``min``: bore at its smallest and shaft at its largest size; ``mean``: the case itself; ``max``:
bore at its largest and shaft at its smallest size. Each is a Result with its own heat balance;
``range["min"]`` is the same as ``range.min``.)");
    range
        .def_property_readonly(
            "governing_film",
            [](const core::ClearanceRange& r) { return ClearanceOrNone(core::GoverningFilm(r)); },
            "The clearance ('min', 'mean', 'max') with the thinnest film among the runs that did not fail; "
            "None when all failed.")
        .def_property_readonly(
            "governing_temperature",
            [](const core::ClearanceRange& r) { return ClearanceOrNone(core::GoverningTemperature(r)); },
            "The clearance with the hottest lubricant film (teff) among the runs that did not fail; None "
            "when all failed.");
    DefClearances(range, "The run");
}

// The result `name` of every point at every clearance: shape (3, points), NaN where the sweep
// files leave the value empty (a failed point, a value that is not finite).
py::array_t<double> SweepColumn(const core::OperatingSweep& sweep, const std::string& name) {
    const core::RecordField& field = FieldNamed(name);
    const auto* member = std::get_if<real core::TRBrecord::*>(&field.member);
    if (!field.result || member == nullptr) throw py::key_error("'" + name + "' is no result of a sweep");
    const auto points = static_cast<py::ssize_t>(sweep.points.size());
    py::array_t<double> column({static_cast<py::ssize_t>(core::kClearanceCount), points});
    auto out = column.mutable_unchecked<2>();
    for (core::Clearance c : core::kClearances) {
        for (py::ssize_t i = 0; i < points; ++i) {
            const core::CaseRun& run = sweep.points[static_cast<std::size_t>(i)].At(c);
            const real value = run.record.**member;
            out(static_cast<py::ssize_t>(core::Index(c)), i) =
                core::PointFailed(run) || !std::isfinite(value) ? NAN : static_cast<double>(value);
        }
    }
    return column;
}

void BindSweep(py::module_& module) {
    py::class_<core::OperatingSweep>(module, "Sweep",
                                     R"(The case swept over one input at its three clearances.

``values`` holds the swept input's value at each point (steps + 1 points, both ends included).
``sweep["teff"]`` (or ``sweep.teff``) is an array of shape (3, points): row 0 the smallest,
row 1 the mean, row 2 the largest clearance (``trb.CLEARANCES``), NaN where a point failed.
``failed`` has the same shape. These are the numbers of the /SWEEP files.)")
        .def_property_readonly(
            "field",
            [](const core::OperatingSweep& s) { return std::string(core::SweptKey(s.range.quantity)); },
            "The swept field: 'ns' or 'f'.")
        .def_property_readonly(
            "values",
            [](const core::OperatingSweep& s) {
                py::array_t<double> values(static_cast<py::ssize_t>(s.points.size()));
                auto out = values.mutable_unchecked<1>();
                for (std::size_t i = 0; i < s.points.size(); ++i)
                    out(static_cast<py::ssize_t>(i)) = static_cast<double>(s.points[i].value);
                return values;
            },
            "The swept field's value at each point, shape (points,).")
        .def_property_readonly(
            "failed",
            [](const core::OperatingSweep& s) {
                py::array_t<bool> failed({static_cast<py::ssize_t>(core::kClearanceCount),
                                          static_cast<py::ssize_t>(s.points.size())});
                auto out = failed.mutable_unchecked<2>();
                for (core::Clearance c : core::kClearances) {
                    for (std::size_t i = 0; i < s.points.size(); ++i)
                        out(static_cast<py::ssize_t>(core::Index(c)), static_cast<py::ssize_t>(i)) =
                            core::PointFailed(s.points[i].At(c));
                }
                return failed;
            },
            "Whether each run failed (a fatal error or a shown value not a number), shape (3, points).")
        .def("__getitem__", &SweepColumn, py::arg("name"),
             "A result field at every point, shape (3, points).")
        .def(
            "__getattr__",
            [](const core::OperatingSweep& s, const std::string& name) {
                try {
                    return SweepColumn(s, name);
                } catch (const py::key_error&) {
                    throw py::attribute_error("a sweep has no attribute '" + name + "'");
                }
            },
            "A result field at every point, as sweep[name].")
        .def(
            "__len__", [](const core::OperatingSweep& s) { return s.points.size(); }, "The number of points.")
        .def(
            "result",
            [](const core::OperatingSweep& s, py::ssize_t i, const std::string& clearance) {
                const auto n = static_cast<py::ssize_t>(s.points.size());
                if (i < -n || i >= n)
                    throw py::index_error("point " + std::to_string(i) + " of " + std::to_string(n));
                const std::size_t point = static_cast<std::size_t>(i < 0 ? i + n : i);
                return s.points[point].At(ClearanceNamed(clearance));
            },
            py::arg("i"), py::arg("clearance") = "mean",
            "The whole run of point i at 'min', 'mean' or 'max', with its messages.");
}

// A threshold's list under its file key ("load_h0lim" ...).
std::string ThresholdKey(core::ThresholdInput input, core::ThresholdLimit limit) {
    return std::string(core::ThresholdInputKey(input)) + "_" + std::string(core::ThresholdLimitKey(limit));
}

py::list Crossings(const std::vector<real>& values) {
    py::list list;
    for (real x : values) list.append(static_cast<double>(x));
    return list;
}

void BindThresholds(py::module_& module) {
    py::class_<core::ClearanceThresholds> clearance(module, "ClearanceThresholds",
                                                    R"(The thresholds at one clearance.

``load_h0lim``, ``load_tlim``, ``speed_h0lim``, ``speed_tlim``, ``temperature_h0lim`` and
``temperature_tlim``: the load (N), shaft speed (1/s) and temperature (°C) at which the film
reaches h0lim or the bearing temperature tblim, every crossing in ascending order (empty when the
limit is not reached in the range searched); ``load_plim``: the load at plim (N).)");
    for (core::ThresholdInput input : core::kThresholdInputs) {
        for (core::ThresholdLimit limit : core::kThresholdLimits) {
            clearance.def_property_readonly(
                ThresholdKey(input, limit).c_str(),
                [input, limit](const core::ClearanceThresholds& t) { return Crossings(t.At(input, limit)); },
                "The crossings in ascending order (list of float).");
        }
    }
    clearance
        .def_property_readonly(
            "load_plim", [](const core::ClearanceThresholds& t) { return static_cast<double>(t.loadAtPlim); },
            "The load at the admissible specific load: plim·B·D, N.")
        .def_property_readonly(
            "case_counts", [](const core::ClearanceThresholds& t) { return t.caseCounts; },
            "Whether the case's own run at this clearance neither failed nor ended unconverged.")
        .def_property_readonly(
            "within_h0lim",
            [](const core::ClearanceThresholds& t) {
                return t.caseWithin[core::Index(core::ThresholdLimit::Film)];
            },
            "Whether the case's own run keeps h0 >= h0lim.")
        .def_property_readonly(
            "within_tlim",
            [](const core::ClearanceThresholds& t) {
                return t.caseWithin[core::Index(core::ThresholdLimit::Temperature)];
            },
            "Whether the case's own run keeps the checked temperature <= tblim.")
        .def(
            "as_dict",
            [](const core::ClearanceThresholds& t) {
                py::dict members;
                for (core::ThresholdInput input : core::kThresholdInputs) {
                    for (core::ThresholdLimit limit : core::kThresholdLimits)
                        members[py::str(ThresholdKey(input, limit))] = Crossings(t.At(input, limit));
                }
                members["load_plim"] = static_cast<double>(t.loadAtPlim);
                return members;
            },
            "The lists and load_plim by name, as each clearance of the /JSON member 'thresholds'.");

    py::class_<core::Thresholds> thresholds(module, "Thresholds",
                                            R"(How far the case is from its limits, at its three clearances.

``min``, ``mean`` and ``max`` (or ``thresholds["min"]`` ...) are ClearanceThresholds.)");
    DefClearances(thresholds, "The thresholds");
}

}  // namespace

py::list MessageList(const core::RunStatus& status) {
    py::list messages;
    for (int i = 1; i <= status.MessageCount(); ++i) messages.append(text::OemToUtf8(status.Message(i)));
    return messages;
}

core::Clearance ClearanceNamed(const std::string& name) {
    for (core::Clearance c : core::kClearances) {
        if (core::ClearanceKey(c) == name) return c;
    }
    throw py::value_error("clearance '" + name + "': 'min', 'mean' or 'max'");
}

void BindResults(py::module_& module) {
    BindResult(module);
    BindClearanceRange(module);
    BindSweep(module);
    BindThresholds(module);
}

}  // namespace trb::python
