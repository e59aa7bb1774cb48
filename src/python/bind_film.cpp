#include <pybind11/numpy.h>

#include <algorithm>

#include "core/clearance_range.h"
#include "film/case_film.h"
#include "film/film_grid.h"
#include "python/bindings.h"
#include "python/case_data.h"

namespace trb::python {

namespace {

// A number of the film, None where the film has none (as the JSON file's null).
py::object Number(bool known, real x) {
    return known ? py::object(py::float_(static_cast<double>(x))) : py::object(py::none());
}

py::object Matrix(bool known, const film::Matrix2& m) {
    if (!known) return py::none();
    py::array_t<double> matrix({2, 2});
    auto out = matrix.mutable_unchecked<2>();
    for (py::ssize_t i = 0; i < 2; ++i) {
        for (py::ssize_t j = 0; j < 2; ++j)
            out(i, j) = m[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
    }
    return matrix;
}

py::array_t<double> Vector(const std::vector<double>& values) {
    py::array_t<double> array(static_cast<py::ssize_t>(values.size()));
    std::copy(values.begin(), values.end(), array.mutable_data());
    return array;
}

// A field over the bore: shape (columns, nodes across the width).
template <typename T, typename Source>
py::array_t<T> Field(const film::CaseFilm& f, const std::vector<Source>& values) {
    const auto columns = static_cast<py::ssize_t>(f.angles.size());
    const auto nodes = static_cast<py::ssize_t>(f.z.size());
    py::array_t<T> field({columns, nodes});
    if (values.size() == static_cast<std::size_t>(columns * nodes))
        std::transform(values.begin(), values.end(), field.mutable_data(),
                       [](Source v) { return static_cast<T>(v); });
    return field;
}

bool Solved(const film::CaseFilm& f) {
    return f.fault == film::FilmFault::None;
}
bool HasCoefficients(const film::CaseFilm& f) {
    return Solved(f) && f.hasCoefficients;
}
bool HasThreshold(const film::CaseFilm& f) {
    return HasCoefficients(f) && f.stability.threshold;
}

py::object Din(const film::CaseFilm& f) {
    py::dict din;
    din["epsilon"] = Number(f.hasDin, f.din.epsilon);
    din["h0"] = Number(f.hasDin, f.din.h0);
    din["so"] = Number(f.hasDin, f.din.so);
    din["mupsi"] = Number(f.hasDin, f.din.mupsi);
    din["q"] = Number(f.hasDin, f.din.q);
    return din;
}

py::object Onset(const film::CaseFilm& f) {
    return Number(HasCoefficients(f) && f.onset.speed.has_value(), f.onset.speed.value_or(0));
}

py::object MatrixList(const py::object& matrix) {
    return matrix.is_none() ? matrix : matrix.attr("tolist")();
}

// The film as the /JSON member "film" holds it (matrices as nested lists).
py::dict FilmDict(const film::CaseFilm& f) {
    const bool solved = Solved(f), coefficients = HasCoefficients(f);
    py::dict m;
    m["reason"] =
        solved ? py::object(py::none()) : py::object(py::str(std::string(film::FilmFaultText(f.fault))));
    m["grid"] = py::list(py::make_tuple(f.grid.circumferential, f.grid.axial));
    m["eccentricity"] = Number(solved, f.eccentricity);
    m["attitude_angle"] = Number(solved, f.attitudeAngle);
    m["h0"] = Number(solved, f.h0);
    m["pmax"] = Number(solved, f.pmax);
    m["pmax_angle"] = Number(solved, f.pmaxAngle);
    m["side_flow"] = Number(solved, f.sideFlow);
    m["mupsi"] = Number(solved, f.mupsi);
    m["so"] = Number(solved, f.so);
    m["din"] = Din(f);
    m["frame"] = std::string(film::CoefficientFrameText());
    m["stiffness"] = MatrixList(Matrix(coefficients, f.stiffness));
    m["damping"] = MatrixList(Matrix(coefficients, f.damping));
    m["stiffness_dimensionless"] = MatrixList(Matrix(coefficients, f.dimensionless.stiffness));
    m["damping_dimensionless"] = MatrixList(Matrix(coefficients, f.dimensionless.damping));
    m["whirl_ratio"] = Number(HasThreshold(f), f.stability.whirlRatio);
    m["critical_mass_parameter"] = Number(HasThreshold(f), f.stability.criticalMass);
    m["mass_parameter"] = Number(coefficients, f.stability.massParameter);
    m["stable"] = coefficients ? py::object(py::bool_(f.stability.stable)) : py::object(py::none());
    m["onset_speed"] = Onset(f);
    return m;
}

// The grid of a call: the default, or (circumferential cells, axial cells) the film can be solved on.
film::GridSize GridOf(const py::object& grid) {
    if (grid.is_none()) return film::kDefaultGrid;
    const auto cells = grid.cast<std::pair<int, int>>();
    const film::GridSize size{cells.first, cells.second};
    if (const film::FilmFault fault = film::CheckGrid(size); fault != film::FilmFault::None)
        throw py::value_error("grid (" + std::to_string(size.circumferential) + ", " +
                              std::to_string(size.axial) + "): " + std::string(film::FilmFaultText(fault)));
    return size;
}

}  // namespace

film::CaseFilm SolveFilm(const CaseData& data, const py::object& grid, bool onsetSpeed) {
    film::CaseFilmOptions options;
    options.grid = GridOf(grid);
    options.onsetSpeed = onsetSpeed;
    Interruption interruption;
    options.progress = [&interruption](double) { return interruption.Check(); };
    film::CaseFilm film;
    {
        py::gil_scoped_release release;
        core::CaseRun run;
        run.record = data.record;
        core::Calculate(run);
        film = film::SolveCaseFilm(run.record, run.status, options);
    }
    interruption.RaiseIfStopped();
    return film;
}

void BindFilm(py::module_& module) {
    py::class_<film::CaseFilm>(module, "Film",
                               R"(The Reynolds solution of the lubricant film beside the DIN run.

Solved at the DIN run's effective state at the mean clearance (isoviscous at etaeff, clearance
seff, speed weff). ``pressure`` is the pressure field in MPa, shape (columns, nodes): column i at
``angles[i]`` (° from the load direction, in the direction of rotation), node k at ``z[k]``
(Z = 2z/B from -1 to 1). ``stiffness`` (N/m) and ``damping`` (N s/m) are 2x2 arrays in the frame
``frame`` names. A film without result has ``reason`` set and None in every number; these are the
numbers of the /JSON member "film".)")
        .def_property_readonly(
            "reason",
            [](const film::CaseFilm& f) {
                return Solved(f) ? py::object(py::none())
                                 : py::object(py::str(std::string(film::FilmFaultText(f.fault))));
            },
            "Why the film has no result (str), None when it was solved.")
        .def_property_readonly(
            "grid",
            [](const film::CaseFilm& f) { return py::make_tuple(f.grid.circumferential, f.grid.axial); },
            "The grid solved on: (circumferential cells, axial cells).")
        .def_property_readonly(
            "angles", [](const film::CaseFilm& f) { return Vector(f.angles); },
            "The columns' angles, ° from the load direction in the direction of rotation.")
        .def_property_readonly(
            "z", [](const film::CaseFilm& f) { return Vector(f.z); },
            "The nodes across the width, Z = 2z/B from -1 to 1.")
        .def_property_readonly(
            "pressure", [](const film::CaseFilm& f) { return Field<double>(f, f.pressure); },
            "The pressure field, MPa, shape (columns, nodes).")
        .def_property_readonly(
            "supply", [](const film::CaseFilm& f) { return Field<bool>(f, f.supply); },
            "Whether a supply area holds each node, shape (columns, nodes).")
        .def_property_readonly(
            "middle_plane", [](const film::CaseFilm& f) { return Vector(f.middlePlane); },
            "The pressure in the middle plane at every column, MPa.")
        .def_property_readonly(
            "eccentricity", [](const film::CaseFilm& f) { return Number(Solved(f), f.eccentricity); },
            "The relative eccentricity of the equilibrium.")
        .def_property_readonly(
            "attitude_angle", [](const film::CaseFilm& f) { return Number(Solved(f), f.attitudeAngle); },
            "The attitude angle, ° from the load direction.")
        .def_property_readonly(
            "h0", [](const film::CaseFilm& f) { return Number(Solved(f), f.h0); },
            "The minimum film thickness, mm.")
        .def_property_readonly(
            "pmax", [](const film::CaseFilm& f) { return Number(Solved(f), f.pmax); },
            "The largest film pressure, MPa.")
        .def_property_readonly(
            "pmax_angle", [](const film::CaseFilm& f) { return Number(Solved(f), f.pmaxAngle); },
            "Where it is, ° from the load direction in the direction of rotation.")
        .def_property_readonly(
            "side_flow", [](const film::CaseFilm& f) { return Number(Solved(f), f.sideFlow); },
            "The flow out of both ends, mm³/s.")
        .def_property_readonly(
            "mupsi", [](const film::CaseFilm& f) { return Number(Solved(f), f.mupsi); },
            "The relative friction coefficient mu/psi.")
        .def_property_readonly(
            "so", [](const film::CaseFilm& f) { return Number(Solved(f), f.so); },
            "The DIN run's Sommerfeld number, which the film balances.")
        .def_property_readonly("din", &Din,
                               "The DIN run's epsilon, h0, so, mupsi and q beside the film's (dict).")
        .def_property_readonly(
            "frame", [](const film::CaseFilm&) { return std::string(film::CoefficientFrameText()); },
            "The axes and signs of the coefficients.")
        .def_property_readonly(
            "stiffness", [](const film::CaseFilm& f) { return Matrix(HasCoefficients(f), f.stiffness); },
            "The stiffness coefficients k_ij, N/m (2x2; rows the force, columns the motion).")
        .def_property_readonly(
            "damping", [](const film::CaseFilm& f) { return Matrix(HasCoefficients(f), f.damping); },
            "The damping coefficients d_ij, N s/m (2x2).")
        .def_property_readonly(
            "stiffness_dimensionless",
            [](const film::CaseFilm& f) { return Matrix(HasCoefficients(f), f.dimensionless.stiffness); },
            "The stiffness in Lund's form, k_ij C / F.")
        .def_property_readonly(
            "damping_dimensionless",
            [](const film::CaseFilm& f) { return Matrix(HasCoefficients(f), f.dimensionless.damping); },
            "The damping in Lund's form, d_ij C omega / F.")
        .def_property_readonly(
            "whirl_ratio",
            [](const film::CaseFilm& f) { return Number(HasThreshold(f), f.stability.whirlRatio); },
            "The whirl frequency ratio at the stability threshold (None without a threshold).")
        .def_property_readonly(
            "critical_mass_parameter",
            [](const film::CaseFilm& f) { return Number(HasThreshold(f), f.stability.criticalMass); },
            "The mass parameter from which the rotor whirls (None without a threshold).")
        .def_property_readonly(
            "mass_parameter",
            [](const film::CaseFilm& f) { return Number(HasCoefficients(f), f.stability.massParameter); },
            "The rotor's own mass parameter C omega² / g.")
        .def_property_readonly(
            "stable",
            [](const film::CaseFilm& f) {
                return HasCoefficients(f) ? py::object(py::bool_(f.stability.stable))
                                          : py::object(py::none());
            },
            "Whether the rotor runs stably at the operating speed.")
        .def_property_readonly("onset_speed", &Onset,
                               "The shaft speed at which the rotor starts to whirl, 1/s (None when not found "
                               "or not searched).")
        .def("as_dict", &FilmDict, "Every number by name, as the /JSON member 'film' holds them.")
        .def("__repr__", [](const film::CaseFilm& f) {
            if (!Solved(f)) return "<trb.Film " + std::string(film::FilmFaultText(f.fault)) + ">";
            return "<trb.Film eccentricity=" +
                   std::string(py::repr(py::float_(static_cast<double>(f.eccentricity)))) +
                   " pmax=" + std::string(py::repr(py::float_(static_cast<double>(f.pmax)))) + ">";
        });
}

}  // namespace trb::python
