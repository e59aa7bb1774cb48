#pragma once

#include <array>
#include <cstdint>

// Every help number the program shows, declared once. The help files must hold an entry for each
// (a test checks that), so a new help button or hint adds its number here and its text to the files.
// Numbers are multiples of 5; below 4000 they live in korvane.hlp, from 4000 on in trb.hlp.
//
// Each area of the program keeps its own list; a list entry is X(name, number).

// Case input dialogs, their labels and proposal buttons.
#define TRB_HELP_NUMBERS_INPUT(X) \
    X(InputGeometry, 1000)        \
    X(PreDimensioning, 1015)      \
    X(HeatPicture, 5030)          \
    X(DiameterLabel, 5290)        \
    X(LoadLabel, 5400)            \
    X(PressureLimit, 5500)        \
    X(TemperatureLimit, 5510)     \
    X(FilmThicknessLimit, 5520)

// Report writer, output devices and printouts.
#define TRB_HELP_NUMBERS_REPORT(X) \
    X(OutputDevice, 1050)          \
    X(OutputFileName, 1060)        \
    X(OutputPrinterPort, 1070)

// Run messages and the message catalogue.
#define TRB_HELP_NUMBERS_MESSAGES(X) \
    X(RunMessageList, 1210)          \
    X(MessageViewer, 1970)

// Drawings, diagrams and CAD output.
#define TRB_HELP_NUMBERS_DRAWING(X) \
    X(DrawingDevice, 2050)          \
    X(DrawingView, 2055)            \
    X(DrawingFileName, 2060)        \
    X(DiagramLimits, 1950)

// Help pictures.
#define TRB_HELP_NUMBERS_PICTURES(X) \
    X(PictureBrowser, 2300)          \
    X(PictureDelete, 2320)           \
    X(PictureChangeName, 2330)       \
    X(PictureChangeText, 2340)       \
    X(PictureInsert, 2350)           \
    X(PicturePrint, 2360)            \
    X(PicturePrintPort, 2365)        \
    X(PicturePrintSequence, 2370)

// Settings, folders and files.
#define TRB_HELP_NUMBERS_SETTINGS(X) \
    X(UserFolder, 1120)              \
    X(OverwriteFile, 3055)

// Reference tables and the table window.
#define TRB_HELP_NUMBERS_TABLES(X) \
    X(Din1850Table, 9510)          \
    X(PrintoutTable, 1040)

// Documentation: title data, drawing information, change records, linked documents.
#define TRB_HELP_NUMBERS_DOCS(X)

// Printing.
#define TRB_HELP_NUMBERS_PRINT(X)

// The case overview and spreadsheets.
#define TRB_HELP_NUMBERS_OVERVIEW(X)

// Clearance range and operating charts.
#define TRB_HELP_NUMBERS_CHARTS(X)

#define TRB_HELP_NUMBERS(X)      \
    TRB_HELP_NUMBERS_INPUT(X)    \
    TRB_HELP_NUMBERS_REPORT(X)   \
    TRB_HELP_NUMBERS_MESSAGES(X) \
    TRB_HELP_NUMBERS_DRAWING(X)  \
    TRB_HELP_NUMBERS_PICTURES(X) \
    TRB_HELP_NUMBERS_SETTINGS(X) \
    TRB_HELP_NUMBERS_TABLES(X)   \
    TRB_HELP_NUMBERS_DOCS(X)     \
    TRB_HELP_NUMBERS_PRINT(X)    \
    TRB_HELP_NUMBERS_OVERVIEW(X) \
    TRB_HELP_NUMBERS_CHARTS(X)

namespace trb::help {

// help::kHelpInputGeometry and so on.
#define TRB_HELP_CONSTANT(name, number) inline constexpr std::uint16_t kHelp##name = number;
TRB_HELP_NUMBERS(TRB_HELP_CONSTANT)
#undef TRB_HELP_CONSTANT

// Every declared number, for the check that the help files cover them.
#define TRB_HELP_ENTRY(name, number) number,
inline constexpr std::uint16_t kAllHelpNumbers[] = {TRB_HELP_NUMBERS(TRB_HELP_ENTRY)};
#undef TRB_HELP_ENTRY

}  // namespace trb::help
