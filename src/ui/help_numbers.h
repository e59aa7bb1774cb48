#pragma once

#include <array>
#include <cstdint>

// Every help number the program shows, declared once. The help files must hold an entry for each
// (a test checks that), so a new help button or hint adds its number here and its text to the files.
// Numbers are multiples of 5; below 4000 they live in korvane.hlp, from 4000 on in trb.hlp.
//
// Each area of the program keeps its own list; a list entry is X(name, number). The list lies with
// the dialog services because every part that asks the user names its help text by these numbers;
// the constants keep the help namespace, as they name help texts.

// Case input dialogs, their labels and proposal buttons.
#define TRB_HELP_NUMBERS_INPUT(X)    \
    X(InputGeometry, 1000)           \
    X(PreDimensioning, 1015)         \
    X(HeatPicture, 5030)             \
    X(DiameterLabel, 5290)           \
    X(LoadLabel, 5400)               \
    X(PressureLimit, 5500)           \
    X(TemperatureLimit, 5510)        \
    X(FilmThicknessLimit, 5520)      \
    X(AirVelocity, 5010)             \
    X(SpeedPerMinute, 5020)          \
    X(HoleDiameterLabel, 5050)       \
    X(GrooveWidthLabel, 5060)        \
    X(PocketWidthLabel, 5070)        \
    X(GrooveStartLabel, 5080)        \
    X(GrooveEndLabel, 5090)          \
    X(InletTemperatureLabel, 5100)   \
    X(SupplyPressureLabel, 5110)     \
    X(AmbientTemperatureLabel, 5120) \
    X(HousingAreaLabel, 5130)        \
    X(HeatTransferLabel, 5140)       \
    X(LubricantLabel, 5150)          \
    X(DensityLabel, 5160)            \
    X(HeatCapacityLabel, 5170)       \
    X(NominalSizeLabel, 5295)        \
    X(BoreLimitsLabel, 5300)         \
    X(OuterDiameterLabel, 5305)      \
    X(WidthLabel, 5310)              \
    X(BoreRoughnessLabel, 5320)      \
    X(BoreSpeedLabel, 5330)          \
    X(BoreExpansionLabel, 5340)      \
    X(ShaftLimitsLabel, 5350)        \
    X(ShaftRoughnessLabel, 5360)     \
    X(ShaftSpeedLabel, 5370)         \
    X(ShaftExpansionLabel, 5380)

// Report writer, output devices and printouts.
#define TRB_HELP_NUMBERS_REPORT(X) \
    X(OutputDevice, 1050)          \
    X(OutputPrinterPort, 1060)     \
    X(OutputFileName, 1070)

// Run messages and the message catalogue.
#define TRB_HELP_NUMBERS_MESSAGES(X) \
    X(RunMessageList, 1210)          \
    X(MessageViewer, 1970)

// Drawings, diagrams and CAD output; the plot program's command lines and their dialog.
#define TRB_HELP_NUMBERS_DRAWING(X) \
    X(DrawingDevice, 2050)          \
    X(PlotCommandLine, 2055)        \
    X(PlotCommandLineText, 2060)    \
    X(DiagramLimits, 1950)          \
    X(PlotFormat, 2080)             \
    X(PlotInterface, 2090)          \
    X(PlotScale, 2120)              \
    X(PlotFitScale, 2130)           \
    X(PlotFont, 2140)               \
    X(PlotRotate, 2145)             \
    X(PlotOrigin, 2150)             \
    X(PlotTextWidth, 2160)          \
    X(PlotProgramFolder, 2280)

// Help pictures.
#define TRB_HELP_NUMBERS_PICTURES(X) \
    X(PictureBrowser, 2300)          \
    X(PictureDelete, 2320)           \
    X(PictureChangeName, 2330)       \
    X(PictureChangeText, 2340)       \
    X(PictureInsert, 2350)           \
    X(PicturePrint, 2360)            \
    X(PicturePrintPort, 2365)        \
    X(PicturePrintSequence, 2370)    \
    X(ProgramHistory, 2390)

// Settings, folders and files; the settings dialog's hints and help buttons.
#define TRB_HELP_NUMBERS_SETTINGS(X)  \
    X(UserFolder, 1120)               \
    X(OverwriteFile, 3055)            \
    X(SettingsPasswordAtStart, 1500)  \
    X(SettingsColourHelp, 1555)       \
    X(SettingsCadFolder, 1570)        \
    X(SettingsHelpLevel, 1580)        \
    X(SettingsLayerMonochrome, 1585)  \
    X(SettingsPltFolder, 1590)        \
    X(SettingsEdiFolder, 1595)        \
    X(SettingsDbfFolder, 1600)        \
    X(SettingsWorkingFolder, 1605)    \
    X(SettingsTempFolder, 1610)       \
    X(SettingsDataFolder, 1615)       \
    X(SettingsColourGraphics, 1670)   \
    X(SettingsWindowSize, 1710)       \
    X(SettingsCadTextStyle, 1720)     \
    X(SettingsDialogSize, 1725)       \
    X(SettingsTextFactor, 1730)       \
    X(SettingsTextAngle, 1740)        \
    X(SettingsDecimals, 1750)         \
    X(SettingsDecimalSeparator, 1755) \
    X(SettingsZoomFactor, 1800)       \
    X(SettingsPanFactor, 1810)        \
    X(SettingsMakerFolder, 1830)      \
    X(SettingsLayerHelp, 1910)        \
    X(SettingsCadHelp, 1920)          \
    X(SettingsPrintoutHelp, 1930)     \
    X(SettingsPrinterHelp, 1935)      \
    X(SettingsGraphicsHelp, 1940)     \
    X(SettingsDiagramLimits, 1960)    \
    X(SettingsDxfDecimals, 1980)      \
    X(SettingsTextProgram, 2500)      \
    X(SettingsArchiveMode, 2530)      \
    X(SettingsResultGraphic, 2820)

// Reference tables and the table window.
#define TRB_HELP_NUMBERS_TABLES(X) \
    X(Din1850Table, 9510)          \
    X(PrintoutTable, 1040)         \
    X(H0limTable, 9520)            \
    X(PsiMTable, 9530)             \
    X(TableSearch, 2450)           \
    X(TableCommon, 3210)

// Documentation: title data, drawing information, change records, linked documents.
#define TRB_HELP_NUMBERS_DOCS(X) \
    X(ChangeRecord, 3000)        \
    X(DrawingInformation, 3010)  \
    X(DocumentProgram, 2710)     \
    X(DocumentFile, 2720)        \
    X(DocumentSetup, 2730)

// Printing.
#define TRB_HELP_NUMBERS_PRINT(X) X(PrintoutDialog, 1030)

// The case overview and spreadsheets.
#define TRB_HELP_NUMBERS_OVERVIEW(X) X(CaseOverview, 3400)

// Clearance range, operating charts, reserves and the lubricant film.
#define TRB_HELP_NUMBERS_CHARTS(X) \
    X(ClearanceRange, 5600)        \
    X(OperatingCharts, 5610)       \
    X(SweptQuantity, 5620)         \
    X(SweepRange, 5630)            \
    X(SweepSteps, 5640)            \
    X(ChartChoice, 5650)           \
    X(OperatingPoints, 5660)       \
    X(Reserves, 5670)              \
    X(PressureDistribution, 5680)  \
    X(FilmCoefficients, 5685)      \
    X(FilmTrust, 5690)             \
    X(CoefficientChart, 5695)

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

// The name of each declared number, in the same order, for messages about them.
#define TRB_HELP_NAME(name, number) #name,
inline constexpr const char* kAllHelpNames[] = {TRB_HELP_NUMBERS(TRB_HELP_NAME)};
#undef TRB_HELP_NAME

}  // namespace trb::help
