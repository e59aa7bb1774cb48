// The tabs "Directories", "Grafik", "CAD" and "Farbe" of the settings dialog.
#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cstdlib>

#include "gui/settings/settings_dialog.h"
#include "text/format.h"
#include "ui/help_numbers.h"

namespace trb::gui {

namespace {

// The layer rows of the layer grid, layer 5 first.
constexpr const char* kLayerRows[5] = {
    "Ausgezogene  Linie   0.50 mm", "Ausgezogene  Linie   0.35 mm", "Ausgezogene  Linie   0.25 mm",
    "Gestrichelte Linie   0.25 mm", "Mittellinie          0.25 mm",
};

QWidget* Page(QWidget* parent, const char* name) {
    auto* page = new QWidget(parent);
    page->setObjectName(name);
    return page;
}

}  // namespace

QWidget* Tconfig::DirectoriesPage() {
    QWidget* page = Page(this, "TabSheet_directories");
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(1, 1);
    FolderRow(*grid, 0, "Edit_dirdbf", Display("Ordner f\x81r Datenbankdateien (dbf)"));
    FolderRow(*grid, 1, "Edit_dirplt", Display("Ordner f\x81r Hilfebilder (plt) und Hilfetexte (hlp)"));
    QLineEdit* temp = FolderRow(*grid, 2, "Edit_dirtemp", Display("Tempor\x84rer Ordner"));
    QPushButton* fromEnvironment = NewButton("Button_dirtempdefault", "<", [temp] {
        const char* value = std::getenv("TMPDIR");
        const QString folder = QString::fromLocal8Bit(value ? value : "").trimmed();
        if (!folder.isEmpty()) temp->setText(folder);
    });
    fromEnvironment->setFixedWidth(28);
    grid->addWidget(fromEnvironment, 2, 3);
    FolderRow(*grid, 3, "Edit_dirdata", ".trb Ordner");
    FolderRow(*grid, 4, "Edit_dircad", "CAD Ordner");
    FolderRow(*grid, 5, "Edit_direxe", "KORVANE-Programm-Ordner");
    FolderRow(*grid, 6, "Edit_diredi", "EDI Ordner");
    QLineEdit* working = NewEdit("Edit_dirworking");
    working->setReadOnly(true);
    working->setText(QDir::currentPath());
    grid->addWidget(NewLabel("Arbeitsverzeichnis"), 7, 0);
    grid->addWidget(working, 7, 1);
    QPushButton* workingHelp =
        NewButton("Button_dirworkinghelp", "?", [this] { ShowHelp(help::kHelpSettingsWorkingFolder); });
    workingHelp->setFixedWidth(32);
    grid->addWidget(workingHelp, 7, 2);
    grid->addWidget(NewLabel("User: " + QString::fromStdString(config::UserName()), "Label_user"), 8, 0, 1,
                    2);
    grid->setRowStretch(9, 1);
    return page;
}

QWidget* Tconfig::GraphicsPage() {
    QWidget* page = Page(this, "TabSheet_grafik");
    auto* columns = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    left->addWidget(NewRadioGroup("RadioGroup_bildschirmgrafik", "Farbgrafik", {"color", "monochrom"}));
    auto* colourRow = new QHBoxLayout;
    backgroundPanel_ = NewLabel({}, "Panel_colour");
    backgroundPanel_->setAlignment(Qt::AlignCenter);
    backgroundPanel_->setMinimumHeight(28);
    colourRow->addWidget(backgroundPanel_, 1);
    colourRow->addWidget(
        NewButton("Button_hintergrundfarbe", "Hintergrundfarbe...", [this] { ChooseBackground(); }));
    left->addLayout(colourRow);

    auto* size = new QGroupBox("Fenstergroesse", this);
    size->setObjectName("GroupBox_aufloesung");
    auto* sizeRow = new QHBoxLayout(size);
    QLineEdit* x = NewEdit("Edit_x", 70);
    QLineEdit* y = NewEdit("Edit_y", 70);
    for (QLineEdit* edit : {x, y}) {
        edit->setMaxLength(4);
        connect(edit, &QLineEdit::editingFinished, this, [this] { ResizeMainWindow(); });
    }
    sizeRow->addWidget(x);
    sizeRow->addWidget(NewLabel("x"));
    sizeRow->addWidget(y);
    QPushButton* fit = NewButton("Button_aufloesung", "<", [this] { FitMainWindowToScreen(); });
    fit->setFixedWidth(28);
    sizeRow->addWidget(fit);
    sizeRow->addStretch(1);
    left->addWidget(size);

    auto* factors = new QGridLayout;
    const auto factorRow = [&](int row, const QString& caption, const char* edit, const char* button,
                               const QString& value) {
        QLineEdit* field = NewEdit(edit, 90);
        factors->addWidget(NewLabel(caption), row, 0);
        factors->addWidget(field, row, 1);
        factors->addWidget(DefaultButton(button, field, value), row, 2);
    };
    factorRow(0, "Zoomfaktor", "Edit_zoomfaktor", "Button_zoomfaktor", "1.02");
    factorRow(1, "Pan-Faktor", "Edit_panfaktor", "Button_panfaktor", "0.02");
    factorRow(2, "Textbreitenfaktor", "Edit_textbreitenfaktor", "Button_textbreitenfaktor", "0.8");
    factorRow(3, Display("Texth\x94henfaktor"), "Edit_texthoehenfaktor", "Button_texthoehenfaktor", "1");
    factors->setColumnStretch(3, 1);
    left->addLayout(factors);
    left->addWidget(NewCheck("CheckBox_umrandung", "Umrandung"));
    left->addStretch(1);

    auto* font = new QHBoxLayout;
    font->addWidget(NewButton("Button_font", "Font...", [this] { ChooseGraphicsFont(); }));
    font->addWidget(NewEdit("Edit_font"), 1);
    font->addWidget(NewLabel("Stil"));
    font->addWidget(NewLabel("0", "Label_hstyle"));
    right->addLayout(font);

    auto* sizes = new QGridLayout;
    sizes->addWidget(NewLabel(Display("Dialogfenster Gr\x94\xE1"
                                      "e %")),
                     0, 0);
    sizes->addWidget(NewSpin("SpinEdit_dialogfenster", 10, 1000), 0, 1);
    sizes->addWidget(NewButton("Button_dialogfenster", "<", [this] { PutDialogWindowScale(); }), 0, 2);
    sizes->addWidget(NewLabel(Display("Dialogelemente Gr\x94\xE1"
                                      "e %")),
                     1, 0);
    sizes->addWidget(NewSpin("SpinEdit_dialogelemente", 10, 1000), 1, 1);
    sizes->addWidget(NewButton("Button_dialogelemente", "<", [this] { PutDialogElementSize(); }), 1, 2);
    for (const char* name : {"Button_dialogfenster", "Button_dialogelemente"})
        findChild<QPushButton*>(name)->setFixedWidth(28);
    sizes->setColumnStretch(3, 1);
    right->addLayout(sizes);

    auto* view = new QGridLayout;
    view->addWidget(NewCheck("CheckBox_3dxyz", "3D Edit x,y,z"), 0, 0, 1, 3);
    view->addWidget(NewEdit("Edit_3dx", 70), 1, 0);
    view->addWidget(NewEdit("Edit_3dy", 70), 1, 1);
    view->addWidget(NewEdit("Edit_3dz", 70), 1, 2);
    view->setColumnStretch(3, 1);
    right->addLayout(view);
    right->addStretch(1);
    right->addWidget(
        NewButton("Button_grafikhilfe", "&Hilfe", [this] { ShowHelp(help::kHelpSettingsGraphicsHelp); }), 0,
        Qt::AlignRight);
    return page;
}

QWidget* Tconfig::CadPage() {
    QWidget* page = Page(this, "TabSheet_cad");
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    auto* fields = new QGridLayout;
    QLineEdit* width = NewEdit("Edit_cadtextbreite", 90);
    QLineEdit* angle = NewEdit("Edit_cadtextwinkel", 90);
    fields->addWidget(NewLabel("Textstil"), 0, 0);
    fields->addWidget(NewEdit("Edit_cadfont", 90), 0, 1);
    fields->addWidget(NewLabel("Textbreitenfaktor"), 1, 0);
    fields->addWidget(width, 1, 1);
    fields->addWidget(DefaultButton("Button_cadtextbreite", width, "1"), 1, 2);
    fields->addWidget(NewLabel("Textwinkel"), 2, 0);
    fields->addWidget(angle, 2, 1);
    fields->addWidget(DefaultButton("Button_cadtextwinkel", angle, "0"), 2, 2);
    QSpinBox* decimals = NewSpin("SpinEdit_dxfdec", 3, 16);
    fields->addWidget(NewLabel("Anzahl der Dezimalstellen DXF, TXT"), 3, 0);
    fields->addWidget(decimals, 3, 1);
    QPushButton* six = NewButton("Button_dxfdec", "<", [decimals] { decimals->setValue(6); });
    six->setFixedWidth(28);
    fields->addWidget(six, 3, 2);
    top->addLayout(fields);
    top->addWidget(NewRadioGroup("radiogroupcadtexttyp", "Text Type",
                                 {"OEM (ASCII)", "ANSI", Display("\x8E->Ae, \xE1->ss...")}));
    layout->addLayout(top);

    layerGrid_ = new QTableWidget(5, 4, this);
    layerGrid_->setObjectName("StringGrid_layer");
    layerGrid_->setHorizontalHeaderLabels({"Layer", "Farbe", Display("Strichst\x84rke"), ""});
    QStringList rows;
    for (const char* row : kLayerRows) rows << row;
    layerGrid_->setVerticalHeaderLabels(rows);
    layerGrid_->verticalHeader()->setFont(QFont("Monospace"));
    for (int row = 0; row < 5; ++row) {
        const int layer = 5 - row;
        const std::string name = "Button_layer" + std::to_string(layer);
        QPushButton* reset = NewButton(name.c_str(), "<", [this, row, layer] {
            FillLayerRow(row, config::ConfigSettings{}.layers[static_cast<std::size_t>(layer)]);
        });
        layerGrid_->setCellWidget(row, 3, reset);
    }
    layerGrid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    layerGrid_->setColumnWidth(3, 32);
    const int rowHeight = fontMetrics().height() + 8;
    layerGrid_->verticalHeader()->setDefaultSectionSize(rowHeight);
    layerGrid_->setFixedHeight(layerGrid_->horizontalHeader()->sizeHint().height() + 5 * rowHeight + 4);
    layout->addWidget(layerGrid_);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(NewButton("Button_selectlayercolor", "Farbe...", [this] { ChooseLayerColour(); }));
    auto* checks = new QVBoxLayout;
    checks->addWidget(NewCheck("CheckBox_layermonochrom", "Layer Monochrom ?"));
    checks->addWidget(NewCheck("CheckBox_diagrammgrenzen", "Diagrammgrenzen abfragen"));
    bottom->addLayout(checks);
    bottom->addStretch(1);
    bottom->addWidget(
        NewButton("Button_layerhilfe", "Layer &Hilfe", [this] { ShowHelp(help::kHelpSettingsLayerHelp); }));
    bottom->addWidget(
        NewButton("Button_helpcad", "&Hilfe", [this] { ShowHelp(help::kHelpSettingsCadHelp); }));
    layout->addLayout(bottom);
    return page;
}

QWidget* Tconfig::ColourPage() {
    QWidget* page = Page(this, "TabSheet_farbe");
    auto* layout = new QHBoxLayout(page);
    colourGrid_ = new QTableWidget(config::kColourLayers, 2, this);
    colourGrid_->setObjectName("StringGrid_color");
    colourGrid_->setHorizontalHeaderLabels({"Farbe", Display("Strichst\x84rke")});
    colourGrid_->verticalHeader()->setMinimumWidth(200);
    colourGrid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    colourGrid_->setMinimumHeight(colourGrid_->horizontalHeader()->sizeHint().height() +
                                  config::kColourLayers * (fontMetrics().height() + 6) + 4);
    connect(colourGrid_, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        if (column == 0) ChooseColourLayerColour(row);
    });
    layout->addWidget(colourGrid_, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(NewButton("Button_selectcolor", "Farbe...", [this] {
        ChooseColourLayerColour(std::max(colourGrid_->currentRow(), 0));
    }));
    for (int thickness = 1; thickness <= 3; ++thickness) {
        const std::string name = "Button_dick" + std::to_string(thickness);
        buttons->addWidget(NewButton(name.c_str(), Display("Strichst\x84rke=") + QString::number(thickness),
                                     [this, thickness] {
                                         for (int row = 0; row < config::kColourLayers; ++row) {
                                             colourGrid_->item(row, 1)->setText(QString::number(thickness));
                                         }
                                     }));
    }
    buttons->addStretch(1);
    buttons->addWidget(
        NewButton("Button_colorhilfe", "&Hilfe", [this] { ShowHelp(help::kHelpSettingsColourHelp); }));
    layout->addLayout(buttons);
    return page;
}

}  // namespace trb::gui
