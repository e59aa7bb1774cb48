#include "graphics/drawing_views.h"

#include <algorithm>
#include <filesystem>
#include <string>

#include "graphics/diagram_viscosity.h"
#include "graphics/drawing_bearing.h"
#include "graphics/drawing_film.h"
#include "graphics/drawing_production.h"
#include "graphics/drawing_result_sheet.h"
#include "graphics/driver.h"
#include "text/film_texts.h"
#include "ui/dialogs.h"

namespace trb::graphics {

namespace {

using text::CalcText;

// Where the front view and the section stand on the production sheet.
constexpr Point kProductionFront{70, 200};
constexpr Point kProductionSection{130, 200};
constexpr Point kLimitSizeTable{25, 120};

std::string WithoutAmpersand(std::string text) {
    std::erase(text, '&');
    return text;
}

// Fills the view list; returns its title.
std::string FillViewList(ui::Dialogs& dialogs, const text::LanguageTexts& texts) {
    const std::string& bearing = texts.Calc(CalcText::Lager);
    auto& list = dialogs.choiceList;
    list[0] = WithoutAmpersand(texts.Menu(text::MenuCaption::Quick));
    list[1] = texts.Calc(CalcText::KinematischeViskositaet) + " nue = f(T)";
    list[2] = texts.Calc(CalcText::DynamischeViskositaet) + " eta = f(T)";
    list[3] = bearing + " VA";
    list[4] = bearing + " SA";
    list[5] = bearing + " VA+SA";
    list[6] = texts.Calc(CalcText::Fertigungszeichnung) + " " + bearing;
    list[7] = text::Film(texts, text::FilmText::Druckverteilung);
    list[8] = texts.Calc(CalcText::Zurueck) + " ..";
    return texts.Calc(CalcText::BitteWaehlen) + " ..";
}

void ShowRunMessages(ui::Dialogs& dialogs, const DrawingData& data, const core::RunStatus& status) {
    if (!data.userInterface) return;
    std::string text;
    for (int i = 1; i <= status.MessageCount(); ++i) {
        if (i > 1) text += "\n";
        text += status.Message(i);
    }
    dialogs.ShowTitledBox(data.texts.ProgramTitle(), text);
}

void DrawOnce(Driver& driver, ui::Dialogs& dialogs, const DrawingData& data, int device, int view) {
    if (view == kViewKinematicViscosity || view == kViewDynamicViscosity) {
        ViscosityDiagramOptions options;
        options.format = data.settings.format;
        options.askLimits = data.settings.enterDiagramLimits && data.userInterface;
        const int kind = view == kViewKinematicViscosity ? kDiagramKinematic : kDiagramDynamic;
        DrawViscosityDiagram(driver, dialogs, device, kind, data.record.nu40, 40, data.record.teff, options);
        return;
    }
    driver.CadOpen(device);
    if (driver.Abort()) return;
    WriteBearingView(driver, data, view);
    driver.CadClose();
}

// After a failed run the screen shows the run's messages on the result sheet, so that no earlier
// drawing stays up as if it were this case's.
void DrawFailedRun(Driver& driver, const DrawingData& data) {
    driver.CadOpen(kDeviceScreen);
    if (driver.Abort()) return;
    driver.CadColor(0);
    const Rect limits = ViewLimits(kViewResultSheet, data.record);
    driver.CadLimits(limits.x1, limits.y1, limits.x2, limits.y2);
    driver.CadTables(2);
    driver.CadBlocksBegin();
    driver.CadEndSection();
    driver.CadEntitiesBegin();
    DrawFailedRunSheet(driver, data);
    driver.CadEndSection();
    driver.CadClose();
}

}  // namespace

real ProductionScale(const core::TRBrecord& record) {
    const real largest = std::max(record.b, record.de);
    return largest > 0 ? 60 / largest : 1;
}

Rect ViewLimits(int view, const core::TRBrecord& record) {
    const real de = record.de, b = record.b, b0 = 0.6L * de;
    switch (view) {
        case kViewFront:
            return {-b0, -b0, b0, b0};
        case kViewSection:
            return {-0.1L * b, -1.3L * b0, 1.3L * b, 1.2L * b0};
        case kViewFrontAndSection:
            return {-b0, -1.3L * b0, 1.7L * b + b0, 1.2L * b0};
        case kViewProduction:
            return {-5, -5, 225, 310};
        case kViewFilm:
            return kFilmSheet;
        default:
            return {0, 0, 160, 120};
    }
}

void WriteBearingView(Driver& driver, const DrawingData& data, int view) {
    const core::TRBrecord& record = data.record;
    const text::FormatOptions& format = data.settings.format;
    driver.CadColor(0);
    const Rect limits = ViewLimits(view, record);
    driver.CadLimits(limits.x1, limits.y1, limits.x2, limits.y2);
    driver.CadTables(2);
    driver.CadBlocksBegin();
    if (view == kViewProduction) {
        driver.CadBlockBegin("FRAME_1");
        DrawTitleBlock(driver, data);
        driver.CadBlockEnd();
    }
    if (view == kViewFront || view == kViewFrontAndSection || view == kViewProduction) {
        driver.CadBlockBegin("VA");
        DrawFrontView(driver, record);
        driver.CadBlockEnd();
    }
    if (view == kViewSection || view == kViewFrontAndSection || view == kViewProduction) {
        driver.CadBlockBegin("SA");
        DrawSection(driver, record, format);
        driver.CadBlockEnd();
    }
    driver.CadEndSection();
    driver.CadEntitiesBegin();
    switch (view) {
        case kViewResultSheet:
            DrawResultSheet(driver, data);
            break;
        case kViewFront:
            DrawFrontView(driver, record);
            break;
        case kViewSection:
            DrawSection(driver, record, format);
            break;
        case kViewFrontAndSection:
            driver.CadInsert("VA", 1, 1, 0, 0, 0);
            driver.CadInsert("SA", 1, 1, 0, 0.7L * record.de, 0);
            break;
        case kViewProduction: {
            driver.CadInsert("FRAME_1", 1, 1, 0, 0, 0);
            const real k = ProductionScale(record);
            driver.CadInsert("VA", k, k, 0, kProductionFront.x, kProductionFront.y);
            driver.CadInsert("SA", k, k, 0, kProductionSection.x, kProductionSection.y);
            if (!record.toldb.empty()) DrawLimitSizeTable(driver, data, kLimitSizeTable.x, kLimitSizeTable.y);
            // The logo block exists only as a block file of the screen.
            const std::string logo = TempPath(driver.Settings(), "$logo_1.dx$");
            if (!data.settings.hideLogo && driver.DeviceCode() == kDeviceScreen &&
                std::filesystem::exists(logo)) {
                driver.CadInsert("logo_1", 1, 1, 0, 75, 10);
            }
            break;
        }
        case kViewFilm:
            DrawFilmSheet(driver, data, data.film ? data.film() : nullptr);
            break;
        default:
            break;
    }
    driver.CadEndSection();
}

void DrawBearingView(Driver& driver, ui::Dialogs& dialogs, const DrawingData& data, int device, int view) {
    if (driver.Status().calculationFailed) {
        if (device == kDeviceScreen) {
            DrawFailedRun(driver, data);
        } else {
            ShowRunMessages(dialogs, data, driver.Status());
        }
        return;
    }
    if (view != kViewAsk) {
        if (view >= kViewResultSheet && view < kViewEnd) DrawOnce(driver, dialogs, data, device, view);
        return;
    }
    int selection = kViewResultSheet;
    while (true) {
        const std::string title = FillViewList(dialogs, data.texts);
        dialogs.ChooseFromList(title, kViewEnd, selection, driver.Abort());
        if (driver.Abort() || selection < kViewResultSheet || selection >= kViewEnd) return;
        DrawOnce(driver, dialogs, data, device, selection);
        if (driver.Abort()) return;
    }
}

}  // namespace trb::graphics
