#include "graphics/drawing_film.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "film/case_film.h"
#include "film/case_supply.h"
#include "graphics/diagram_frame.h"
#include "graphics/drawing_film_tables.h"
#include "graphics/driver.h"
#include "graphics/film_map.h"
#include "text/film_texts.h"
#include "text/format.h"

namespace trb::graphics {

namespace {

using text::FilmText;

constexpr int kTextPen = 4;
constexpr int kOutlinePen = 23;  // dark blue: the bore, the contour lines, the map's frame
constexpr int kCurvePen = 20;    // blue: the middle-plane pressure
constexpr int kLoadPen = 16;     // red: the load, p max
constexpr int kJournalPen = 18;  // green: the journal centre and h0
constexpr int kSupplyPen = 21;   // magenta: the supply feature, the film-start line

// The polar diagram: the bore's centre and radius, and how far out the highest pressure reaches.
constexpr Point kPolarCentre{78, 110};
constexpr real kBoreRadius = 36;
constexpr real kPressureReach = 30;
// The colour map of the developed surface and its legend.
constexpr Rect kMapArea{165, 148, 285, 183};
constexpr real kLegendY = 134;
constexpr real kLegendHeight = 3.5L;
constexpr int kMapColumns = 180;  // 2° steps round the bore

constexpr real kDegree = std::numbers::pi_v<real> / 180;

void Text(Driver& driver, real height, real x, real y, const std::string& text) {
    driver.CadTextStyle(2, 0, height, 0.75L * height);
    driver.CadText(text, x, y);
}

// A point of the polar diagram: angle φ from the load (which points down), counted counter-clockwise
// on the sheet, the direction of rotation.
Point Polar(real radius, real phiDegrees) {
    return {kPolarCentre.x + radius * std::sin(phiDegrees * kDegree),
            kPolarCentre.y - radius * std::cos(phiDegrees * kDegree)};
}

std::string Number(real x, int significant, const text::FormatOptions& format) {
    const text::Layout layout = text::SignificantLayout(x, significant);
    text::FormatOptions plain = format;
    plain.decimals = 3;
    return text::TrimText(text::FormatFixed(x, 0, layout.decimals, plain));
}

void DrawRotationArrow(Driver& driver, const text::LanguageTexts& texts) {
    // An arc outside the pressure's reach from 200° to 250°, its head pointing onwards.
    const real r = kBoreRadius + 7;
    const real from = 200, to = 245;
    driver.CadColor(kTextPen);
    // Sheet angles: φ turns counter-clockwise from straight down, that is from −90°.
    driver.CadArc(kPolarCentre.x, kPolarCentre.y, from - 90, to - 90, r);
    // The head at the arc's end points along the turning, its shaft back along the arc.
    const Point tip = Polar(r, to + 3);
    driver.CadArrow(to + 3 + 180, tip.x, tip.y);
    const Point label = Polar(r + 3, 222);
    Text(driver, 2.5L, label.x - 22, label.y + 2, text::Film(texts, FilmText::Drehrichtung));
}

void DrawLoad(Driver& driver, const text::LanguageTexts& texts) {
    driver.CadColor(kLoadPen);
    const real y0 = kPolarCentre.y - 6, y1 = kPolarCentre.y - kBoreRadius + 4;
    driver.CadLine(kPolarCentre.x, y0, kPolarCentre.x, y1);
    driver.CadArrow(90, kPolarCentre.x, y1);
    // Left of the arrow, clear of the 0° mark at its head and of h0 on the right.
    Text(driver, 2.5L, kPolarCentre.x - 22, kPolarCentre.y - 20,
         "F (" + text::Film(texts, FilmText::Last) + ", 0\xF8)");
}

void DrawPolar(Driver& driver, const DrawingData& data, const film::CaseFilm& f) {
    const text::FormatOptions& format = data.settings.format;
    // The bore and its angle marks every 30°.
    driver.CadColor(kOutlinePen);
    driver.CadCircle(kPolarCentre.x, kPolarCentre.y, kBoreRadius);
    for (int a = 0; a < 360; a += 30) {
        const Point p = Polar(kBoreRadius, a), q = Polar(kBoreRadius - (a % 90 == 0 ? 3 : 1.5L), a);
        driver.CadLine(p.x, p.y, q.x, q.y);
        if (a % 90 == 0) {
            // In the text's pen: the outline's dark blue does not read on a black screen.
            const Point t = Polar(kBoreRadius - 7, a);
            driver.CadColor(kTextPen);
            Text(driver, 2.2L, t.x - 2.5L, t.y - 1, text::IntText(a) + "\xF8");
            driver.CadColor(kOutlinePen);
        }
    }
    const std::size_t n = f.angles.size();
    if (n < 2 || f.middlePlane.size() != n || !(f.pmax > 0)) return;
    const real scale = kPressureReach / static_cast<real>(f.pmax);
    // The pressure outward from the bore, a closed curve, with radial lines every fourth column.
    driver.CadColor(kCurvePen);
    for (std::size_t i = 0; i <= n; ++i) {
        const std::size_t k = i % n;
        const Point p = Polar(kBoreRadius + scale * f.middlePlane[k], f.angles[k]);
        if (i == 0) {
            driver.CadMoveTo(p.x, p.y);
        } else {
            driver.CadLineTo(p.x, p.y);
        }
    }
    for (std::size_t i = 0; i < n; i += 4) {
        if (!(f.middlePlane[i] > 0)) continue;
        const Point a = Polar(kBoreRadius, f.angles[i]);
        const Point b = Polar(kBoreRadius + scale * f.middlePlane[i], f.angles[i]);
        driver.CadLine(a.x, a.y, b.x, b.y);
    }
    // p max on the curve.
    driver.CadColor(kLoadPen);
    const Point peak = Polar(kBoreRadius + kPressureReach, f.pmaxAngle);
    driver.CadCircle(peak.x, peak.y, 1.2L);
    const Point label = Polar(kBoreRadius + kPressureReach + 5, f.pmaxAngle);
    Text(driver, 2.5L, label.x - (label.x < kPolarCentre.x ? 30 : 0), label.y,
         "p max = " + Number(f.pmax, 3, format) + " MPa, " + Number(f.pmaxAngle, 3, format) + "\xF8");
    // The journal centre, its eccentricity drawn a quarter of the bore's radius per unit of ε, and the
    // thinnest film h0 at β on the bore.
    driver.CadColor(kJournalPen);
    const real e = static_cast<real>(f.eccentricity) * kBoreRadius / 4;
    const Point centre = Polar(e, f.attitudeAngle);
    driver.CadLine(kPolarCentre.x, kPolarCentre.y, Polar(kBoreRadius, f.attitudeAngle).x,
                   Polar(kBoreRadius, f.attitudeAngle).y);
    driver.CadCircle(centre.x, centre.y, 1.2L);
    driver.CadLine(centre.x - 2.5L, centre.y, centre.x + 2.5L, centre.y);
    driver.CadLine(centre.x, centre.y - 2.5L, centre.x, centre.y + 2.5L);
    const Point h0 = Polar(kBoreRadius - 11, f.attitudeAngle);
    Text(driver, 2.5L, h0.x - 9, h0.y, "h0 = " + Number(f.h0 * 1000, 3, format) + " \xE6m");
    Text(driver, 2.2L, 12, 175,
         text::Film(data.texts, FilmText::Wellenmitte) + ": epsilon = " + Number(f.eccentricity, 3, format) +
             ", beta = " + Number(f.attitudeAngle, 3, format) + "\xF8");
    // The bearing centre.
    driver.CadColor(kOutlinePen);
    driver.CadLine(kPolarCentre.x - 4, kPolarCentre.y, kPolarCentre.x + 4, kPolarCentre.y);
    driver.CadLine(kPolarCentre.x, kPolarCentre.y - 4, kPolarCentre.x, kPolarCentre.y + 4);
}

// The map's drawing coordinates of an angle (°) and a width position Z.
Point MapPoint(real angle, real z) {
    return {kMapArea.x1 + angle / 360 * (kMapArea.x2 - kMapArea.x1),
            kMapArea.y1 + (z + 1) / 2 * (kMapArea.y2 - kMapArea.y1)};
}

void ClippedLine(Driver& driver, Point a, Point b) {
    real x1 = a.x, y1 = a.y, x2 = b.x, y2 = b.y;
    if (ClipLine(kMapArea, x1, y1, x2, y2)) driver.CadLine(x1, y1, x2, y2);
}

// The supply areas' outlines, once more a turn to either side so that a feature across 0° shows on
// both edges; or the film-start line.
void DrawSupply(Driver& driver, const DrawingData& data) {
    film::FilmProblem problem;
    if (film::CaseFilmStart(data.record, 0, problem) != film::FilmFault::None) return;
    driver.CadColor(kSupplyPen);
    if (problem.start.kind == film::FilmStart::Kind::LineAtAngle) {
        const real angle = static_cast<real>(problem.start.angle) / kDegree;
        ClippedLine(driver, MapPoint(angle, -1), MapPoint(angle, 1));
        const Point label = MapPoint(angle, 1);
        Text(driver, 2.2L, label.x - 8, label.y + 1.5L, text::Film(data.texts, FilmText::Filmbeginn));
        return;
    }
    for (const film::SupplyArea& area : problem.areas) {
        const real centre = static_cast<real>(area.centre) / kDegree;
        const real half = std::min<real>(static_cast<real>(area.halfAngle) / kDegree, 180);
        const real width = static_cast<real>(area.halfWidth);
        for (int turn = -1; turn <= 1; ++turn) {
            const real c = std::fmod(centre, 360) + 360 * turn;
            if (area.shape == film::SupplyArea::Shape::Rectangle) {
                const Point a = MapPoint(c - half, -width), b = MapPoint(c + half, width);
                ClippedLine(driver, a, {b.x, a.y});
                ClippedLine(driver, {b.x, a.y}, b);
                ClippedLine(driver, b, {a.x, b.y});
                ClippedLine(driver, {a.x, b.y}, a);
                continue;
            }
            constexpr int kSteps = 48;
            for (int s = 0; s < kSteps; ++s) {
                const real t0 = 2 * std::numbers::pi_v<real> * s / kSteps;
                const real t1 = 2 * std::numbers::pi_v<real> * (s + 1) / kSteps;
                ClippedLine(driver, MapPoint(c + half * std::cos(t0), width * std::sin(t0)),
                            MapPoint(c + half * std::cos(t1), width * std::sin(t1)));
            }
        }
    }
    const Point label = MapPoint(0, 1);
    Text(driver, 2.2L, label.x, label.y + 1.5L,
         text::Film(data.texts, FilmText::Zufuhr) +
             " (pE = " + Number(data.record.pe, 3, data.settings.format) + " MPa)");
}

void DrawLegend(Driver& driver, const text::FormatOptions& format, real pmax, const AxisLimits& levels) {
    const real x1 = kMapArea.x1, x2 = kMapArea.x2;
    constexpr int kSteps = 60;
    const real w = (x2 - x1) / kSteps;
    for (int s = 0; s < kSteps; ++s) {
        const Rgb c = RampColor((s + 0.5) / kSteps);
        driver.CadSolidColor(c.red, c.green, c.blue);
        const real a = x1 + w * s, b = x1 + w * (s + 1) + 0.05L;
        driver.CadSolid(a, kLegendY, b, kLegendY, a, kLegendY + kLegendHeight, b, kLegendY + kLegendHeight);
    }
    driver.CadColor(kOutlinePen);
    driver.CadRectangle(x1, kLegendY, x2, kLegendY + kLegendHeight);
    for (real p = 0; p <= pmax * (1 + 1e-9L); p += levels.step) {
        const real x = x1 + p / pmax * (x2 - x1);
        driver.CadLine(x, kLegendY, x, kLegendY - 1);
        driver.CadColor(kTextPen);
        Text(driver, 2, x - 2, kLegendY - 4, Number(p, 3, format));
        driver.CadColor(kOutlinePen);
    }
    driver.CadColor(kTextPen);
    Text(driver, 2.2L, x2 + 2, kLegendY, "p [MPa]");
}

void DrawMap(Driver& driver, const DrawingData& data, const film::CaseFilm& f) {
    const text::FormatOptions& format = data.settings.format;
    driver.CadColor(kTextPen);
    Text(driver, 2.5L, kMapArea.x1, kMapArea.y2 + 6, text::Film(data.texts, FilmText::Abgewickelt));
    const int rows = static_cast<int>(f.z.size());
    const NodeField field = ResampleRound(f.angles, rows, f.pressure, kMapColumns);
    if (field.columns > 0 && f.pmax > 0) {
        const real pmax = static_cast<real>(f.pmax);
        // One solid per cell in the colour of its mean, a little wider than the cell so that no seam
        // of the background shows between neighbours. Cells without pressure take the ramp's lowest
        // colour too: left blank, they read as a hole on a black screen.
        const real dx = (kMapArea.x2 - kMapArea.x1) / (field.columns - 1);
        for (int i = 0; i + 1 < field.columns; ++i) {
            for (int k = 0; k + 1 < rows; ++k) {
                const double mean =
                    (field.At(i, k) + field.At(i + 1, k) + field.At(i, k + 1) + field.At(i + 1, k + 1)) / 4;
                const Rgb c = RampColor(std::max(mean, 0.0) / static_cast<double>(f.pmax));
                driver.CadSolidColor(c.red, c.green, c.blue);
                const Point a = MapPoint(static_cast<real>(i) * 360 / (field.columns - 1),
                                         f.z[static_cast<std::size_t>(k)]);
                const Point b = MapPoint(static_cast<real>(i + 1) * 360 / (field.columns - 1),
                                         f.z[static_cast<std::size_t>(k + 1)]);
                const real right = std::min(b.x + 0.02L * dx, kMapArea.x2);
                const real top = std::min(b.y + 0.05L, kMapArea.y2);
                driver.CadSolid(a.x, a.y, right, a.y, a.x, top, right, top);
            }
        }
        // Contour lines at the legend's steps.
        const AxisLimits levels = NiceAxisLimits(0, pmax, 8);
        driver.CadColor(kOutlinePen);
        const auto at = [&](double gx, double gy) {
            const auto k0 = static_cast<std::size_t>(std::clamp(std::floor(gy), 0.0, rows - 2.0));
            const real t = static_cast<real>(gy) - static_cast<real>(k0);
            const real z = f.z[k0] + t * (f.z[k0 + 1] - f.z[k0]);
            return MapPoint(static_cast<real>(gx) * 360 / (field.columns - 1), z);
        };
        for (real level = levels.step; level < pmax; level += levels.step) {
            for (const GridSegment& s : ContourSegments(field, static_cast<double>(level))) {
                const Point a = at(s.x1, s.y1), b = at(s.x2, s.y2);
                driver.CadLine(a.x, a.y, b.x, b.y);
            }
        }
        DrawLegend(driver, format, pmax, levels);
    }
    DrawSupply(driver, data);
    // The frame with its angle marks.
    driver.CadColor(kOutlinePen);
    driver.CadRectangle(kMapArea.x1, kMapArea.y1, kMapArea.x2, kMapArea.y2);
    for (int a = 0; a <= 360; a += 90) {
        const Point p = MapPoint(a, -1);
        driver.CadLine(p.x, p.y, p.x, p.y - 1.5L);
        driver.CadColor(kTextPen);
        Text(driver, 2, p.x - 2, p.y - 4.5L, text::IntText(a));
        driver.CadColor(kOutlinePen);
    }
    driver.CadColor(kTextPen);
    Text(driver, 2, kMapArea.x1 - 6, kMapArea.y1 - 0.8L, "-1");
    Text(driver, 2, kMapArea.x1 - 5, kMapArea.y2 - 1.2L, "1");
    Text(driver, 2.2L, kMapArea.x1 + 35, kMapArea.y1 - 8.5L, text::Film(data.texts, FilmText::Winkel));
    driver.CadTextStyle(2, 90, 2.2L, 1.65L);
    driver.CadText(text::Film(data.texts, FilmText::Breite), kMapArea.x1 - 8, kMapArea.y1 + 2);
}

}  // namespace

void DrawFilmSheet(Driver& driver, const DrawingData& data, const film::CaseFilm* f) {
    const text::LanguageTexts& texts = data.texts;
    driver.CadColor(kTextPen);
    driver.CadRectangle(kFilmSheet.x1 + 5, kFilmSheet.y1 + 5, kFilmSheet.x2 - 5, kFilmSheet.y2 - 5);
    Text(driver, 5, 12, 195, text::Film(texts, FilmText::Druckverteilung));
    Text(driver, 2.2L, 12, 189, text::Film(texts, FilmText::Modell));
    if (f == nullptr) {
        Text(driver, 3.5L, 90, 105, text::Film(texts, FilmText::WirdBerechnet));
        return;
    }
    const bool solved = f->fault == film::FilmFault::None;
    if (solved) {
        Text(driver, 2.5L, 12, 180, text::Film(texts, FilmText::Mittelebene));
        DrawPolar(driver, data, *f);
        DrawLoad(driver, texts);
        DrawRotationArrow(driver, texts);
        DrawMap(driver, data, *f);
    } else {
        driver.CadColor(kLoadPen);
        Text(driver, 3.5L, 12, 170, text::Film(texts, FilmText::KeinErgebnis));
        Text(driver, 3, 12, 163, FilmFaultReason(texts, f->fault));
    }
    DrawFilmTables(driver, data, *f);
}

}  // namespace trb::graphics
