// The controls of the settings dialog that edit more than one setting each: the layer grids, the
// plot command lines, the fonts and the window and dialog sizes.
#include <QFontDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "graphics/palette.h"
#include "graphics/plot_parameters.h"
#include "gui/settings/plot_config_dialog.h"
#include "gui/settings/settings_dialog.h"
#include "gui/window/graphics_form.h"
#include "text/cp850.h"
#include "text/format.h"

namespace trb::gui {

namespace {

constexpr int kLayerRows = 5;

// Font style bits of the settings: bold 1, italic 2, underline 4, strike-out 8.
int StyleBits(const QFont& font) {
    return (font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) | (font.underline() ? 4 : 0) |
           (font.strikeOut() ? 8 : 0);
}

QFont FontOf(const QString& family, int pointSize, int style) {
    QFont font(family, pointSize > 0 ? pointSize : 10);
    font.setBold((style & 1) != 0);
    font.setItalic((style & 2) != 0);
    font.setUnderline((style & 4) != 0);
    font.setStrikeOut((style & 8) != 0);
    return font;
}

// The font dialog; nothing when cancelled.
std::optional<QFont> AskFont(QWidget* parent, const QFont& current) {
    QFontDialog dialog(current, parent);
    dialog.setObjectName("FontDialog1");
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.selectedFont();
}

int CellNumber(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? static_cast<int>(text::TextToInt(item->text().trimmed().toStdString())) : 0;
}

void SetCell(QTableWidget* grid, int row, int column, const QString& text) {
    if (!grid->item(row, column)) grid->setItem(row, column, new QTableWidgetItem);
    grid->item(row, column)->setText(text);
}

// Shows the colour of a colour number in its cell.
void PaintColourCell(QTableWidget* grid, int row, int column, int colour) {
    const graphics::Rgb rgb = graphics::PaletteColor(graphics::GetColorTurbo(colour));
    const QColor shade(rgb.red, rgb.green, rgb.blue);
    QTableWidgetItem* item = grid->item(row, column);
    item->setBackground(shade);
    item->setForeground(shade.lightness() < 128 ? Qt::white : Qt::black);
}

// A stored (code page 850) plot command line for display, whatever its length.
QString PlotLineText(std::string_view oem) {
    QString line;
    for (const char c : oem)
        line += QChar(static_cast<char16_t>(text::Cp850ToUnicode(static_cast<unsigned char>(c))));
    return line;
}

// The colour selection: one of the sixteen drawing colours; 0 when cancelled.
int ChooseColourNumber(ui::Dialogs& dialogs, int current) {
    const auto& names = config::ColourNames();
    for (std::size_t i = 0; i < names.size(); ++i) dialogs.choiceList[i] = names[i];
    int selection = std::clamp(current, 1, static_cast<int>(names.size()));
    bool abort = false;
    dialogs.ChooseFromList("Farbe", static_cast<int>(names.size()), selection, abort);
    return abort ? 0 : selection;
}

}  // namespace

void Tconfig::FillLayerRow(int row, const config::CadLayer& layer) {
    SetCell(layerGrid_, row, 0, Display(layer.name));
    SetCell(layerGrid_, row, 1, QString::number(layer.colour));
    SetCell(layerGrid_, row, 2, QString::number(layer.thickness));
    PaintColourCell(layerGrid_, row, 1, layer.colour);
}

void Tconfig::FillColourRow(int row, const config::ColourLayer& layer) {
    const auto& names = config::ColourNames();
    const std::string name = layer.colour >= 1 && layer.colour <= static_cast<int>(names.size())
                                 ? std::string(names[static_cast<std::size_t>(layer.colour - 1)])
                                 : std::string("?");
    const int number = config::kFirstColourLayer + row;
    colourGrid_->setVerticalHeaderItem(
        row,
        new QTableWidgetItem(Display("Farbe f\x81r Layer " + text::IntText(number) + " (" + name + ")")));
    SetCell(colourGrid_, row, 0, QString::number(layer.colour));
    SetCell(colourGrid_, row, 1, QString::number(layer.thickness));
    PaintColourCell(colourGrid_, row, 0, layer.colour);
}

void Tconfig::FillSpecial(const config::ConfigSettings& s) {
    for (int row = 0; row < kLayerRows; ++row)
        FillLayerRow(row, s.layers[static_cast<std::size_t>(kLayerRows - row)]);
    for (int row = 0; row < config::kColourLayers; ++row)
        FillColourRow(row, s.colourLayers[static_cast<std::size_t>(row)]);
    for (int i = 0; i < config::kPlotCommandLines; ++i)
        plotLines_->item(i)->setText(PlotLineText(s.plotCommandLines[static_cast<std::size_t>(i)]));
    background_ = s.backgroundColour;
    ShowBackground();
}

void Tconfig::StoreSpecial(config::ConfigSettings& s) const {
    for (int row = 0; row < kLayerRows; ++row) {
        config::CadLayer& layer = s.layers[static_cast<std::size_t>(kLayerRows - row)];
        const QTableWidgetItem* name = layerGrid_->item(row, 0);
        layer.name = text::DisplayToOem(name ? name->text().toStdString() : std::string());
        layer.colour = CellNumber(layerGrid_, row, 1);
        layer.thickness = CellNumber(layerGrid_, row, 2);
    }
    for (int row = 0; row < config::kColourLayers; ++row) {
        config::ColourLayer& layer = s.colourLayers[static_cast<std::size_t>(row)];
        layer.colour = CellNumber(colourGrid_, row, 0);
        layer.thickness = CellNumber(colourGrid_, row, 1);
    }
    // The lines in use run up to the last one that is not empty.
    int count = 1;
    for (int i = 0; i < config::kPlotCommandLines; ++i) {
        std::string line = text::DisplayToOem(plotLines_->item(i)->text().toStdString());
        if (!text::TrimText(line).empty()) count = i + 1;
        s.plotCommandLines[static_cast<std::size_t>(i)] = std::move(line);
    }
    s.plotLineCount = count;
}

void Tconfig::ChooseLayerColour() {
    const int row = std::max(layerGrid_->currentRow(), 0);
    const int colour = ChooseColourNumber(context_.dialogs, CellNumber(layerGrid_, row, 1));
    if (colour == 0) return;
    SetCell(layerGrid_, row, 1, QString::number(colour));
    PaintColourCell(layerGrid_, row, 1, colour);
}

void Tconfig::ChooseColourLayerColour(int row) {
    const int colour = ChooseColourNumber(context_.dialogs, CellNumber(colourGrid_, row, 0));
    if (colour == 0) return;
    FillColourRow(row, {colour, CellNumber(colourGrid_, row, 1)});
}

void Tconfig::ChooseGraphicsFont() {
    auto* name = findChild<QLineEdit*>("Edit_font");
    auto* style = findChild<QLabel*>("Label_hstyle");
    const int bits = static_cast<int>(text::TextToInt(style->text().toStdString()));
    const std::optional<QFont> font = AskFont(this, FontOf(name->text(), 10, bits));
    if (!font) return;
    name->setText(font->family());
    style->setText(QString::number(StyleBits(*font)));
}

void Tconfig::ChoosePrintoutFont() {
    auto* name = findChild<QLabel*>("Label_courier");
    auto* size = findChild<QLabel*>("Label_couriersize");
    auto* style = findChild<QLabel*>("Label_courierstyle");
    const QFont current = FontOf(name->text(), static_cast<int>(text::TextToInt(size->text().toStdString())),
                                 static_cast<int>(text::TextToInt(style->text().toStdString())));
    const std::optional<QFont> font = AskFont(this, current);
    if (!font) return;
    name->setText(font->family());
    size->setText(QString::number(std::max(font->pointSize(), 1)));
    style->setText(QString::number(StyleBits(*font)));
}

void Tconfig::ResizeMainWindow() {
    if (!context_.window) return;
    const long long x = text::TextToInt(findChild<QLineEdit*>("Edit_x")->text().trimmed().toStdString());
    const long long y = text::TextToInt(findChild<QLineEdit*>("Edit_y")->text().trimmed().toStdString());
    if (x > 0 && y > 0 && x <= 5001 && y <= 5001)
        ResizeClientArea(*context_.window, static_cast<int>(x), static_cast<int>(y));
}

void Tconfig::FitMainWindowToScreen() {
    if (!context_.window) return;
    const QSize screen = ScreenSize();
    const QWidget* client = context_.window->centralWidget();
    const QRect frame = context_.window->frameGeometry();
    const int x = screen.width() + (client ? client->width() : 0) - frame.width();
    const int y = screen.height() +
                  static_cast<int>(std::lround(((client ? client->height() : 0) - frame.height()) * 1.65));
    findChild<QLineEdit*>("Edit_x")->setText(QString::number(x));
    findChild<QLineEdit*>("Edit_y")->setText(QString::number(y));
    ResizeMainWindow();
}

void Tconfig::PutDialogWindowScale() {
    config::ScreenInfo screen;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        screen.dpi = primary->logicalDotsPerInchY();
    const QWidget* client = context_.window ? context_.window->centralWidget() : nullptr;
    if (context_.window) screen.mainWindowHeight = context_.window->frameGeometry().height();
    const int clientHeight = client ? client->height() : edited_.mainClientHeight;
    findChild<QSpinBox*>("SpinEdit_dialogfenster")
        ->setValue(config::InputWindowScaleFor(screen, clientHeight));
}

void Tconfig::PutDialogElementSize() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    const real dpi = primary ? primary->logicalDotsPerInchX() : 96;
    const QWidget* client = context_.window ? context_.window->centralWidget() : nullptr;
    const real mainHeight = context_.window ? context_.window->frameGeometry().height() : 0;
    const real clientHeight = client ? client->height() : 0;
    const real ratio = clientHeight + 46 > 0 && mainHeight > 0 ? mainHeight / (clientHeight + 46) : 1;
    const real scale = dpi / 96 * (ratio + 0.009L) * 100;
    const int windowSize = findChild<QSpinBox*>("SpinEdit_dialogfenster")->value();
    findChild<QSpinBox*>("SpinEdit_dialogelemente")
        ->setValue(static_cast<int>(std::lround(windowSize / scale * 100)));
}

void Tconfig::PutTextWindow() {
    const long long mainWidth =
        text::TextToInt(findChild<QLineEdit*>("Edit_x")->text().trimmed().toStdString());
    const long long mainHeight =
        text::TextToInt(findChild<QLineEdit*>("Edit_y")->text().trimmed().toStdString());
    const long long fontSize = text::TextToInt(findChild<QLabel*>("Label_couriersize")->text().toStdString());
    long long width = mainWidth > 640 ? std::llround(static_cast<double>(fontSize) * 700 * 0.1) : 620;
    if (width == 0) width = 700;
    findChild<QLineEdit*>("Edit_textleft")->setText("10");
    findChild<QLineEdit*>("Edit_texttop")->setText("40");
    findChild<QLineEdit*>("Edit_textwidth")->setText(QString::number(width));
    findChild<QLineEdit*>("Edit_textheight")->setText(QString::number(mainHeight - 20));
}

int Tconfig::SelectedPlotLine() const {
    const int row = plotLines_->currentRow();
    return row >= 0 && row < config::kPlotCommandLines ? row : 0;
}

void Tconfig::ConfigurePlotLine() {
    const int row = SelectedPlotLine();
    const std::string folder = text::AddBackslash(
        text::TrimText(edited_.tempFolder).empty() ? config::TemporaryFolder() : edited_.tempFolder);
    TForm_conftraceon dialog(plotLines_->item(row)->text().toStdString(),
                             {context_.dialogs, folder, context_.help, context_.settings}, this);
    if (dialog.exec() != QDialog::Accepted) return;
    plotLines_->item(row)->setText(QString::fromStdString(dialog.CommandLine()));
}

void Tconfig::EditPlotLine() {
    const int row = SelectedPlotLine();
    std::string line = text::DisplayToOem(plotLines_->item(row)->text().toStdString());
    bool abort = false;
    context_.dialogs.AskText("TRACEON Command Line", graphics::kPlotCommandLength, line, abort);
    if (!abort) plotLines_->item(row)->setText(PlotLineText(line));
}

}  // namespace trb::gui
