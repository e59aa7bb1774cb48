#include "config/config_table.h"

#include <utility>
#include <vector>

namespace trb::config {

namespace {

using S = ConfigSettings;
using K = ValueKind;
using R = ReadRule;
using M = EofMark;

SettingRef Ref(std::string& (*f)(S&)) {
    SettingRef r;
    r.text = f;
    return r;
}
SettingRef Ref(int& (*f)(S&)) {
    SettingRef r;
    r.integer = f;
    return r;
}
SettingRef Ref(bool& (*f)(S&)) {
    SettingRef r;
    r.boolean = f;
    return r;
}
SettingRef Ref(char& (*f)(S&)) {
    SettingRef r;
    r.character = f;
    return r;
}
SettingRef Ref(real& (*f)(S&)) {
    SettingRef r;
    r.number = f;
    return r;
}
SettingRef Ref(WindowRect& (*f)(S&)) {
    SettingRef r;
    r.rectangle = f;
    return r;
}

template <std::size_t I>
std::string& LayerName(S& s) {
    return s.layers[I].name;
}
template <std::size_t I>
int& LayerColour(S& s) {
    return s.layers[I].colour;
}
template <std::size_t I>
int& LayerThickness(S& s) {
    return s.layers[I].thickness;
}
template <std::size_t I>
int& ColourLayerColour(S& s) {
    return s.colourLayers[I].colour;
}
template <std::size_t I>
int& ColourLayerThickness(S& s) {
    return s.colourLayers[I].thickness;
}
template <std::size_t I>
real& ViewAngle(S& s) {
    return s.view3D[I];
}
template <std::size_t I>
std::string& PlotLine(S& s) {
    return s.plotCommandLines[I];
}

constexpr std::string_view kColourLayerLabels[kColourLayers] = {
    "Color Layer 16", "Color Layer 17", "Color Layer 18", "Color Layer 19",
    "Color Layer 20", "Color Layer 21", "Color Layer 22", "Color Layer 23",
    "Color Layer 24", "Color Layer 25", "Color Layer 26", "Color Layer 27",
    "Color Layer 28", "Color Layer 29", "Color Layer 30", "Color Layer 31",
};

ConfigRow Row(std::string_view label, K kind, SettingRef ref, M mark = M::None) {
    ConfigRow row;
    row.label = label;
    row.kind = kind;
    row.ref = ref;
    row.mark = mark;
    return row;
}

ConfigRow Ruled(ConfigRow row, R rule, real low, real high, real value) {
    row.rule = rule;
    row.low = low;
    row.high = high;
    row.value = value;
    return row;
}

ConfigRow ZeroTo(ConfigRow row, real value) {
    return Ruled(row, R::ZeroTo, 0, 0, value);
}
ConfigRow OutsideTo(ConfigRow row, real low, real high, real value) {
    return Ruled(row, R::OutsideTo, low, high, value);
}

template <std::size_t... I>
void AddLayers(std::vector<ConfigRow>& rows, std::index_sequence<I...>) {
    // Layers 1..5: name and colour.
    ((rows.push_back(Row("Layer", K::Text, Ref(&LayerName<I + 1>))),
      rows.push_back(Row("Farbe", K::Integer, Ref(&LayerColour<I + 1>)))),
     ...);
}

template <std::size_t... I>
void AddColourLayers(std::vector<ConfigRow>& rows, std::index_sequence<I...>) {
    (rows.push_back(ZeroTo(Row(kColourLayerLabels[I], K::Integer, Ref(&ColourLayerColour<I>),
                               I + 1 == kColourLayers ? M::Stop : M::None),
                           1)),
     ...);
}

template <std::size_t... I>
void AddLayerThickness(std::vector<ConfigRow>& rows, std::index_sequence<I...>) {
    (rows.push_back(OutsideTo(
         Row(I == 0 ? "Line thickness Layer 0..5" : "", K::Integer, Ref(&LayerThickness<I>)), 1, 255, 1)),
     ...);
}

template <std::size_t... I>
void AddColourThickness(std::vector<ConfigRow>& rows, std::index_sequence<I...>) {
    (rows.push_back(
         Row(I == 0 ? "Strichst\x84rke Layer 16..31" : "", K::Integer, Ref(&ColourLayerThickness<I>))),
     ...);
}

std::vector<ConfigRow> BuildTable() {
    std::vector<ConfigRow> t;
    AddLayers(t, std::make_index_sequence<5>());
    t.push_back(Row("Textstil CAD", K::Text, Ref([](S& s) -> std::string& { return s.cadTextStyle; })));
    t.push_back(ZeroTo(
        Row("Textbreitenfaktor CAD", K::RealShort, Ref([](S& s) -> real& { return s.cadTextWidthFactor; })),
        1));
    t.push_back(Row("Textwinkel", K::RealShort, Ref([](S& s) -> real& { return s.cadTextAngle; })));
    t.push_back(Row("CAD Ordner", K::Text, Ref([](S& s) -> std::string& { return s.cadFolder; })));
    t.push_back(Row("DBF Ordner", K::Text, Ref([](S& s) -> std::string& { return s.dbfFolder; })));
    t.push_back(Row("Hilfegrad", K::Integer, Ref([](S& s) -> int& { return s.helpLevel; })));
    t.push_back(ZeroTo(
        Row("Druckerschnittstelle", K::Integer, Ref([](S& s) -> int& { return s.printerPort; }), M::Stop),
        1));
    t.push_back(Row("Druckertyp", K::Integer, Ref([](S& s) -> int& { return s.printerType; }), M::Stop));
    t.push_back(Row("Druckdichte", K::Integer, Ref([](S& s) -> int& { return s.printDensity; })));
    t.push_back(ZeroTo(Row("Hardcopy um 90\xF8 gedreht ?", K::Character,
                           Ref([](S& s) -> char& { return s.hardcopyRotated; })),
                       'N'));
    t.push_back(OutsideTo(
        Row("Dezimalstellen", K::Integer, Ref([](S& s) -> int& { return s.format.decimals; })), 1, 9, 3));
    t.push_back(OutsideTo(Row("Druckdicke vertikal", K::Integer,
                              Ref([](S& s) -> int& { return s.printThicknessVertical; }), M::Stop),
                          1, 4, 1));
    t.push_back(Row("Farbgrafik", K::Boolean, Ref([](S& s) -> bool& { return s.colourGraphics; })));
    t.push_back(ZeroTo(Row("GrafikKorrekturFaktor horizontal", K::RealShort,
                           Ref([](S& s) -> real& { return s.graphicsCorrection; })),
                       1));
    t.push_back(Row("Grafik-Mode", K::Integer, Ref([](S& s) -> int& { return s.graphicsMode; })));
    t.push_back(Row("Grafik-Treiber", K::Integer, Ref([](S& s) -> int& { return s.graphicsDriver; })));
    t.push_back(
        Row("Aufl\x94sung horizontal", K::Integer, Ref([](S& s) -> int& { return s.mainClientWidth; })));
    t.push_back(
        Row("Aufl\x94sung vertikal", K::Integer, Ref([](S& s) -> int& { return s.mainClientHeight; })));
    t.push_back(Row("Ordner f\x81r tempor\x84re Dateien", K::Text,
                    Ref([](S& s) -> std::string& { return s.tempFolder; })));
    t.push_back(ZeroTo(Row("Druckerschnittstelle Hardcopy", K::Integer,
                           Ref([](S& s) -> int& { return s.hardcopyPort; }), M::Stop),
                       1));
    t.push_back(Row("EDI Ordner", K::Text, Ref([](S& s) -> std::string& { return s.ediFolder; })));
    t.push_back(Row("PLT Ordner", K::Text, Ref([](S& s) -> std::string& { return s.pltFolder; })));
    t.push_back(ZeroTo(Row("Mode f\x81r Textausdruck 1:* 2:-", K::Integer,
                           Ref([](S& s) -> int& { return s.printoutRuleStyle; })),
                       1));
    t.push_back(Ruled(
        Row("Zeilen pro Seite f\x81r Drucker", K::Integer, Ref([](S& s) -> int& { return s.linesPerPage; })),
        R::BelowTo, 5, 0, 66));
    t.push_back(ZeroTo(Row("Zoomfaktor", K::Real, Ref([](S& s) -> real& { return s.zoomFactor; })), 1.02L));
    t.push_back(ZeroTo(Row("Pan-Faktor", K::Real, Ref([](S& s) -> real& { return s.panFactor; })), 0.01L));
    t.push_back(Row("KORVANE-Programmverzeichnis", K::Text,
                    Ref([](S& s) -> std::string& { return s.makerFolder; }), M::Stop));
    ConfigRow plotLine = Row("TRACEON-Kommandozeile", K::Text, Ref(&PlotLine<0>), M::Stop);
    plotLine.rule = R::EmptyKeeps;
    t.push_back(plotLine);
    t.push_back(
        Row("Hintergrundfarbe", K::Integer, Ref([](S& s) -> int& { return s.backgroundColour; }), M::Stop));
    t.push_back(ZeroTo(Row("Windows-Druckmodus (1=mono 2=color)", K::Integer,
                           Ref([](S& s) -> int& { return s.printShading; }), M::Stop),
                       1));
    t.push_back(Row("Layer Monochrom", K::Boolean, Ref([](S& s) -> bool& { return s.layerMonochrome; }),
                    M::StopMonochrome));
    t.push_back(ZeroTo(Row("Textbreitenfaktor Grafik", K::Real,
                           Ref([](S& s) -> real& { return s.graphicsTextWidthFactor; })),
                       0.8L));
    t.push_back(Row("Textstil Grafik", K::Text, Ref([](S& s) -> std::string& { return s.graphicsTextStyle; }),
                    M::Stop));
    AddColourLayers(t, std::make_index_sequence<kColourLayers>());
    t.push_back(Row("Textprogramm", K::Text, Ref([](S& s) -> std::string& { return s.textProgram; })));
    t.push_back(Row("Datenbank mode", K::Integer, Ref([](S& s) -> int& { return s.databaseMode; })));
    t.push_back(Row("externe Datenbank", K::Text,
                    Ref([](S& s) -> std::string& { return s.externalDatabase; }), M::Stop));
    t.push_back(
        Row("Windows Screendump Origin X", K::Integer, Ref([](S& s) -> int& { return s.printOriginX; })));
    t.push_back(
        Row("Windows Screendump Origin Y", K::Integer, Ref([](S& s) -> int& { return s.printOriginY; })));
    t.push_back(
        Ruled(Row("Windows Screendump Scale", K::Real, Ref([](S& s) -> real& { return s.printScaleX; })),
              R::ScaleX, 0, 0, 1));
    t.push_back(Row("Windows Screendump Border ?", K::Boolean,
                    Ref([](S& s) -> bool& { return s.printBorder; }), M::Stop));
    t.push_back(
        Row("Enter Password ?", K::Boolean, Ref([](S& s) -> bool& { return s.enterPassword; }), M::Stop));
    t.push_back(Row("TRACEON Command lines (n, line 2 .. line n)", K::Integer,
                    Ref([](S& s) -> int& { return s.plotLineCount; })));
    t.push_back(Row("", K::PlotLines, Ref([](S& s) -> int& { return s.plotLineCount; })));
    t.push_back(Row("Archive Flag ?", K::Boolean, Ref([](S& s) -> bool& { return s.archiveMode; })));
    t.push_back(OutsideTo(
        Row("Date Code", K::Integer, Ref([](S& s) -> int& { return s.format.dateCode; }), M::Opt), 1, 4, 1));
    t.push_back(Ruled(
        Row("Header Space Lines", K::Integer, Ref([](S& s) -> int& { return s.headerSpaceLines; }), M::Opt),
        R::AboveTo, 0, 30, 0));
    t.push_back(OutsideTo(
        Row("Text Device", K::Integer, Ref([](S& s) -> int& { return s.textDevice; }), M::OptPair), 1, 9, 1));
    t.push_back(
        Row("Text Device Window ?", K::Boolean, Ref([](S& s) -> bool& { return s.textDeviceWindow; })));
    t.push_back(Row("Small Online Window ?", K::Boolean,
                    Ref([](S& s) -> bool& { return s.smallOnlineWindow; }), M::Opt));
    t.push_back(Row("Enter Diagram Limits ?", K::Boolean,
                    Ref([](S& s) -> bool& { return s.enterDiagramLimits; }), M::Opt));
    t.push_back(OutsideTo(
        Row("Dot=1 Komma=2", K::Integer, Ref([](S& s) -> int& { return s.format.decimalSeparator; })), 1, 2,
        1));
    ConfigRow dataFolder =
        Row("Default Data Directory", K::Text, Ref([](S& s) -> std::string& { return s.defaultDataFolder; }));
    dataFolder.rule = R::EmptyToStartFolder;
    t.push_back(dataFolder);
    t.push_back(Ruled(
        Row("Text Height Factor", K::Real, Ref([](S& s) -> real& { return s.textHeightFactor; }), M::Opt),
        R::BelowTo, 0.1L, 0, 1));
    t.push_back(OutsideTo(
        Row("Input Window Scale %", K::Integer, Ref([](S& s) -> int& { return s.inputWindowScale; }), M::Opt),
        10, 1000, 100));
    t.push_back(
        Row("HTML Browser", K::Text, Ref([](S& s) -> std::string& { return s.htmlBrowser; }), M::Stop));
    t.push_back(Ruled(Row("Print Scale Vertical", K::Real, Ref([](S& s) -> real& { return s.printScaleY; })),
                      R::BelowToScaleX, 0.0001L, 0, 0));
    AddLayerThickness(t, std::make_index_sequence<6>());
    t.push_back(Row("Graphic Printout Dialog Box ?", K::Boolean,
                    Ref([](S& s) -> bool& { return s.graphicPrintoutDialog; })));
    t.push_back(Row("Text window left/top/width/height", K::Rectangle,
                    Ref([](S& s) -> WindowRect& { return s.textWindow; })));
    t.push_back(Row("Metric Units=0,  English units=1", K::Integer,
                    Ref([](S& s) -> int& { return s.format.units; })));
    t.push_back(OutsideTo(Row("printout with header=1, header page 1 only=2", K::Integer,
                              Ref([](S& s) -> int& { return s.printoutHeader; })),
                          1, 2, 1));
    ConfigRow font =
        Row("Text Font Printout", K::Text, Ref([](S& s) -> std::string& { return s.printoutFont; }));
    font.rule = R::EmptyTo;
    font.text = "Courier New";
    t.push_back(font);
    t.push_back(ZeroTo(
        Row("Text Size Printout", K::Integer, Ref([](S& s) -> int& { return s.printoutFontSize; })), 10));
    t.push_back(
        Row("Text Style Printout", K::Integer, Ref([](S& s) -> int& { return s.printoutFontStyle; })));
    t.push_back(
        Row("Text Style Graphics", K::Integer, Ref([](S& s) -> int& { return s.graphicsFontStyle; })));
    t.push_back(Row("Printer: Portrait=1, Landscape=2", K::Integer,
                    Ref([](S& s) -> int& { return s.printerOrientation; })));
    t.push_back(Row("Edit 3D x,y,z ?", K::BooleanNotFalse, Ref([](S& s) -> bool& { return s.edit3D; })));
    t.push_back(Row("3D - Default x,y,z", K::Real, Ref(&ViewAngle<0>)));
    t.push_back(Row("", K::Real, Ref(&ViewAngle<1>)));
    t.push_back(Row("", K::Real, Ref(&ViewAngle<2>)));
    t.push_back(Row("", K::Integer, Ref([](S& s) -> int& { return s.drawingIndexStyle; })));
    t.push_back(
        ZeroTo(Row("", K::Integer, Ref([](S& s) -> int& { return s.format.spreadsheetSeparator; })), 2));
    t.push_back(Row("", K::Text, Ref([](S& s) -> std::string& { return s.releaseText; })));
    t.push_back(OutsideTo(
        Row("Decimals DXF,TXT", K::Integer, Ref([](S& s) -> int& { return s.decimalsCad; })), 1, 32, 6));
    t.push_back(
        ZeroTo(Row("CAD Text Mode", K::Integer, Ref([](S& s) -> int& { return s.format.cadTextMode; })), 1));
    AddColourThickness(t, std::make_index_sequence<kColourLayers>());
    t.push_back(Row("", K::Integer, Ref([](S& s) -> int& { return s.format.specialCharacters; })));
    t.push_back(
        OutsideTo(Row("", K::Integer, Ref([](S& s) -> int& { return s.dialogElementSize; })), 10, 1000, 100));
    t.push_back(OutsideTo(Row("", K::Integer, Ref([](S& s) -> int& { return s.angleFormat; })), 1, 2, 2));
    t.push_back(ZeroTo(Row("", K::Real, Ref([](S& s) -> real& { return s.dimensionFactor; })), 1));
    t.push_back(Row("", K::Integer, Ref([](S& s) -> int& { return s.reserved; })));
    t.push_back(Row("", K::Integer, Ref([](S& s) -> int& { return s.language; })));
    t.push_back(Row("", K::Integer, Ref([](S& s) -> int& { return s.resultGraphic; })));
    t.push_back(Row("", K::Boolean, Ref([](S& s) -> bool& { return s.hideMakerLine; })));
    t.push_back(Row("", K::Boolean, Ref([](S& s) -> bool& { return s.hideFileName; })));
    t.push_back(Row("", K::Boolean, Ref([](S& s) -> bool& { return s.hideDate; })));
    t.push_back(Row("", K::Boolean, Ref([](S& s) -> bool& { return s.hideLogo; })));
    return t;
}

}  // namespace

std::span<const ConfigRow> ConfigTable() {
    static const std::vector<ConfigRow> kTable = BuildTable();
    return kTable;
}

}  // namespace trb::config
