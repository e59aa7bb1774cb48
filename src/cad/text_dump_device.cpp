#include "cad/text_dump_device.h"

#include <utility>

#include "cad/cad_numbers.h"
#include "cad/cad_text.h"

namespace trb::cad {

TextDumpDevice::TextDumpDevice(std::ostream& out, CadSettings settings)
    : out_(out), settings_(std::move(settings)) {}

std::string TextDumpDevice::Number(real value) const {
    return FixedText(value, settings_.dxfDecimals, settings_.format.decimalSeparator == 2 ? ',' : '.');
}

void TextDumpDevice::Row(std::string_view keyword, std::initializer_list<real> values) {
    out_ << keyword;
    for (real value : values) out_ << '\t' << Number(value);
    out_ << '\n';
}

void TextDumpDevice::Limits(real xmin, real ymin, real xmax, real ymax) {
    Row("MINMAX", {xmin, ymin, xmax, ymax});
}

void TextDumpDevice::BlocksBegin() {
    out_ << "SECTION BLOCKS\n";
}

bool TextDumpDevice::BlockBegin(std::string_view name) {
    out_ << "BLOCK\t" << CadFileText(name, settings_.format) << '\n';
    return true;
}

void TextDumpDevice::BlockEnd() {
    out_ << "END OF BLOCK\n";
}

void TextDumpDevice::EntitiesBegin() {
    out_ << "SECTION ENTITIES\n";
}

void TextDumpDevice::Line(real x1, real y1, real x2, real y2) {
    Row("LINE", {x1, y1, x2, y2});
}

void TextDumpDevice::Circle(real x, real y, real r) {
    Row("CIRCLE", {x, y, r});
}

void TextDumpDevice::Arc(real x, real y, real phi1, real phi2, real r) {
    if (r == 0) return;
    if (IsFullTurn(phi1, phi2)) {
        Circle(x, y, r);
        return;
    }
    Row("ARC", {x, y, r, phi1, phi2});
}

void TextDumpDevice::Text(std::string_view text, real x, real y, const TextStyle&) {
    if (text.empty()) return;
    out_ << "TEXT\t" << Number(x) << '\t' << Number(y) << '\t' << CadFileText(text, settings_.format) << '\n';
}

void TextDumpDevice::Solid(real x1, real y1, real x2, real y2, real x3, real y3, real x4, real y4) {
    Row("SOLID", {x1, y1, x2, y2, x3, y3, x4, y4});
}

void TextDumpDevice::Insert(std::string_view name, real xscale, real yscale, real angle, real x, real y) {
    out_ << "INSERT\t" << CadFileText(name, settings_.format);
    for (real value : {x, y, angle, xscale, yscale}) out_ << '\t' << Number(value);
    out_ << '\n';
}

void TextDumpDevice::Close() {
    out_ << "EOF\n";
    out_.flush();
}

}  // namespace trb::cad
