#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/real.h"
#include "tables/dbf_structure.h"

namespace trb::tables {

// A number written in a field or typed by a user: blanks around it are ignored, a comma counts as
// the decimal point. Locale-independent. No value for blank or malformed text.
std::optional<real> ParseFieldNumber(std::string_view text);

// The text form of a stored C, N, F, L or D field: C and D the stored text without trailing blanks;
// N and F the value with the field's length and decimals, the point replaced by `decimalCharacter`
// (a blank field stays blank); L "T" or "F".
std::string FieldTextForm(const DbfField& field, std::string_view raw, char decimalCharacter);

// The stored bytes (exactly field.length) for a value given as text. C is cut or padded; N and F are
// parsed (text that is not a number stores 0) and right-aligned; L takes T, t, Y, y, J, j as true;
// D keeps the first eight characters. Throws "Anfrage außerhalb Bereich" when a number does not fit.
std::string EncodeFieldText(const DbfField& field, std::string_view text);

// The stored bytes of a number in an N or F field; throws "Anfrage außerhalb Bereich" when the value
// does not fit the field's length and "Unzulässige Feldangabe" for any other field type.
std::string EncodeFieldNumber(const DbfField& field, real value);

// True for the stored logical values T, t, Y, y (J, j as the German "ja").
bool StoredLogicalIsTrue(std::string_view raw);

// Writes `value` with `decimals` places into `text`, locale-independently.
std::string FormatFixed(real value, int decimals);

}  // namespace trb::tables
