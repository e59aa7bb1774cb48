#include "graphics/drawing_film_tables.h"

#include <cmath>
#include <string>

#include "film/case_film.h"
#include "graphics/driver.h"
#include "text/film_texts.h"
#include "text/format.h"

namespace trb::graphics {

namespace {

using text::FilmText;

static_assert(static_cast<int>(FilmText::FehlerAbgebrochen) - static_cast<int>(FilmText::FehlerDinLauf) + 1 ==
                  static_cast<int>(film::FilmFault::Cancelled),
              "one reason for every fault");

constexpr int kTextPen = 4;
constexpr int kStablePen = 18;
constexpr int kUnstablePen = 16;
constexpr real kRow = 4.4L;
constexpr real kHeight = 2.5L;
// The comparison table's columns and top.
constexpr real kTableX = 165;
constexpr real kTableTop = 124;
constexpr real kColumns[] = {0, 30, 58, 86};
// The coefficient blocks' top and the lower left notes' top.
constexpr real kCoefficientsTop = 90;
constexpr real kNotesX = 12;
constexpr real kNotesTop = 32;

void Text(Driver& driver, real x, real y, const std::string& text, real height = kHeight) {
    driver.CadTextStyle(2, 0, height, 0.75L * height);
    driver.CadText(text, x, y);
}

std::string Number(real x, int significant, const text::FormatOptions& format) {
    if (!std::isfinite(static_cast<double>(x))) return "-";
    const text::Layout layout = text::SignificantLayout(x, significant);
    text::FormatOptions plain = format;
    plain.decimals = 3;
    return text::TrimText(text::FormatFixed(x, 0, layout.decimals, plain));
}

// The film's value against the DIN run's, in percent of the DIN value.
std::string Deviation(real film, real din, const text::FormatOptions& format) {
    if (!(std::fabs(din) > 0)) return "";
    const real percent = (film - din) / din * 100;
    return (percent >= 0 ? "+" : "") + Number(percent, 2, format) + " %";
}

struct Row {
    std::string name;
    real din = 0;
    real film = 0;
    bool hasDin = true;
    bool hasFilm = true;
};

void DrawComparison(Driver& driver, const DrawingData& data, const film::CaseFilm& f) {
    const text::FormatOptions& format = data.settings.format;
    const text::LanguageTexts& texts = data.texts;
    const bool solved = f.fault == film::FilmFault::None;
    const film::DinValues& din = f.din;
    const Row rows[] = {
        {"epsilon", din.epsilon, f.eccentricity},
        {"h0 [\xE6m]", din.h0 * 1000, f.h0 * 1000},
        // The DIN procedure gives the attitude angle only through its approximation; the film's own.
        {"beta [\xF8]", 0, f.attitudeAngle, false},
        {"So", din.so, f.so},
        {"\xE6/psi", din.mupsi, f.mupsi},
        {text::Film(texts, FilmText::Durchsatz) + " [mm\xFC/s]", din.q, f.sideFlow},
    };
    real y = kTableTop;
    driver.CadColor(kTextPen);
    Text(driver, kTableX + kColumns[1], y, "DIN 31652");
    Text(driver, kTableX + kColumns[2], y, "Reynolds");
    Text(driver, kTableX + kColumns[3], y, text::Film(texts, FilmText::Abweichung));
    driver.CadLine(kTableX, y - 1.3L, kTableX + 120, y - 1.3L);
    for (const Row& row : rows) {
        y -= kRow;
        Text(driver, kTableX + kColumns[0], y, row.name);
        const bool showDin = f.hasDin && row.hasDin;
        if (showDin) Text(driver, kTableX + kColumns[1], y, Number(row.din, 4, format));
        if (solved && row.hasFilm) Text(driver, kTableX + kColumns[2], y, Number(row.film, 4, format));
        if (solved && showDin) Text(driver, kTableX + kColumns[3], y, Deviation(row.film, row.din, format));
    }
}

// One 2 by 2 block: its title, then rows x and y, columns x and y.
void DrawMatrix(Driver& driver, real x, real y, const std::string& title, const film::Matrix2& m, real factor,
                const text::FormatOptions& format) {
    Text(driver, x, y, title);
    Text(driver, x + 8, y - kRow, "x");
    Text(driver, x + 22, y - kRow, "y");
    for (std::size_t i = 0; i < 2; ++i) {
        const real row = y - kRow * static_cast<real>(i + 2);
        Text(driver, x, row, i == 0 ? "x" : "y");
        for (std::size_t j = 0; j < 2; ++j)
            Text(driver, x + 4 + 14 * static_cast<real>(j), row, Number(m[i][j] * factor, 4, format));
    }
}

void DrawCoefficients(Driver& driver, const DrawingData& data, const film::CaseFilm& f) {
    const text::FormatOptions& format = data.settings.format;
    const text::LanguageTexts& texts = data.texts;
    driver.CadColor(kTextPen);
    real y = kCoefficientsTop;
    Text(driver, kTableX, y, text::Film(texts, FilmText::Achsen), 2);
    y -= kRow + 1;
    const std::string steifigkeit = text::Film(texts, FilmText::Steifigkeit);
    const std::string daempfung = text::Film(texts, FilmText::Daempfung);
    const std::string lund = " (" + text::Film(texts, FilmText::Dimensionslos) + ")";
    DrawMatrix(driver, kTableX, y, steifigkeit + " k [N/\xE6m]", f.stiffness, 1e-6L, format);
    DrawMatrix(driver, kTableX + 62, y, daempfung + " d [Ns/\xE6m]", f.damping, 1e-6L, format);
    y -= 4 * kRow + 1;
    DrawMatrix(driver, kTableX, y, "K" + lund, f.dimensionless.stiffness, 1, format);
    DrawMatrix(driver, kTableX + 62, y, "B" + lund, f.dimensionless.damping, 1, format);
    y -= 4 * kRow + 1;
    const film::CaseStability& s = f.stability;
    driver.CadColor(s.stable ? kStablePen : kUnstablePen);
    std::string answer = text::Film(texts, s.stable ? FilmText::Stabil : FilmText::Instabil);
    answer += ", " + text::Film(texts, FilmText::Massenparameter) + " " + Number(s.massParameter, 3, format);
    Text(driver, kTableX, y, answer);
    driver.CadColor(kTextPen);
    y -= kRow;
    if (s.threshold) {
        Text(driver, kTableX, y,
             text::Film(texts, FilmText::Wirbelverhaeltnis) + " " + Number(s.whirlRatio, 3, format) + ", " +
                 text::Film(texts, FilmText::KritischeMasse) + " " + Number(s.criticalMass, 3, format));
    } else {
        Text(driver, kTableX, y, text::Film(texts, FilmText::KeineSchwelle));
    }
    if (!f.onset.searched) return;
    y -= kRow;
    const std::string onset = text::Film(texts, FilmText::Einsatzdrehzahl) + ": ";
    if (f.onset.speed) {
        Text(driver, kTableX, y, onset + Number(*f.onset.speed, 4, format) + " 1/s");
    } else {
        Text(driver, kTableX, y,
             onset + text::Film(texts, FilmText::KeinEinsatz) + " (" + Number(f.onset.from, 3, format) +
                 " .. " + Number(f.onset.to, 3, format) + " 1/s)");
    }
}

void DrawNotes(Driver& driver, const DrawingData& data, const film::CaseFilm& f) {
    const text::LanguageTexts& texts = data.texts;
    driver.CadColor(kTextPen);
    real y = kNotesTop;
    Text(driver, kNotesX, y,
         text::Film(texts, FilmText::Gitter) + " " + text::IntText(f.grid.circumferential) + " x " +
             text::IntText(f.grid.axial),
         2.2L);
    y -= kRow;
    const FilmText start = data.record.druckschmierung ? FilmText::StartZufuhr : FilmText::StartLinie;
    Text(driver, kNotesX, y, text::Film(texts, start), 2.2L);
}

}  // namespace

const std::string& FilmFaultReason(const text::LanguageTexts& texts, film::FilmFault fault) {
    static const std::string none;
    if (fault == film::FilmFault::None) return none;
    const int first = static_cast<int>(FilmText::FehlerDinLauf);
    return text::Film(texts, static_cast<FilmText>(first + static_cast<int>(fault) - 1));
}

void DrawFilmTables(Driver& driver, const DrawingData& data, const film::CaseFilm& f) {
    DrawComparison(driver, data, f);
    if (f.fault == film::FilmFault::None && f.hasCoefficients) DrawCoefficients(driver, data, f);
    DrawNotes(driver, data, f);
}

}  // namespace trb::graphics
