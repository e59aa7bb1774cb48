#include "graphics/diagram_coefficients.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>

#include "graphics/diagram_frame.h"
#include "graphics/driver.h"
#include "graphics/plot_pen.h"
#include "text/chart_texts.h"
#include "text/film_texts.h"
#include "text/format.h"

namespace trb::graphics {

namespace {

using text::ChartText;
using text::FilmText;

constexpr int kTextPen = 4;
constexpr int kFailedPen = 16;  // red: the marks of failed films
// Row x of a matrix blue, row y green; the diagonal terms solid, the cross terms dashed.
constexpr std::array<std::array<int, 2>, 2> kTermPens = {{{20, 20}, {18, 18}}};
constexpr int kRotorPen = 21;  // magenta
constexpr real kMarkSize = 1.2L;

// The plot areas: stiffness and damping side by side above, the stability below on the left.
constexpr Rect kStiffnessPlot{20, 122, 130, 192};
constexpr Rect kDampingPlot{172, 122, 282, 192};
constexpr Rect kStabilityPlot{20, 20, 130, 90};

const char* const kTermNames[2][2] = {{"xx", "xy"}, {"yx", "yy"}};

// One curve: a value of a solved point, or nothing where the point has none.
using Curve = std::function<std::optional<real>(const CoefficientPoint&)>;

real Swept(core::SweptQuantity quantity, real value, const text::FormatOptions& format) {
    return quantity == core::SweptQuantity::Load ? text::ForceValue(value, format) : value;
}

std::string SweptLabel(core::SweptQuantity quantity, const text::FormatOptions& format) {
    return quantity == core::SweptQuantity::Load ? "F [" + text::ForceUnit(format) + "]" : "nS [1/s]";
}

DiagramLimits DataRange(const CoefficientSweep& sweep, const std::vector<Curve>& curves,
                        const text::FormatOptions& format, bool positive) {
    const core::SweepRange& range = sweep.range;
    DiagramLimits limits{Swept(range.quantity, range.from, format), Swept(range.quantity, range.to, format),
                         0, 1};
    bool any = false;
    real low = 0, high = 0;
    for (const CoefficientPoint& point : sweep.points) {
        if (point.failed) continue;
        for (const Curve& curve : curves) {
            const std::optional<real> v = curve(point);
            if (!v || !std::isfinite(*v) || (positive && !(*v > 0))) continue;
            low = any ? std::min(low, *v) : *v;
            high = any ? std::max(high, *v) : *v;
            any = true;
        }
    }
    if (!any) return positive ? DiagramLimits{limits.xmin, limits.xmax, 0.1L, 10} : limits;
    limits.ymin = positive ? low : std::min<real>(0, low);
    limits.ymax = high;
    return limits;
}

// A curve with a gap wherever the point has no value.
void DrawCurve(Driver& driver, const DiagramFrame& frame, const CoefficientSweep& sweep, const Curve& curve,
               bool dashed, const text::FormatOptions& format) {
    PlotPen pen(driver, frame.PlotArea(), dashed);
    bool down = false;
    for (const CoefficientPoint& point : sweep.points) {
        const std::optional<real> v = point.failed ? std::nullopt : curve(point);
        if (!v || !std::isfinite(*v)) {
            down = false;
            continue;
        }
        const Point p{frame.X(Swept(sweep.range.quantity, point.value, format)), frame.Y(*v)};
        if (down) {
            pen.LineTo(p);
        } else {
            pen.MoveTo(p);
            down = true;
        }
    }
}

// A cross on the x axis at every point whose film failed.
void FailedMarks(Driver& driver, const DiagramFrame& frame, const CoefficientSweep& sweep,
                 const text::FormatOptions& format) {
    const Rect area = frame.PlotArea();
    driver.CadColor(kFailedPen);
    for (const CoefficientPoint& point : sweep.points) {
        if (!point.failed) continue;
        const real x = frame.X(Swept(sweep.range.quantity, point.value, format));
        if (x < area.x1 || x > area.x2) continue;
        const real y = area.y1 + kMarkSize;
        driver.CadLine(x - kMarkSize, y - kMarkSize, x + kMarkSize, y + kMarkSize);
        driver.CadLine(x - kMarkSize, y + kMarkSize, x + kMarkSize, y - kMarkSize);
    }
}

// One matrix's four terms over the sweep.
void MatrixChart(Driver& driver, const DrawingData& data, const CoefficientSweep& sweep, const Rect& plot,
                 const std::string& title, bool damping) {
    const text::FormatOptions& format = data.settings.format;
    std::array<std::array<Curve, 2>, 2> terms;
    std::vector<Curve> all;
    for (std::size_t i = 0; i < 2; ++i) {
        for (std::size_t j = 0; j < 2; ++j) {
            terms[i][j] = [i, j, damping](const CoefficientPoint& p) -> std::optional<real> {
                const film::Matrix2& m = damping ? p.coefficients.damping : p.coefficients.stiffness;
                return static_cast<real>(m[i][j]);
            };
            all.push_back(terms[i][j]);
        }
    }
    DiagramFrame frame(driver);
    frame.SetPlotArea(plot.x1, plot.y1, plot.x2 - plot.x1, plot.y2 - plot.y1);
    DiagramFrameRequest request;
    request.title = title;
    request.xLabel = SweptLabel(sweep.range.quantity, format);
    request.data = DataRange(sweep, all, format, false);
    if (!frame.DrawDiagramFrame(request, format, nullptr, false)) return;
    for (std::size_t i = 0; i < 2; ++i) {
        for (std::size_t j = 0; j < 2; ++j) {
            driver.CadColor(kTermPens[i][j]);
            DrawCurve(driver, frame, sweep, terms[i][j], i != j, format);
        }
    }
    FailedMarks(driver, frame, sweep, format);
}

// The critical mass parameter where there is a threshold, and the rotor's own: where they cross the
// rotor starts to whirl.
void StabilityChart(Driver& driver, const DrawingData& data, const CoefficientSweep& sweep) {
    const text::FormatOptions& format = data.settings.format;
    const Curve critical = [](const CoefficientPoint& p) -> std::optional<real> {
        if (!p.stability.threshold) return std::nullopt;
        return p.stability.criticalMass;
    };
    const Curve rotor = [](const CoefficientPoint& p) -> std::optional<real> {
        return p.stability.massParameter;
    };
    DiagramFrame frame(driver);
    frame.SetPlotArea(kStabilityPlot.x1, kStabilityPlot.y1, kStabilityPlot.x2 - kStabilityPlot.x1,
                      kStabilityPlot.y2 - kStabilityPlot.y1);
    DiagramFrameRequest request;
    request.title = "M c, M";
    request.xLabel = SweptLabel(sweep.range.quantity, format);
    request.yScale = AxisScale::Logarithmic;
    request.data = DataRange(sweep, {critical, rotor}, format, true);
    if (!frame.DrawDiagramFrame(request, format, nullptr, false)) return;
    driver.CadColor(kTermPens[0][0]);
    DrawCurve(driver, frame, sweep, critical, false, format);
    driver.CadColor(kRotorPen);
    DrawCurve(driver, frame, sweep, rotor, true, format);
    FailedMarks(driver, frame, sweep, format);
}

void Sample(Driver& driver, Point at, int pen, bool dashed, real height) {
    driver.CadColor(pen);
    PlotPen stroke(driver, {at.x, at.y - height, at.x + 10, at.y + 2 * height}, dashed);
    stroke.MoveTo({at.x, at.y + 0.4L * height});
    stroke.LineTo({at.x + 9, at.y + 0.4L * height});
    driver.CadColor(kTextPen);
}

void Legend(Driver& driver, const DrawingData& data, const CoefficientSweep& sweep) {
    const text::FormatOptions& format = data.settings.format;
    const auto film = [&data](FilmText id) { return text::Film(data.texts, id); };
    const auto chart = [&data](ChartText id) { return text::Chart(data.texts, id); };
    constexpr real kHeight = 2.4L;
    constexpr real kX = 172;
    real y = 95;
    const auto write = [&](const std::string& text, real indent = 0) {
        driver.CadText(text, kX + indent, y);
        y -= 2 * kHeight;
    };
    driver.CadColor(kTextPen);
    driver.CadTextStyle(2, 0, 1.4L * kHeight, 1.05L * kHeight);
    write(film(FilmText::Koeffizienten));
    driver.CadTextStyle(2, 0, kHeight, 0.75L * kHeight);
    if (!data.title.remarks[0].empty()) write(data.title.remarks[0]);
    const core::SweepRange& range = sweep.range;
    write((range.quantity == core::SweptQuantity::Load ? "F" : "nS") + std::string(" = ") +
          text::FormatShort(Swept(range.quantity, range.from, format), format) + " ... " +
          text::FormatShort(Swept(range.quantity, range.to, format), format) + " " +
          (range.quantity == core::SweptQuantity::Load ? text::ForceUnit(format) : std::string("1/s")) +
          ", " + text::IntText(range.steps) + " " + chart(ChartText::Schritte) + ", " +
          chart(ChartText::MittleresSpiel));
    driver.CadTextStyle(2, 0, 0.8L * kHeight, 0.6L * kHeight);
    write(film(FilmText::Achsen));
    driver.CadTextStyle(2, 0, kHeight, 0.75L * kHeight);
    write("K = k C/F, B = d C w/F (" + film(FilmText::Dimensionslos) + ")");
    y -= kHeight;
    for (std::size_t i = 0; i < 2; ++i) {
        for (std::size_t j = 0; j < 2; ++j) {
            Sample(driver, {kX, y}, kTermPens[i][j], i != j, kHeight);
            write(std::string("K ") + kTermNames[i][j] + ", B " + kTermNames[i][j], 11);
        }
    }
    Sample(driver, {kX, y}, kTermPens[0][0], false, kHeight);
    write("M c: " + film(FilmText::KritischeMasse), 11);
    Sample(driver, {kX, y}, kRotorPen, true, kHeight);
    write("M: " + film(FilmText::Massenparameter), 11);
    const auto failed = std::count_if(sweep.points.begin(), sweep.points.end(),
                                      [](const CoefficientPoint& p) { return p.failed; });
    if (failed > 0) {
        driver.CadColor(kFailedPen);
        const real x = kX + 4.5L, my = y + 0.4L * kHeight;
        driver.CadLine(x - kMarkSize, my - kMarkSize, x + kMarkSize, my + kMarkSize);
        driver.CadLine(x - kMarkSize, my + kMarkSize, x + kMarkSize, my - kMarkSize);
        write(text::IntText(static_cast<int>(failed)) + " " + chart(ChartText::Punkte) + ": " +
                  film(FilmText::Fehlgeschlagen),
              11);
        driver.CadColor(kTextPen);
    }
}

}  // namespace

CoefficientSweep SolveCoefficientSweep(const core::OperatingSweep& sweep, const film::Progress& progress,
                                       bool* stopped) {
    CoefficientSweep result;
    result.range = sweep.range;
    result.points.resize(sweep.points.size());
    if (stopped) *stopped = false;
    film::CaseFilmOptions options;
    options.coefficients = true;
    for (std::size_t i = 0; i < sweep.points.size(); ++i) result.points[i].value = sweep.points[i].value;
    for (std::size_t i = 0; i < sweep.points.size(); ++i) {
        CoefficientPoint& point = result.points[i];
        if (progress && !progress(static_cast<double>(i) / static_cast<double>(sweep.points.size()))) {
            if (stopped) *stopped = true;
            break;
        }
        const core::CaseRun& run = sweep.points[i].At(core::Clearance::Mean);
        if (core::PointFailed(run)) continue;
        const film::CaseFilm f = film::SolveCaseFilm(run.record, run.status, options);
        if (f.fault != film::FilmFault::None || !f.hasCoefficients) continue;
        point.failed = false;
        point.coefficients = f.dimensionless;
        point.stability = f.stability;
    }
    return result;
}

Rect CoefficientChartLimits() {
    return {0, 0, 297, 210};
}

void WriteCoefficientCharts(Driver& driver, const DrawingData& data, const CoefficientSweep& sweep) {
    const Rect sheet = CoefficientChartLimits();
    driver.CadLimits(sheet.x1, sheet.y1, sheet.x2, sheet.y2);
    driver.CadTables(2);
    driver.CadEntitiesBegin();
    const auto film = [&data](FilmText id) { return text::Film(data.texts, id); };
    MatrixChart(driver, data, sweep, kStiffnessPlot, "K: " + film(FilmText::Steifigkeit), false);
    MatrixChart(driver, data, sweep, kDampingPlot, "B: " + film(FilmText::Daempfung), true);
    StabilityChart(driver, data, sweep);
    Legend(driver, data, sweep);
    driver.CadColor(0);
    driver.CadEndSection();
}

void DrawCoefficientCharts(Driver& driver, const DrawingData& data, const CoefficientSweep& sweep,
                           int device) {
    driver.CadOpen(device);
    if (driver.Abort()) return;
    WriteCoefficientCharts(driver, data, sweep);
    driver.CadClose();
}

}  // namespace trb::graphics
