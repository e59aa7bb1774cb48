#include "gui/tables/table_window.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "app/program.h"
#include "gui/tables/table_grid.h"
#include "gui/tables/table_grid_model.h"
#include "tables/dbf_error.h"
#include "tables/table_access.h"
#include "text/cp850.h"

namespace trb::gui {

namespace {

constexpr const char* kCopyWarning =
    "Kein Schreibrecht f\x81r dbf-Ordner !  Bearbeitung im Tempor\x84r-Ordner.";

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

Tdbf4::Tdbf4(app::Program& program, QWidget* parent) : QDialog(parent), program_(program) {
    setObjectName("Tdbf4");
    setSizeGripEnabled(true);
    baseFont_ = font();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 2, 1, 1);  // the grid reaches to one pixel from the edges

    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName("MainMenu");
    layout->setMenuBar(menuBar_);

    title1_ = new QLabel(this);
    title1_->setObjectName("Label_title1");
    title1_->hide();
    fileName_ = new QLabel(this);
    fileName_->setObjectName("Label_filename");
    fileName_->hide();
    title2_ = new QLabel(this);
    title2_->setObjectName("Label_title2");
    QFont bold = title2_->font();
    bold.setBold(true);
    title2_->setFont(bold);
    recNo_ = new QLabel(this);
    recNo_->setObjectName("Label_recno");
    recNo_->setMinimumWidth(90);
    recNo_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* top = new QHBoxLayout;
    top->addWidget(title2_);
    top->addStretch(1);
    top->addWidget(recNo_);
    layout->addLayout(top);

    grid_ = new TableGrid(this);
    model_ = new TableGridModel(program_.settings.format, this);
    grid_->setModel(model_);
    layout->addWidget(grid_, 1);

    navigator_ = new TableNavigator(this);
    auto* search = NewButton(this, "Button_search", "&Suchen");
    auto* searchNext = NewButton(this, "Button_SearchNext", "&Weitersuchen");
    auto* ok = NewButton(this, "Button_ok", "OK");
    ok->setDefault(true);
    auto* cancel = NewButton(this, "Button_cancel", "Abbrechen");
    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(0, 4, 5, 4);
    bottom->addWidget(navigator_);
    bottom->addSpacing(12);
    bottom->addWidget(search);
    bottom->addWidget(searchNext);
    bottom->addStretch(1);
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    layout->addLayout(bottom);

    BuildMenu();

    connect(ok, &QPushButton::clicked, this, &Tdbf4::accept);
    connect(cancel, &QPushButton::clicked, this, &Tdbf4::reject);
    connect(search, &QPushButton::clicked, this, [this] { mi_viewSearchClick(); });
    connect(searchNext, &QPushButton::clicked, this, [this] { mi_viewSearchNextClick(); });
    navigator_->SetHandler([this](TableNavigator::Button button) { Navigate(button); });
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                CurrentRowChanged(current.row(), previous.row());
            });
    connect(grid_, &QAbstractItemView::clicked, this, [this] { CellClicked(); });
    // Choosing: a double click takes the record as OK does.
    connect(grid_, &QAbstractItemView::doubleClicked, this, [this] {
        if (mode_ == tables::kSelectionMode) accept();
    });
    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { TitleClicked(column); });
    grid_->SetAppendAtEnd([this] { Navigate(TableNavigator::Insert); });
    model_->SetErrorHandler([this](const std::exception& error) { ShowError(error); });
    model_->SetWrittenHandler([this](int record) { Written(record); });
}

Tdbf4::~Tdbf4() = default;

QAction* Tdbf4::AddItem(QMenu* menu, const char* name, const QString& caption, void (Tdbf4::*command)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [this, command] { (this->*command)(); });
    return action;
}

void Tdbf4::BuildMenu() {
    const auto menu = [this](const char* name) {
        QMenu* m = menuBar_->addMenu(QString());
        m->setObjectName(name);
        m->menuAction()->setObjectName(QString(name) + "_action");
        return m;
    };
    QMenu* file = menu("mi_file");
    AddItem(file, "mi_fileExportHtml", "Export HTML", &Tdbf4::mi_fileExportHtmlClick);
    AddItem(file, "mi_fileSaveAsDelimited", "Save As Delimited", &Tdbf4::mi_fileSaveAsDelimitedClick);
    AddItem(file, "mi_fileAppenddbf", "Append dbf", &Tdbf4::mi_fileAppenddbfClick);
    AddItem(file, "mi_fileAppendDelimited", "Append Delimited", &Tdbf4::mi_fileAppendDelimitedClick);
    file->addSeparator()->setObjectName("mi_fileSeparatorPrint");
    AddItem(file, "mi_filePrint", QString(), &Tdbf4::mi_filePrintClick);
    file->addSeparator();
    QAction* exit = file->addAction("&Beenden");
    exit->setObjectName("mi_fileExit");
    connect(exit, &QAction::triggered, this, &Tdbf4::accept);

    QMenu* edit = menu("mi_edit");
    AddItem(edit, "mi_editAppend", "Append", &Tdbf4::mi_editAppendClick);
    AddItem(edit, "mi_editPack", "Pack", &Tdbf4::mi_editPackClick)
        ->setToolTip(QString::fromUtf8("Markierte Datens\u00E4tze l\u00F6schen"));
    edit->setToolTipsVisible(true);

    QMenu* view = menu("mi_view");
    view->setTitle("&Ansicht");
    AddItem(view, "mi_viewSearch", "&Suchen", &Tdbf4::mi_viewSearchClick);
    AddItem(view, "mi_viewSearchNext", "&Weitersuchen", &Tdbf4::mi_viewSearchNextClick)
        ->setShortcut(Qt::Key_F3);

    QMenu* help = menu("mi_help");
    AddItem(help, "mi_helpdbf", QString(), &Tdbf4::mi_helpdbfClick);
    AddItem(help, "mi_helpCommon", QString(), &Tdbf4::mi_helpCommonClick);
    AddItem(help, "mi_helphilfebild", "Hilfe&bild", &Tdbf4::mi_helphilfebildClick);
    AddItem(help, "mi_helpDatei", QString(), &Tdbf4::mi_helpDateiClick);
}

// The captions that follow the interface language and the titles of the table shown.
void Tdbf4::SetCaptions() {
    using text::MenuCaption;
    const auto caption = [this](MenuCaption id) { return QString::fromStdString(program_.texts.Menu(id)); };
    findChild<QMenu*>("mi_file")->setTitle(caption(MenuCaption::Datei));
    findChild<QMenu*>("mi_edit")->setTitle(caption(MenuCaption::Bearbeiten));
    findChild<QMenu*>("mi_help")->setTitle(caption(MenuCaption::Hilfe));
    findChild<QAction*>("mi_filePrint")->setText(caption(MenuCaption::Drucken));
    findChild<QAction*>("mi_helpCommon")->setText(caption(MenuCaption::Hilfe));
    findChild<QAction*>("mi_helpDatei")->setText(caption(MenuCaption::Datei));
    findChild<QAction*>("mi_helpdbf")->setText(QString::fromStdString(view_.title2));

    const QString title1 = QString::fromStdString(view_.title1);
    const QString title2 = QString::fromStdString(view_.title2);
    title1_->setText(title1);
    title2_->setText(title2);
    fileName_->setText(QString::fromStdString(view_.filePath));
    if (mode_ == tables::kEditingMode) {
        setWindowTitle(title2 + "  " + title1 + "  (" + QString::fromStdString(view_.filePath) + ")");
    } else {
        setWindowTitle(title2 + "   " + title1);
    }
}

void Tdbf4::SetUpMode() {
    const bool editing = mode_ == tables::kEditingMode;
    navigator_->ShowAllButtons(editing);
    for (const char* name : {"mi_fileAppenddbf", "mi_fileAppendDelimited", "mi_fileSeparatorPrint",
                             "mi_editAppend", "mi_editPack"})
        findChild<QAction*>(name)->setVisible(editing);
    findChild<QMenu*>("mi_edit")->menuAction()->setVisible(editing);
    grid_->setEditTriggers(editing ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                         QAbstractItemView::AnyKeyPressed
                                   : QAbstractItemView::NoEditTriggers);
    grid_->horizontalHeader()->setSortIndicatorShown(false);
    model_->SetTable(table_, editing);
    SetCaptions();
}

bool Tdbf4::ShowTableWindow(tables::DbfTable& table, const tables::TableWindowView& view, int mode) {
    table_ = &table;
    view_ = view;
    mode_ = mode == tables::kEditingMode ? tables::kEditingMode : tables::kSelectionMode;
    SetUpMode();
    FitToTable();
    ShowRecord(table.RecNo());
    recNo_->clear();
    if (mode_ == tables::kEditingMode && view.workingOnCopy)
        QTimer::singleShot(0, this, [this] { program_.dialogs.ShowNoteBox(kCopyWarning); });
    grid_->setFocus();
    const bool chosen = exec() == QDialog::Accepted;
    model_->SetTable(nullptr, false);
    table_ = nullptr;
    return chosen;
}

// The dialog element size scales the font (from the font the window was made with, as it is shown
// again and again), the window scale its size; the window is as wide as the columns need, within
// the screen, and centred over the main window.
void Tdbf4::FitToTable() {
    const config::ConfigSettings& settings = program_.settings;
    const int element = settings.dialogElementSize > 0 ? settings.dialogElementSize : 100;
    const int scale = settings.inputWindowScale > 0 ? settings.inputWindowScale : 100;
    QFont font = baseFont_;
    if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * element / 100.0);
    setFont(font);
    // Rows as high as a line of text with a little air (the style's default is about twice that),
    // and room for a logical field's check box.
    const int indicator = grid_->style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, grid_);
    const int rowHeight = std::max(QFontMetrics(font).height(), indicator) + 6;
    grid_->verticalHeader()->setMinimumSectionSize(rowHeight);
    grid_->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid_->resizeColumnsToContents();
    // Room in the indicator column for the largest record number with its deletion mark.
    const int records = table_ != nullptr ? table_->RecordCount() : 0;
    grid_->verticalHeader()->setMinimumWidth(
        grid_->verticalHeader()->fontMetrics().horizontalAdvance("* " + QString::number(records)) + 12);
    int width =
        grid_->verticalHeader()->sizeHint().width() + grid_->verticalScrollBar()->sizeHint().width() + 24;
    for (int column = 0; column < model_->columnCount(); ++column) width += grid_->columnWidth(column);
    width = std::max(width, minimumSizeHint().width());
    int height = menuBar_->sizeHint().height() + grid_->horizontalHeader()->sizeHint().height() +
                 grid_->verticalHeader()->defaultSectionSize() * 18 + 90;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1600, 1000);
    width = std::min(width * scale / 100, room.width() * 9 / 10);
    height = std::min(height * scale / 100, room.height() * 8 / 10);
    resize(width, height);
    if (const QWidget* main = parentWidget()) move(main->geometry().center() - rect().center());
}

void Tdbf4::RefreshGraphicsWindow() {
    if (QWidget* main = parentWidget()) main->repaint();
}

void Tdbf4::accept() {
    if (table_ == nullptr || !FinishEditing()) return;
    const QModelIndex current = grid_->currentIndex();
    const int record = CurrentRecord();
    // Choosing needs a record; an empty list can only be left with Cancel.
    if (mode_ == tables::kSelectionMode && record == 0) return;
    if (record != 0 && !Try([&] { table_->Go(record); })) return;
    chosenRecord_ = table_->RecNo();
    chosenRow_ = current.row() + 1;
    chosenColumn_ = current.column() + 1;
    lastKey_ = Qt::Key_Return;
    QDialog::accept();
}

void Tdbf4::reject() {
    grid_->CancelEdit();
    model_->CancelNewRow();
    lastKey_ = Qt::Key_Escape;
    QDialog::reject();
}

// ----- events ------------------------------------------------------------------------------------

void Tdbf4::CurrentRowChanged(int row, int previous) {
    if (table_ == nullptr) return;
    // Leaving the new row stores it, as leaving an edited row does; once the grid has settled,
    // since storing reads the rows again.
    if (previous >= 0 && previous == model_->NewRowIndex() && row != previous) {
        const int target = model_->RecordAt(row);
        QTimer::singleShot(0, this, [this, target] {
            if (table_ != nullptr && model_->HasNewRow() && model_->PostNewRow() != 0) ShowRecord(target);
        });
        return;
    }
    if (const int record = model_->RecordAt(row); record != 0) Try([&] { table_->Go(record); });
    UpdateRecordLabel();
}

void Tdbf4::CellClicked() {
    UpdateRecordLabel();
}

void Tdbf4::UpdateRecordLabel() {
    const int record = CurrentRecord();
    if (table_ == nullptr || record == 0) {
        recNo_->clear();
        return;
    }
    recNo_->setText(QString::number(record) + "/" + QString::number(table_->RecordCount()));
}

// A click on a column title orders the rows by that field through an index in the temporary
// folder and stays on the same record.
void Tdbf4::TitleClicked(int column) {
    if (table_ == nullptr || !FinishEditing()) return;
    const int record = CurrentRecord();
    // The index goes into this program's private temporary folder.
    const std::filesystem::path folder = tables::FoldersFromSettings(program_.settings, {}).tempFolder;
    const std::filesystem::path index = folder / "$korvtemp.ndx";
    const bool sorted = Try([&] {
        if (folder.empty()) throw tables::DbfError(tables::DbfErrorCode::PathNotFound, "trb-XXXXXX");
        table_->IndexOn(table_->Field(column + 1), index);
        table_->SetIndexTo(index);
    });
    Reload(record);
    if (sorted) {
        grid_->horizontalHeader()->setSortIndicatorShown(true);
        grid_->horizontalHeader()->setSortIndicator(column, Qt::AscendingOrder);
    }
}

void Tdbf4::Navigate(TableNavigator::Button button) {
    if (table_ == nullptr) return;
    const int rows = model_->rowCount();
    const int row = grid_->currentIndex().row();
    const int column = std::max(grid_->currentIndex().column(), 0);
    const auto go = [&](int target) {
        if (rows > 0) grid_->setCurrentIndex(model_->index(std::clamp(target, 0, rows - 1), column));
    };
    switch (button) {
        case TableNavigator::First:
            go(0);
            break;
        case TableNavigator::Prior:
            go(row - 1);
            break;
        case TableNavigator::Next:
            go(row + 1);
            break;
        case TableNavigator::Last:
            go(rows - 1);
            break;
        case TableNavigator::Insert:
            grid_->FinishEdit();
            model_->AddNewRow();
            if (model_->HasNewRow()) {
                const QModelIndex cell = model_->index(model_->NewRowIndex(), 0);
                grid_->setCurrentIndex(cell);
                grid_->edit(cell);
            }
            break;
        case TableNavigator::Delete: {
            if (row >= 0 && row == model_->NewRowIndex()) {
                model_->CancelNewRow();
                break;
            }
            const int record = CurrentRecord();
            if (record == 0) break;
            grid_->CancelEdit();
            // No question first: a deleted record is only marked, and the button restores it.
            Try([&] {
                table_->Go(record);
                if (table_->Deleted()) {
                    table_->Recall();
                } else {
                    table_->Delete();
                }
            });
            Reload(record);
            break;
        }
        case TableNavigator::Edit:
            if (grid_->currentIndex().isValid()) grid_->edit(grid_->currentIndex());
            break;
        case TableNavigator::Post:
            FinishEditing();
            break;
        case TableNavigator::Cancel:
            grid_->CancelEdit();
            model_->CancelNewRow();
            break;
        case TableNavigator::Refresh: {
            if (!FinishEditing()) break;
            const int record = CurrentRecord();
            Try([&] { table_->Refresh(); });
            Reload(record);
            break;
        }
    }
}

// An edit can move its record in the index order; the rows are read again once the edit is done.
void Tdbf4::Written(int record) {
    UpdateRecordLabel();
    if (table_ != nullptr && table_->HasIndex())
        QTimer::singleShot(0, this, [this, record] {
            if (table_ != nullptr) Reload(record);
        });
}

// ----- helpers -----------------------------------------------------------------------------------

void Tdbf4::ShowError(const std::exception& error) {
    program_.dialogs.SetBusy(false);
    program_.dialogs.ShowErrorBox(tables::DbfErrorMessage(error));
}

bool Tdbf4::Try(const std::function<void()>& work) {
    program_.dialogs.SetBusy(true);
    try {
        work();
    } catch (const std::exception& error) {
        ShowError(error);
        return false;
    }
    program_.dialogs.SetBusy(false);
    return true;
}

bool Tdbf4::UnderFileLock(const std::function<void()>& work) {
    return Try([&] {
        if (!table_->FLock())
            throw tables::DbfError(tables::DbfErrorCode::FileNotLocked, table_->Path().string());
        try {
            work();
        } catch (...) {
            table_->UnLock();
            throw;
        }
        table_->UnLock();
    });
}

bool Tdbf4::FinishEditing() {
    grid_->FinishEdit();
    if (!model_->HasNewRow()) return true;
    const int record = model_->PostNewRow();
    if (record == 0) return false;
    ShowRecord(record);
    return true;
}

int Tdbf4::CurrentRecord() const {
    return model_->RecordAt(grid_->currentIndex().row());
}

void Tdbf4::ShowRecord(int record) {
    if (model_->rowCount() == 0) {
        UpdateRecordLabel();
        return;
    }
    const int row = std::max(model_->RowOf(record), 0);
    const int column = std::max(grid_->currentIndex().column(), 0);
    const QModelIndex cell = model_->index(row, column);
    grid_->setCurrentIndex(cell);
    grid_->scrollTo(cell);
    UpdateRecordLabel();
}

void Tdbf4::Reload(int record) {
    model_->Reload();
    ShowRecord(record);
}

}  // namespace trb::gui
