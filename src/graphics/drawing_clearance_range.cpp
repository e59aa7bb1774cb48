#include "graphics/drawing_clearance_range.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/messages.h"
#include "graphics/drawing_table.h"
#include "graphics/driver.h"
#include "text/chart_texts.h"
#include "text/format.h"

namespace trb::graphics {

namespace {

using core::Clearance;
using core::ClearanceRange;
using core::TRBrecord;
using text::CalcText;
using text::ChartText;

constexpr real kTextHeight = 2;
constexpr Point kTableCorner{2, 148};
constexpr real kMessagesX = 132;
constexpr int kTablePen = 4;
constexpr int kViolationPen = 16;  // red
constexpr int kGoverningPen = 21;  // magenta
constexpr std::size_t kFirstValueColumn = 2;
constexpr const char* kGoverningMark = " *";

// A cell drawn over the table in a pen of its own.
struct MarkedCell {
    std::size_t row;
    std::size_t column;
    std::string text;
    int pen;
};

// The table of the sheet while it is being built.
class RangeTable {
  public:
    RangeTable(const DrawingData& data, const ClearanceRange& range)
        : data_(data), range_(range), format_(data.settings.format) {}

    // A result row: its value in each run (nothing for a failed run), marked at `governing`.
    void Result(const std::string& caption, const std::string& symbol, const std::string& unit,
                const std::function<std::string(const TRBrecord&)>& value,
                std::optional<Clearance> governing = std::nullopt) {
        std::vector<std::string> row = {caption, symbol};
        for (Clearance clearance : core::kClearances) {
            const core::CaseRun& run = range_.At(clearance);
            std::string cell = run.Failed() ? "-" : value(run.record);
            if (governing == clearance) {
                marks_.push_back({rows_.size(), Column(clearance), cell + kGoverningMark, kGoverningPen});
                cell.clear();
            }
            row.push_back(cell);
        }
        row.push_back(unit);
        rows_.push_back(std::move(row));
    }

    // A limit check row: "ok", or the kind of the run's message ("Fehler", "Warnung") in red.
    void Check(const std::string& caption, const std::string& symbol, const std::string& limit,
               std::string_view message) {
        std::vector<std::string> row = {caption, symbol};
        for (Clearance clearance : core::kClearances) {
            const core::CaseRun& run = range_.At(clearance);
            std::string cell = run.Failed() ? "-" : "ok";
            if (!run.Failed() && HasMessage(run.status, message)) {
                marks_.push_back({rows_.size(), Column(clearance), MessageKind(message), kViolationPen});
                cell.clear();
            }
            row.push_back(cell);
        }
        row.push_back(limit);
        rows_.push_back(std::move(row));
    }

    void Heading() {
        rows_.push_back({data_.texts.Calc(CalcText::Lagerspiel), "", "s min", "s m", "s max", ""});
    }

    void Draw(Driver& driver, const std::string& title) {
        const FramedTable table{kTableCorner.x, kTableCorner.y, {24, 10, 9, 9, 9, 10}, title, rows_};
        driver.CadColor(kTablePen);
        DrawFramedTable(driver, table, kTextHeight);
        for (const MarkedCell& mark : marks_) {
            driver.CadColor(mark.pen);
            const Point at = FramedTableCell(table, kTextHeight, mark.row, mark.column);
            driver.CadText(mark.text, at.x, at.y);
        }
        driver.CadColor(kTablePen);
        bottom_ = FramedTableBottom(table, kTextHeight);
    }

    real Bottom() const { return bottom_; }

  private:
    static std::size_t Column(Clearance clearance) { return kFirstValueColumn + core::Index(clearance); }

    static bool HasMessage(const core::RunStatus& status, std::string_view message) {
        for (int i = 1; i <= status.MessageCount(); ++i) {
            if (status.Message(i) == message) return true;
        }
        return false;
    }

    // "Fehler" or "Warnung": the word the message starts with.
    static std::string MessageKind(std::string_view message) {
        return text::TrimText(message.substr(0, message.find(':')));
    }

    const DrawingData& data_;
    const ClearanceRange& range_;
    const text::FormatOptions& format_;
    std::vector<std::vector<std::string>> rows_;
    std::vector<MarkedCell> marks_;
    real bottom_ = 0;
};

void ResultRows(RangeTable& table, const DrawingData& data, const ClearanceRange& range) {
    const text::FormatOptions& f = data.settings.format;
    const auto calc = [&data](CalcText id) -> const std::string& { return data.texts.Calc(id); };
    const std::string length = text::LengthUnit(f);
    const std::string temperature = text::TemperatureUnit(f);
    const auto clearance = [&f](real mm) { return text::FormatLengthLong(mm, f); };
    const auto plain = [&f](real v) { return text::FormatShort(v, f); };
    const auto small = [&f](real v) { return text::FormatAuto(v, f); };
    const auto degrees = [&f](real c) { return text::FormatTemperatureShort(c, f); };
    const bool pressure = data.record.druckschmierung;
    const std::optional<Clearance> hottest = core::GoverningTemperature(range);

    table.Heading();
    table.Result(calc(CalcText::Lagerspiel), "s 20", length,
                 [&](const TRBrecord& r) { return clearance(r.s20); });
    table.Result(calc(CalcText::Lagerspiel), "s", length,
                 [&](const TRBrecord& r) { return clearance(r.seff); });
    table.Result(calc(CalcText::RelativesLagerspiel), "psi eff", "",
                 [&](const TRBrecord& r) { return small(r.psieff); });
    table.Result(calc(CalcText::SommerfeldZahl), "So", "", [&](const TRBrecord& r) { return small(r.so); });
    table.Result(calc(CalcText::RelativeExzentrizitaet), "epsilon", "",
                 [&](const TRBrecord& r) { return plain(r.epsilon); });
    table.Result(
        calc(CalcText::Schmierfilmdicke) + " min.", "h0", length,
        [&](const TRBrecord& r) { return clearance(r.h0); }, core::GoverningFilm(range));
    table.Result(calc(CalcText::Reibungszahl), "\xE6", "", [&](const TRBrecord& r) { return small(r.mu); });
    table.Result(calc(CalcText::Reibleistung), "P0", "W", [&](const TRBrecord& r) { return plain(r.p0); });
    table.Result(calc(CalcText::Schmierstoffdurchsatz), "Q", "mm3/s",
                 [&](const TRBrecord& r) { return plain(r.q); });
    if (pressure) {
        table.Result(
            calc(CalcText::Schmierstofftemperatur), "teff", temperature,
            [&](const TRBrecord& r) { return degrees(r.teff); }, hottest);
        table.Result(
            calc(CalcText::Schmierstoffaustrittstemperatur), "t2", temperature,
            [&](const TRBrecord& r) { return degrees(r.t2); }, hottest);
    } else {
        // With convection the effective temperature is the bearing temperature.
        table.Result(
            calc(CalcText::Lagertemperatur), "tb", temperature,
            [&](const TRBrecord& r) { return degrees(r.teff); }, hottest);
    }
    table.Result(calc(CalcText::Uebergangsdrehzahl), "n ueeff", "1/s",
                 [&](const TRBrecord& r) { return plain(r.ntreff); });
}

void CheckRows(RangeTable& table, const DrawingData& data) {
    const TRBrecord& r = data.record;
    const text::FormatOptions& f = data.settings.format;
    const auto calc = [&data](CalcText id) -> const std::string& { return data.texts.Calc(id); };
    const std::string film = text::FormatLengthLong(r.h0lim, f) + " " + text::LengthUnit(f);
    const std::string heat = text::FormatTemperatureShort(r.tblim, f) + " " + text::TemperatureUnit(f);
    const std::string load = text::FormatPressureShort(r.plim, f) + " " + text::PressureUnit(f);
    table.Check(calc(CalcText::KleinstzulMinSchmierfilmdicke), "h0>h0lim", film, core::kMsgFilmTooThin);
    if (r.druckschmierung) {
        table.Check(calc(CalcText::HoechstzulaessigeLagertemperatur), "teff<tBlim", heat,
                    core::kMsgFilmTooHot);
        table.Check(calc(CalcText::HoechstzulaessigeLagertemperatur), "t2<tBlim", heat,
                    core::kMsgOutletTooHot);
    } else {
        table.Check(calc(CalcText::HoechstzulaessigeLagertemperatur), "tB<tBlim", heat,
                    core::kMsgBearingTooHot);
    }
    table.Check(calc(CalcText::MaxSpezifischeLagerbelastung), "p<plim", load, core::kMsgLoadTooHigh);
}

// Each run's messages in a table of its own, stacked beside the results.
void MessageTables(Driver& driver, const DrawingData& data, const ClearanceRange& range) {
    static constexpr std::array<ChartText, core::kClearanceCount> kNames = {
        ChartText::KleinstesSpiel, ChartText::MittleresSpiel, ChartText::GroesstesSpiel};
    static constexpr std::array<const char*, core::kClearanceCount> kSymbols = {"s min", "s m", "s max"};
    real y = kTableCorner.y;
    for (Clearance clearance : core::kClearances) {
        const core::RunStatus& status = range.At(clearance).status;
        std::vector<std::vector<std::string>> rows;
        for (int i = 1; i <= status.MessageCount(); ++i) rows.push_back({status.Message(i)});
        if (rows.empty()) rows.push_back({text::Chart(data.texts, ChartText::KeineMeldungen)});
        const std::size_t i = core::Index(clearance);
        const FramedTable table{
            kMessagesX, y, {36}, std::string(kSymbols[i]) + ": " + text::Chart(data.texts, kNames[i]), rows};
        DrawFramedTable(driver, table, kTextHeight);
        y = FramedTableBottom(table, kTextHeight) - kTextHeight;
    }
}

void Legend(Driver& driver, const DrawingData& data, real top) {
    const auto chart = [&data](ChartText id) { return text::Chart(data.texts, id); };
    driver.CadTextStyle(2, 0, kTextHeight, 0.75L * kTextHeight);
    real y = top - 2 * kTextHeight;
    driver.CadColor(kGoverningPen);
    driver.CadText(std::string(kGoverningMark).substr(1) + " " + chart(ChartText::Massgebend), kTableCorner.x,
                   y);
    driver.CadColor(kTablePen);
    y -= 2 * kTextHeight;
    driver.CadText("s min: " + chart(ChartText::KleinstesSpiel) + " (Dmin, dmax)", kTableCorner.x, y);
    y -= 2 * kTextHeight;
    driver.CadText("s max: " + chart(ChartText::GroesstesSpiel) + " (Dmax, dmin)", kTableCorner.x, y);
}

}  // namespace

void DrawClearanceRange(Driver& driver, const DrawingData& data, const ClearanceRange& range) {
    RangeTable table(data, range);
    ResultRows(table, data, range);
    CheckRows(table, data);
    const std::string& remark = data.title.remarks[0];
    std::string title = text::Chart(data.texts, ChartText::Spielbereich);
    if (!remark.empty()) title += ": " + remark;
    table.Draw(driver, title);
    Legend(driver, data, table.Bottom());
    MessageTables(driver, data, range);
    driver.CadColor(0);
}

void DrawClearanceRangeView(Driver& driver, const DrawingData& data, const ClearanceRange& range,
                            int device) {
    driver.CadOpen(device);
    if (driver.Abort()) return;
    driver.CadColor(0);
    const Rect& limits = kClearanceRangeLimits;
    driver.CadLimits(limits.x1, limits.y1, limits.x2, limits.y2);
    driver.CadTables(2);
    driver.CadEntitiesBegin();
    DrawClearanceRange(driver, data, range);
    driver.CadEndSection();
    driver.CadClose();
}

}  // namespace trb::graphics
