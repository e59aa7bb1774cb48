#include "gui/settings/settings_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/common/dialog_fit.h"
#include "gui/help/help_hints.h"
#include "gui/settings/form_widgets.h"
#include "gui/window/graphics_form.h"
#include "text/cp850.h"
#include "text/format.h"
#include "ui/help_numbers.h"
#include "ui/settings_files.h"

namespace trb::gui {

QSize ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

void ResizeClientArea(TFkorvgra& window, int width, int height) {
    const QWidget* client = window.centralWidget();
    if (!client || width <= 0 || height <= 0) return;
    window.resize(width + window.width() - client->width(), height + window.height() - client->height());
}

int ColourValue(int red, int green, int blue) {
    return (blue & 0xFF) << 16 | (green & 0xFF) << 8 | (red & 0xFF);
}

Tconfig::Tconfig(SettingsContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)), edited_(context_.settings) {
    setObjectName("Tconfig");
    setWindowTitle("TRB Konfiguration");
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("PageControl1");
    tabs_->setUsesScrollButtons(false);  // all nine tabs in sight
    tabs_->addTab(DirectoriesPage(), "Directories");
    tabs_->addTab(GraphicsPage(), "Grafik");
    tabs_->addTab(CadPage(), "CAD");
    tabs_->addTab(ColourPage(), "Farbe");
    tabs_->addTab(PrinterPage(), "Drucker");
    tabs_->addTab(PrintoutPage(), "Ausdruck");
    tabs_->addTab(OptionsPage(), "Einstellungen");
    tabs_->addTab(ExternalPage(), "Extern");
    tabs_->addTab(DrawingPage(), "Zeichnung");
    layout->addWidget(tabs_);
    layout->addWidget(ButtonRow());
    tabs_->setCurrentIndex(1);
    SetHints();
    FillFields(edited_);
    FitDialog(*this, context_.settings, context_.window);
    setMinimumSize(size());
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    move(x(), std::max(y() - 10, 0));
}

QWidget* Tconfig::ButtonRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton* ok = NewButton("Button_ok", "OK", [this] { accept(); });
    ok->setDefault(true);
    ok->setAutoDefault(true);
    layout->addWidget(ok);
    layout->addWidget(NewButton("Button_cancel", "Abbrechen", [this] { reject(); }));
    layout->addWidget(NewButton("Button_save", "&Speichern", [this] { Save(); }));
    layout->addStretch(1);
    layout->addWidget(NewButton("Button_import", "Import..", [this] { ImportConfig(); }));
    return row;
}

QString Tconfig::Display(std::string_view oem) const {
    return QString::fromStdString(text::OemToDisplay(oem, context_.settings.format));
}

QLineEdit* Tconfig::NewEdit(const char* name, int width) {
    return NamedEdit(this, name, width);
}

QPushButton* Tconfig::NewButton(const char* name, const QString& caption, std::function<void()> click) {
    QPushButton* button = NamedButton(this, name, caption);
    connect(button, &QPushButton::clicked, this, std::move(click));
    return button;
}

QPushButton* Tconfig::DefaultButton(const char* name, QLineEdit* edit, const QString& text) {
    QPushButton* button = NewButton(name, "<", [edit, text] { edit->setText(text); });
    button->setFixedWidth(28);
    return button;
}

QGroupBox* Tconfig::NewRadioGroup(const char* name, const QString& caption, const QStringList& items,
                                  int columns) {
    auto* box = new QGroupBox(caption, this);
    box->setObjectName(name);
    AddRadioButtons(*box, items, columns);
    return box;
}

QCheckBox* Tconfig::NewCheck(const char* name, const QString& caption) {
    auto* check = new QCheckBox(caption, this);
    check->setObjectName(name);
    return check;
}

QSpinBox* Tconfig::NewSpin(const char* name, int minimum, int maximum) {
    auto* spin = new QSpinBox(this);
    spin->setObjectName(name);
    spin->setRange(minimum, maximum);
    return spin;
}

QLabel* Tconfig::NewLabel(const QString& caption, const char* name) {
    auto* label = new QLabel(caption, this);
    if (name) label->setObjectName(name);
    return label;
}

QLineEdit* Tconfig::FolderRow(QGridLayout& grid, int row, const char* name, const QString& caption) {
    QLineEdit* edit = NewEdit(name);
    edit->setMinimumWidth(320);
    grid.addWidget(NewLabel(caption), row, 0);
    grid.addWidget(edit, row, 1);
    const QString button = QString(name).replace("Edit_", "Button_");
    QPushButton* choose = NewButton(button.toLatin1().constData(), "...", [this, edit] {
        std::string folder;
        bool abort = false;
        context_.dialogs.AskFolder(edit->text().toStdString(), folder, abort);
        edit->setText(QString::fromStdString(folder));
    });
    choose->setFixedWidth(32);
    grid.addWidget(choose, row, 2);
    return edit;
}

QLineEdit* Tconfig::ProgramRow(QGridLayout& grid, int row, const char* name, const QString& caption) {
    QLineEdit* edit = NewEdit(name);
    grid.addWidget(NewLabel(caption), row, 0);
    grid.addWidget(edit, row, 1);
    const QString button = QString(name).replace("Edit_", "Button_");
    QPushButton* choose = NewButton(button.toLatin1().constData(), "...", [this, edit] {
        std::string program;
        bool abort = false;
        context_.dialogs.AskProgramFile(edit->text().toStdString(), "*", program, abort);
        if (!abort) edit->setText(QString::fromStdString(program));
    });
    choose->setFixedWidth(32);
    grid.addWidget(choose, row, 2);
    return edit;
}

void Tconfig::ShowHelp(int number) {
    if (context_.help.showText) {
        context_.help.showText(number);
    } else {
        context_.dialogs.ShowBox("Hilfetext Nr " + text::IntText(number) + ": keine Hilfe vorhanden.",
                                 ui::kHelpBox);
    }
}

void Tconfig::SetHints() {
    for (const SettingBinding& binding : SettingBindings()) {
        if (binding.hint != 0)
            SetHelpHint(findChild<QWidget*>(binding.name), binding.hint, context_.settings);
    }
    // The result graphic's hint is shown whatever the help level.
    config::ConfigSettings always = context_.settings;
    always.helpLevel = 1;
    SetHelpHint(findChild<QWidget*>("RadioGroup_ergebnisgrafik"), help::kHelpSettingsResultGraphic, always);
}

void Tconfig::FillFields(const config::ConfigSettings& settings) {
    edited_ = settings;
    fields_.Fill(*this, edited_);
    FillSpecial(edited_);
}

void Tconfig::StoreFields(config::ConfigSettings& settings) const {
    fields_.Store(*this, settings);
    StoreSpecial(settings);
    settings.backgroundColour = background_;
}

void Tconfig::Apply() {
    StoreFields(edited_);
    // The window size: stored minus 1, at most 5000; 0 follows the screen less the window frame.
    const QSize screen = ScreenSize();
    const int frameWidth = frameGeometry().width() - width();
    const int frameHeight = frameGeometry().height() - height();
    edited_.mainClientWidth = std::clamp(edited_.mainClientWidth, 0, 5000);
    edited_.mainClientHeight = std::clamp(edited_.mainClientHeight, 0, 5000);
    if (edited_.mainClientWidth == 0) edited_.mainClientWidth = screen.width() - frameWidth;
    if (edited_.mainClientHeight == 0) edited_.mainClientHeight = screen.height() - frameHeight;
    context_.settings = edited_;
    if (context_.window) {
        context_.window->ApplySettings();
        ResizeClientArea(*context_.window, edited_.mainClientWidth + 1, edited_.mainClientHeight + 1);
    }
    FillFields(edited_);
}

void Tconfig::accept() {
    Apply();
    QDialog::accept();
}

void Tconfig::Save() {
    Apply();
    bool abort = false;
    ui::WriteConfig(context_.settings, context_.places, context_.dialogs, abort);
}

void Tconfig::ImportConfig() {
    std::string folder = context_.places.configFolder;
    std::string path;
    bool abort = false;
    context_.dialogs.AskOpenFile(5, folder, "*.cfg", path, abort);
    if (abort || path.empty()) return;
    // What the file lacks keeps what the controls show; nothing is applied before OK or saved
    // before "&Speichern".
    config::ConfigSettings imported = edited_;
    StoreFields(imported);
    const config::ReadOutcome outcome =
        config::ReadConfigFile(path, imported, context_.places.startFolder,
                               config::ScreenInfo{ScreenSize().width(), ScreenSize().height()});
    if (!outcome.problem.empty()) {
        context_.dialogs.ShowErrorBox(outcome.problem);
    } else if (!outcome.read) {
        context_.dialogs.ShowErrorBox("Datei " + text::DisplayToOem(path) + " nicht gefunden !");
    }
    if (!outcome.read) return;
    FillFields(imported);
}

void Tconfig::ChooseBackground() {
    const int bgr = background_;
    QColorDialog dialog(QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF), this);
    dialog.setObjectName("ColorDialog1");
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return;
    const QColor colour = dialog.selectedColor();
    // The colour is stored at once: it stays also when the dialog is cancelled.
    background_ = ColourValue(colour.red(), colour.green(), colour.blue());
    context_.settings.backgroundColour = background_;
    edited_.backgroundColour = background_;
    if (context_.window) context_.window->ApplySettings();
    ShowBackground();
}

void Tconfig::ShowBackground() {
    if (!backgroundPanel_) return;
    const QColor colour(background_ & 0xFF, (background_ >> 8) & 0xFF, (background_ >> 16) & 0xFF);
    const QColor ink = colour.lightness() < 128 ? Qt::white : Qt::black;
    backgroundPanel_->setStyleSheet(
        QString("background-color: %1; color: %2; border: 1px solid gray;").arg(colour.name(), ink.name()));
    const QSize screen = ScreenSize();
    backgroundPanel_->setText(QString::number(screen.width()) + " x " + QString::number(screen.height()));
}

}  // namespace trb::gui
