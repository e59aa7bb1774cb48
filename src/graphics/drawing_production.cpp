#include "graphics/drawing_production.h"

#include <algorithm>
#include <array>

#include "graphics/drawing_table.h"
#include "graphics/driver.h"
#include "text/cp850.h"
#include "text/format.h"

namespace trb::graphics {

namespace {

// Texts in code page 850.
constexpr std::array<const char*, 5> kNoticeEnglish = {
    "Copying of this document and giving it to other and the use",
    "or communication of the contents therof, are forbidden with-",
    "out express authority. Offenders are liable to the payment",
    "of damages. All rights are reserved in the event of the grant",
    "of a patent or the registration of a utility model or design.",
};
constexpr std::array<const char*, 5> kNoticeGerman = {
    "Weitergabe sowie Vervielf\x84ltigung dieser Unterlage, Ver-",
    "wertung und Mitteilung ihres Inhalts nicht gestattet, soweit",
    "nicht ausdr\x81"
    "cklich zugestanden. Zuwiderhandlungen verpflich-",
    "ten zu Schadensersatz. Alle Rechte f\x81r den Fall der Patent-",
    "erteilung oder Gebrauchsmuster-Eintragung vorbehalten.",
};
constexpr std::array<real, 5> kNoticeX = {4, 6.7L, 9.4L, 12.1L, 14.8L};

void FrameLines(Driver& driver) {
    driver.CadColor(5);
    driver.CadRectangle(18, 5, 205, 292);
    driver.CadLine(18, 43, 205, 43);

    driver.CadColor(4);
    driver.CadLine(73, 5, 73, 43);
    driver.CadLine(116, 5, 116, 43);
    driver.CadLine(73, 22, 205, 22);
    driver.CadLine(192, 9.4L, 192, 22);

    driver.CadColor(3);
    driver.CadRectangle(0, 0, 210, 297);
    for (int i = 1; i <= 8; ++i) driver.CadLine(18, 43 - 4.2L * i, 73, 43 - 4.2L * i);
    for (int i = 1; i <= 4; ++i) driver.CadLine(73, 43 - 4.2L * i, 116, 43 - 4.2L * i);
    for (real x : {26.0L, 52.0L, 65.0L}) driver.CadLine(x, 5, x, 43);
    for (real x : {82.0L, 98.0L}) driver.CadLine(x, 22, x, 43);
    driver.CadLine(73, 9.4L, 205, 9.4L);
    driver.CadLine(160, 5, 160, 9.4L);
    driver.CadLine(192, 14, 205, 14);
    driver.CadLine(0, 148.5L, 15, 148.5L);
}

void FixedTexts(Driver& driver, const DrawingData& data) {
    driver.CadTextStyle(2, 0, 1.6L, 1.3L);
    driver.CadText("Zust.", 19, 6);
    driver.CadText("\x8Enderung", 30, 6);
    driver.CadText("Datum", 54, 6);
    driver.CadText("Name", 65.6L, 6);

    driver.CadTextStyle(2, 0, 1.8L, 1.5L);
    driver.CadText("Datum", 85, 39.8L);
    driver.CadText("Name", 100, 39.8L);
    const std::string release = data.settings.releaseText.empty() ? "Frei" : data.settings.releaseText;
    const std::array<std::string, 4> rowNames = {"Bearb.", "Gepr.", "Norm", release};
    constexpr std::array<real, 4> labelY = {35.6L, 31.4L, 27.2L, 23.2L};
    constexpr std::array<real, 4> entryY = {35.6L, 31.2L, 27, 23};
    for (std::size_t i = 0; i < 4; ++i) {
        driver.CadText(rowNames[i], 74, labelY[i]);
        driver.CadText(data.info.rows[i].date, 83.5L, entryY[i]);
        driver.CadText(data.info.rows[i].name, 100, entryY[i]);
    }
    driver.CadText("Blatt", 194, 18);
    driver.CadText("Bl.", 200, 10.4L);
    if (!data.info.replaces.empty()) driver.CadText("Ersatz f\x81r " + data.info.replaces, 118, 6.5L);
    if (!data.info.replacedBy.empty()) driver.CadText("Ersetzt durch " + data.info.replacedBy, 162, 6.5L);

    driver.CadTextStyle(2, 90, 1.8L, 1.5L);
    for (std::size_t i = 0; i < 5; ++i) {
        driver.CadText(kNoticeEnglish[i], kNoticeX[i], 10);
        driver.CadText(kNoticeGerman[i], kNoticeX[i], 200);
    }
}

void ChangeRows(Driver& driver, const DrawingData& data) {
    const int count = std::clamp(data.changes.count, 0, docs::ChangeLog::kMaxChanges);
    if (count == 0) return;
    driver.CadColor(3);
    driver.CadTextStyle(2, 0, 1.7L, 1.3L);
    const int first = std::max(1, count - 7);
    for (int n = first; n <= count; ++n) {
        const real y = 6.5L + 4.2L * (n - first + 1);
        const docs::AendRecord& change = data.changes.Record(n);
        driver.CadText(ChangeMark(n, data.settings.drawingIndexStyle), 21, y);
        driver.CadText(change.changeText, 27, y);
        driver.CadText(change.date, 52.5L, y);
        driver.CadText(change.editor, 66, y);
    }
}

void FreeTexts(Driver& driver, const DrawingData& data) {
    const int count = std::clamp(data.info.textItemCount, 0, docs::DrawingInfo::kMaxTextItems);
    for (int i = 0; i < count; ++i) {
        const docs::TextItem& item = data.info.textItems[static_cast<std::size_t>(i)];
        if (item.h > 0) driver.CadTextStyle(2, item.phi, item.h, 0.8L * item.h);
        driver.CadText(item.text, item.x, item.y);
    }
}

void Names(Driver& driver, const DrawingData& data) {
    driver.CadColor(5);
    driver.CadTextStyle(2, 0, 5, 4);
    driver.CadText(data.title.drawingName, 120, 32.5L);
    driver.CadText(data.title.drawingNumber, 120, 12);
    driver.CadTextStyle(2, 0, 3.5L, 2.8L);
    driver.CadText(data.title.drawingName2, 120, 25);
}

void FileAndMakerLines(Driver& driver, const DrawingData& data) {
    const config::ConfigSettings& settings = data.settings;
    driver.CadTextStyle(2, 0, 1.5L, 1.2L);
    if (!settings.hideFileName)
        driver.CadText(text::ShortenMiddle(text::DisplayToOem(data.caseFile), 150), 18, 1);
    if (!settings.hideDate) driver.CadText(text::DateText(settings.format) + " " + text::TimeText(), 186, 1);
    if (!settings.hideMakerLine) {
        driver.CadTextStyle(2, 0, 3.5L, 3.0L);
        driver.CadText("KORVANE   " + data.texts.ProgramTitle() + "  V" + driver.Settings().programVersion, 1,
                       300);
    }
}

}  // namespace

std::string ChangeMark(int n, int style) {
    switch (style) {
        case 0:
            return n >= 1 && n <= 26 ? std::string(1, static_cast<char>('a' + n - 1)) : text::IntText(n);
        case 1:
            return text::IntText(n);
        case 2:
            return n >= 1 && n <= 26 ? std::string(1, static_cast<char>('A' + n - 1)) : text::IntText(n);
        default:
            return {};
    }
}

void DrawTitleBlock(Driver& driver, const DrawingData& data) {
    FrameLines(driver);
    driver.CadColor(4);
    FixedTexts(driver, data);
    ChangeRows(driver, data);
    driver.CadColor(4);
    FreeTexts(driver, data);
    Names(driver, data);
    driver.CadColor(4);
    FileAndMakerLines(driver, data);
    driver.CadColor(0);
}

void DrawLimitSizeTable(Driver& driver, const DrawingData& data, real x, real y) {
    const core::TRBrecord& record = data.record;
    const text::FormatOptions& format = data.settings.format;
    FramedTable table;
    table.x = x;
    table.y = y;
    table.widthFactors = {12, 12, 12};
    table.rows.push_back({"Pa\xE1ma\xE1", "Mindestma\xE1",
                          "H\x94"
                          "chstma\xE1"});
    table.rows.push_back({text::FormatLengthShort(record.db, format) + " " + record.toldb,
                          text::FormatLengthDecimals(record.dbmin, 3, format),
                          text::FormatLengthDecimals(record.dbmax, 3, format)});
    driver.CadColor(4);
    DrawFramedTable(driver, table, 2.5L);
    driver.CadColor(0);
}

}  // namespace trb::graphics
