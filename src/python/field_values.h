#pragma once

#include <pybind11/pybind11.h>

#include <string_view>

#include "core/record.h"
#include "core/record_fields.h"

// Record fields as Python values: reals as float, texts as str, the whole numbers as int and the
// lubrication flag as bool.
namespace trb::python {

namespace py = pybind11;

// The field's value in the record (a real as the nearest float).
py::object FieldValue(const core::TRBrecord& record, const core::RecordField& field);

// Sets the field from a Python value; ValueError when the record cannot hold it: a real that is not
// a finite number (int, float or another real number, not bool), a text with a character outside
// code page 850 or a control character (a line end would break the case file) or longer than a
// case-file line, a whole number outside 0..65535, a flag that is not True, False, 0 or 1.
// A float is taken as the decimal number it prints as (33.33 is the 33.33 a case file holds), so a
// value read from a field and set again leaves the field unchanged.
void SetField(core::TRBrecord& record, const core::RecordField& field, const py::handle& value);

// The field of that name; AttributeError naming it when the record has none.
const core::RecordField& FieldNamed(std::string_view name);

}  // namespace trb::python
