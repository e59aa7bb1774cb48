#include "python/field_values.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "docs/case_lines.h"
#include "text/cp850.h"
#include "text/format.h"

namespace trb::python {

namespace {

[[noreturn]] void Refuse(const core::RecordField& field, const std::string& why) {
    throw py::value_error(std::string(field.name) + ": " + why);
}

std::string TypeName(const py::handle& value) {
    return py::str(py::type::handle_of(value).attr("__name__"));
}

// A Python number as the record's real: an int exactly (its decimal digits), a float as the decimal
// it prints as (its shortest round-trip form), any other real number through float().
bool IsRealNumber(const py::handle& value) {
    if (py::isinstance<py::float_>(value) || py::isinstance<py::int_>(value))
        return !py::isinstance<py::bool_>(value);
    // Kept for the life of the process: a Python object must not be released after the interpreter.
    static const py::object* const realNumber = new py::object(py::module_::import("numbers").attr("Real"));
    return py::isinstance(value, *realNumber);
}

real ToReal(const core::RecordField& field, const py::handle& value) {
    if (!IsRealNumber(value)) Refuse(field, "a number is needed, not " + TypeName(value));
    std::string digits;
    if (py::isinstance<py::int_>(value)) {
        try {
            digits = py::str(value);
        } catch (const py::error_already_set&) {
            Refuse(field, "a whole number of too many digits");  // beyond Python's own limit
        }
    } else {
        const double x = py::float_(py::reinterpret_borrow<py::object>(value));
        if (!std::isfinite(x))
            Refuse(field, "a finite number is needed, not " + std::string(py::repr(value)));
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, x).ptr;
        digits.assign(buffer, end);
    }
    // Within what a float holds, so that every value set reads back as a number.
    real parsed = 0;
    if (!text::ParseReal(digits, parsed) || std::fabs(parsed) > std::numeric_limits<double>::max())
        Refuse(field, "a number within the range of a float is needed");
    return parsed;
}

std::string ToText(const core::RecordField& field, const py::handle& value) {
    if (!py::isinstance<py::str>(value)) Refuse(field, "a str is needed, not " + TypeName(value));
    const std::string utf8 = py::str(value);
    const std::optional<std::string> oem = text::ExactOem(utf8);
    if (!oem) Refuse(field, "a character of " + std::string(py::repr(value)) + " is not in code page 850");
    for (char c : *oem) {
        if (static_cast<unsigned char>(c) < 0x20)
            Refuse(field, "control characters and line ends are not allowed");
    }
    if (oem->size() > docs::CaseLineReader::kMaxLineLength)
        Refuse(field, "at most " + std::to_string(docs::CaseLineReader::kMaxLineLength) + " characters");
    return *oem;
}

std::uint16_t ToWhole(const core::RecordField& field, const py::handle& value) {
    if (py::isinstance<py::bool_>(value) || !PyIndex_Check(value.ptr()))
        Refuse(field, "an int is needed, not " + TypeName(value));
    const py::int_ whole = py::reinterpret_steal<py::int_>(PyNumber_Index(value.ptr()));
    if (!whole) throw py::error_already_set();
    const bool inRange = whole >= py::int_(0) && whole <= py::int_(std::numeric_limits<std::uint16_t>::max());
    if (!inRange)
        Refuse(field,
               py::str(static_cast<const py::handle&>(whole)).cast<std::string>() + " is outside 0..65535");
    return whole.cast<std::uint16_t>();
}

// NumPy's own truth values, without importing NumPy.
bool IsNumpyBool(const py::handle& value) {
    const py::handle type = py::type::handle_of(value);
    return py::str(type.attr("__module__")).cast<std::string>() == "numpy" &&
           py::str(type.attr("__name__")).cast<std::string>() == "bool_";
}

bool ToFlag(const core::RecordField& field, const py::handle& value) {
    if (py::isinstance<py::bool_>(value) || IsNumpyBool(value)) return PyObject_IsTrue(value.ptr()) == 1;
    if (py::isinstance<py::int_>(value)) {
        const long long flag = value.cast<long long>();
        if (flag == 0 || flag == 1) return flag == 1;
    }
    Refuse(field, "True or False is needed, not " + std::string(py::repr(value)));
}

}  // namespace

py::object FieldValue(const core::TRBrecord& record, const core::RecordField& field) {
    return std::visit(
        [&](auto member) -> py::object {
            const auto& value = record.*member;
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, real>) {
                return py::float_(static_cast<double>(value));
            } else if constexpr (std::is_same_v<T, std::string>) {
                return py::str(text::OemToUtf8(value));
            } else if constexpr (std::is_same_v<T, bool>) {
                return py::bool_(value);
            } else {
                return py::int_(value);
            }
        },
        field.member);
}

void SetField(core::TRBrecord& record, const core::RecordField& field, const py::handle& value) {
    std::visit(
        [&](auto member) {
            auto& target = record.*member;
            using T = std::decay_t<decltype(target)>;
            if constexpr (std::is_same_v<T, real>) {
                target = ToReal(field, value);
            } else if constexpr (std::is_same_v<T, std::string>) {
                target = ToText(field, value);
            } else if constexpr (std::is_same_v<T, bool>) {
                target = ToFlag(field, value);
            } else {
                target = ToWhole(field, value);
            }
        },
        field.member);
}

const core::RecordField& FieldNamed(std::string_view name) {
    if (const core::RecordField* field = core::FindRecordField(name)) return *field;
    throw py::attribute_error("a case has no field '" + std::string(name) + "'");
}

}  // namespace trb::python
