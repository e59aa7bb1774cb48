#include "cad/iges_device.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <system_error>
#include <utility>

#include "cad/cad_numbers.h"
#include "cad/cad_text.h"
#include "cad/iges_format.h"
#include "config/temporary_folder.h"
#include "core/messages.h"

namespace trb::cad {

namespace {

// Sine, cosine and angles in radians keep six decimals whatever the number setting.
std::string Six(real value) {
    return FixedText(value, 6);
}

// The parameter data section is collected here while the directory entries are written.
constexpr std::string_view kParameterFileName = "KORVIGES.$$$";

}  // namespace

IgesDevice::IgesDevice(std::ostream& out, CadSettings settings, IgesHeader header, core::RunStatus& status)
    : out_(out), settings_(std::move(settings)), header_(std::move(header)), status_(status) {
    const std::string folder = config::PrivateTemporaryFolder(settings_.tempFolder);
    if (folder.empty()) {
        good_ = false;
        return;
    }
    parameterPath_ = folder + std::string(kParameterFileName);
    parameters_.open(parameterPath_, std::ios::binary | std::ios::trunc);
    if (!parameters_) good_ = false;
}

IgesDevice::~IgesDevice() {
    RemoveParameterFile();
}

void IgesDevice::RemoveParameterFile() {
    if (parameterPath_.empty()) return;
    if (parameters_.is_open()) parameters_.close();
    std::error_code ignored;
    std::filesystem::remove(parameterPath_, ignored);
    parameterPath_.clear();
}

std::string IgesDevice::Number(real value) const {
    return FixedText(value, std::max(1, settings_.format.decimals));
}

void IgesDevice::Limits(real, real, real xmax, real ymax) {
    for (std::string_view line :
         {"IGES-Datei generiert von KORVANE", "Uebersetzer von KORVANE GMBH, Uebersetzerversion 3.1"}) {
        out_ << IgesLine(line, 'S', ++startLines_) << '\n';
    }
    char date[32];
    std::snprintf(date, sizeof date, "%02d%02d%02d.081107", ((header_.year % 100) + 100) % 100, header_.month,
                  header_.day);
    std::string global = ",,";  // parameter and record delimiters: the defaults "," and ";"
    global += Hollerith("FILE") + ",";
    global += Hollerith(header_.fileName) + ",";
    global += Hollerith("KORVANE V" + header_.version) + ",";
    global += Hollerith("TRB " + header_.version) + ",";
    global += "16,38,6,99,15,";
    global += Hollerith(header_.fileName) + ",1.0,2," + Hollerith("MM") + ",32767,3.2767D1,";
    global += Hollerith(date) + ",1.0D-8," + CompactText(std::max(xmax, ymax), settings_.format) + ",";
    global += Hollerith(header_.author) + "," + Hollerith(header_.organization) + ",4,0;";
    for (const std::string& line : SplitParameterText(global, kIgesDataColumns)) {
        out_ << IgesLine(line, 'G', ++globalLines_) << '\n';
    }
}

int IgesDevice::AddEntity(const Entry& entry, const std::vector<std::string>& pieces) {
    const int dPointer = static_cast<int>(directoryLines_ + 1);
    const long pPointer = parameterLines_ + 1;
    for (const std::string& piece : pieces) {
        for (const std::string& line : SplitParameterText(piece, kIgesParameterColumns)) {
            parameters_ << IgesParameterLine(line, dPointer, ++parameterLines_) << '\n';
        }
    }
    const bool dependent = inSubfigure_ && entry.member;
    const std::string type = std::to_string(entry.type);
    const std::string color = std::to_string(color_);
    out_ << DirectoryLine({type, std::to_string(pPointer), "0", std::to_string(lineFont_), color, "",
                           entry.matrix, "", dependent ? "00010000" : "00000000"},
                          ++directoryLines_)
         << '\n';
    out_ << DirectoryLine({type, "", color, std::to_string(parameterLines_ - pPointer + 1), entry.form, "",
                           "", entry.label, ""},
                          ++directoryLines_)
         << '\n';
    if (dependent) members_.push_back(dPointer);
    return dPointer;
}

void IgesDevice::Pen(int n) {
    if (settings_.layerMode == 0 && n >= 0 && n <= 5) {
        color_ = IgesColor(n == 0 ? 7 : settings_.layerColors[static_cast<std::size_t>(n)]);
        lineFont_ = n == 1 ? 4 : n == 2 ? 2 : 1;  // centre line, dashed, solid
        return;
    }
    const bool configuredPen = settings_.layerMode == 0 && n >= 16 && n <= 31;
    color_ = IgesColor(configuredPen ? settings_.penColors[static_cast<std::size_t>(n - 16)] : n % 16 + 1);
    if (settings_.layerMode == 0) lineFont_ = 1;
}

void IgesDevice::Line(real x1, real y1, real x2, real y2) {
    const std::string start = Number(x1) + "," + Number(y1), end = Number(x2) + "," + Number(y2);
    // A line whose ends are the same point in the file is left out: readers refuse it ("start and
    // terminate points are the same").
    if (start == end) return;
    AddEntity({110, "", "", "", true}, {"110," + start + ",0.0," + end + ",0.0;"});
}

void IgesDevice::Circle(real x, real y, real r) {
    const std::string start = Number(x + std::fabs(r)) + "," + Number(y);
    if (start == Number(x) + "," + Number(y)) return;  // no radius left in the file
    AddEntity({100, "", "0", "", true},
              {"100,0.0," + Number(x) + "," + Number(y) + "," + start + "," + start + ";"});
}

void IgesDevice::Arc(real x, real y, real phi1, real phi2, real r) {
    if (r == 0) return;
    if (IsFullTurn(phi1, phi2)) {
        Circle(x, y, r);
        return;
    }
    const real a1 = phi1 * kRadiansPerDegree;
    const real a2 = phi2 * kRadiansPerDegree;
    const std::string start = Number(x + r * std::cos(a1)) + "," + Number(y + r * std::sin(a1));
    const std::string end = Number(x + r * std::cos(a2)) + "," + Number(y + r * std::sin(a2));
    // Ends that meet in the file would make a full circle of what is no arc at all.
    if (start == end) return;
    AddEntity({100, "", "0", "", true},
              {"100,0.0," + Number(x) + "," + Number(y) + "," + start + "," + end + ";"});
}

void IgesDevice::Text(std::string_view text, real x, real y, const TextStyle& style) {
    if (text.empty()) return;
    const std::string converted = CadFileText(text, settings_.format);
    const auto count = static_cast<real>(converted.size());
    const real width = count * style.height * style.widthFactor;
    const real angle = style.angle * kRadiansPerDegree;
    const real shift = style.align == TextAlign::Center  ? width / 2
                       : style.align == TextAlign::Right ? width
                                                         : 0;
    x -= shift * std::cos(angle);
    y -= shift * std::sin(angle);
    AddEntity({212, "", "0", "", true}, {"212,1," + std::to_string(converted.size()) + "," + Number(width) +
                                             "," + Number(style.height) + ",1,," + Six(angle) + ",0,0," +
                                             Number(x) + "," + Number(y) + ",0.0,",
                                         Hollerith(converted) + ";"});
}

void IgesDevice::Solid(real x1, real y1, real x2, real y2, real x3, real y3, real x4, real y4) {
    // The outline of a solid runs through its points in the order 1, 2, 4, 3 and back to 1.
    const auto point = [this](real x, real y) { return Number(x) + "," + Number(y); };
    AddEntity({106, "11", "0", "", true}, {"106,1,5,0.0," + point(x1, y1) + ",", point(x2, y2) + ",",
                                           point(x4, y4) + ",", point(x3, y3) + ",", point(x1, y1) + ";"});
}

bool IgesDevice::BlockBegin(std::string_view name) {
    if (inSubfigure_ || subfigures_.size() >= kMaxSubfigures) return false;
    inSubfigure_ = true;
    subfigureName_ = name;
    subfigureDepth_ = 0;
    members_.clear();
    return true;
}

void IgesDevice::BlockEnd() {
    if (!inSubfigure_) return;
    inSubfigure_ = false;
    const std::string count = std::to_string(members_.size());
    std::vector<std::string> pieces{"308," + std::to_string(subfigureDepth_) + "," +
                                    Hollerith(subfigureName_) + "," + count + (members_.empty() ? ";" : ",")};
    for (std::size_t i = 0; i < members_.size(); i += 12) {
        std::string piece;
        for (std::size_t k = i; k < std::min(members_.size(), i + 12); ++k) {
            piece += std::to_string(members_[k]) + (k + 1 == members_.size() ? ";" : ",");
        }
        pieces.push_back(std::move(piece));
    }
    const int dPointer = AddEntity({308, "", "", subfigureName_, false}, pieces);
    subfigures_.push_back({subfigureName_, dPointer, subfigureDepth_});
}

void IgesDevice::Insert(std::string_view name, real xscale, real yscale, real angle, real x, real y) {
    const auto found = std::find_if(subfigures_.begin(), subfigures_.end(),
                                    [name](const Subfigure& s) { return s.name == name; });
    if (found == subfigures_.end()) {
        status_.AddMessage(core::MsgBlockNotFound(name));
        return;
    }
    if (inSubfigure_) subfigureDepth_ = std::max(subfigureDepth_, found->depth + 1);
    const std::string definition = std::to_string(found->dPointer);
    // One scale factor fits an IGES instance; unequal x and y scales cannot be shown and stay 1.
    const std::string scale = xscale == yscale && xscale > 0 ? Six(xscale) : "1.0";
    if (std::fabs(angle) < 1e-9L) {
        AddEntity({408, "", "", "", true},
                  {"408," + definition + "," + Number(x) + "," + Number(y) + ",0.0," + scale + ";"});
        return;
    }
    const real a = angle * kRadiansPerDegree;
    const std::string c = Six(std::cos(a));
    const std::string s = Six(std::sin(a));
    const std::string minusS = Six(-std::sin(a));
    const int matrix =
        AddEntity({124, "", "", "", false}, {"124," + c + "," + minusS + ",0.0," + Number(x) + ",",
                                             s + "," + c + ",0.0," + Number(y) + ",", "0.0,0.0,1.0,0.0;"});
    AddEntity({408, "", std::to_string(matrix), "", true},
              {"408," + definition + ",0.0,0.0,0.0," + scale + ";"});
}

void IgesDevice::Close() {
    if (closed_) return;
    closed_ = true;
    parameters_.close();
    if (parameters_.fail()) good_ = false;
    if (good_ && parameterLines_ > 0) {
        std::ifstream collected(parameterPath_, std::ios::binary);
        if (!collected || !(out_ << collected.rdbuf())) good_ = false;
    }
    char counts[64];
    std::snprintf(counts, sizeof counts, "S%07ldG%07ldD%07ldP%07ld", startLines_, globalLines_,
                  directoryLines_, parameterLines_);
    out_ << IgesLine(counts, 'T', 1) << '\n';
    out_.flush();
    RemoveParameterFile();
}

}  // namespace trb::cad
