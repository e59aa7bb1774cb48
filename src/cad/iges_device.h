#pragma once

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cad/cad_settings.h"
#include "cad/device.h"
#include "core/run_status.h"

namespace trb::cad {

// What the global section of an IGES file says about the file and its origin.
struct IgesHeader {
    std::string fileName;         // the output file's name
    std::string version = "1.6";  // program version, after the maker's name
    int year = 2000;              // date of generation
    int month = 1;
    int day = 1;
    std::string author;  // empty fields stay defaulted
    std::string organization;
};

// Writes a drawing as an ASCII IGES file in the fixed 80-column format: start and global
// sections, one two-line directory entry per entity, the parameter data and the terminate
// line. Directory entries go straight to the output; parameter data is collected in a
// temporary file in the configured temporary folder and appended when the device closes.
// Blocks become subfigure definitions (308) and inserts subfigure instances (408, with a
// transformation matrix 124 when rotated). An insert of an unknown block adds
// "Blockname <name> not found !" to the run's messages and writes nothing.
class IgesDevice : public CadDevice {
  public:
    static constexpr std::size_t kMaxSubfigures = 256;

    IgesDevice(std::ostream& out, CadSettings settings, IgesHeader header, core::RunStatus& status);
    ~IgesDevice() override;
    IgesDevice(const IgesDevice&) = delete;
    IgesDevice& operator=(const IgesDevice&) = delete;

    void Limits(real xmin, real ymin, real xmax, real ymax) override;
    bool BlockBegin(std::string_view name) override;
    void BlockEnd() override;
    void Pen(int n) override;
    void Line(real x1, real y1, real x2, real y2) override;
    void Circle(real x, real y, real r) override;
    void Arc(real x, real y, real phi1, real phi2, real r) override;
    void Text(std::string_view text, real x, real y, const TextStyle& style) override;
    void Solid(real x1, real y1, real x2, real y2, real x3, real y3, real x4, real y4) override;
    void Insert(std::string_view name, real xscale, real yscale, real angle, real x, real y) override;
    void Close() override;
    bool Good() const override { return good_ && static_cast<bool>(out_); }

    int color() const { return color_; }
    int lineFont() const { return lineFont_; }

  private:
    struct Entry {
        int type = 0;
        std::string form;    // directory form number field
        std::string matrix;  // transformation matrix field
        std::string label;
        bool member = true;  // recorded as a member of the subfigure being defined
    };
    struct Subfigure {
        std::string name;
        int dPointer = 0;
        int depth = 0;  // nesting depth of subfigure instances inside it
    };

    // Writes one entity: its directory entry now, its parameter lines (each piece starts a new
    // line and is cut at delimiters) into the parameter file. Returns its D pointer.
    int AddEntity(const Entry& entry, const std::vector<std::string>& pieces);
    std::string Number(real value) const;
    void RemoveParameterFile();

    std::ostream& out_;
    CadSettings settings_;
    IgesHeader header_;
    core::RunStatus& status_;

    std::filesystem::path parameterPath_;
    std::ofstream parameters_;
    bool good_ = true;
    bool closed_ = false;

    long startLines_ = 0;
    long globalLines_ = 0;
    long directoryLines_ = 0;
    long parameterLines_ = 0;

    int color_ = 0;
    int lineFont_ = 1;

    std::vector<Subfigure> subfigures_;
    bool inSubfigure_ = false;
    std::string subfigureName_;
    int subfigureDepth_ = 0;
    std::vector<int> members_;
};

}  // namespace trb::cad
