#include "gui/common/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPrinter>
#include <QStatusBar>

#include "config/settings.h"
#include "gui/common/dialog_fit.h"
#include "gui/common/file_filter.h"
#include "gui/common/text_viewer.h"
#include "gui/printing/printer_choice.h"
#include "gui/printing/text_printing.h"

namespace trb::gui {

namespace {

// How long a status note stays.
constexpr int kStatusNoteMs = 30000;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

void QtDialogs::Bind(config::ConfigSettings& settings, ui::Launcher& launcher) {
    settings_ = &settings;
    launcher_ = &launcher;
}

void QtDialogs::SetBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++busy_;
    } else if (busy_ > 0) {
        QApplication::restoreOverrideCursor();
        --busy_;
    }
}

void QtDialogs::Fit(QWidget& dialog) const {
    if (settings_) FitDialog(dialog, *settings_, mainWindow_);
}

void QtDialogs::MessageBox(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, Q(caption), Q(text), QMessageBox::Ok, mainWindow_);
    box.exec();
}

ui::Answer QtDialogs::QuestionBox(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::Question, Q(caption), Q(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, mainWindow_);
    box.setObjectName("Question");
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return ui::Answer::Yes;
        case QMessageBox::No:
            return ui::Answer::No;
        default:
            return ui::Answer::Cancel;
    }
}

ui::Answer QtDialogs::SaveQuestionBox(const std::string& caption, const std::string& text) {
    // Qt's own buttons, in the interface language: "Speichern", "Verwerfen", "Abbrechen".
    QMessageBox box(QMessageBox::Question, Q(caption), Q(text),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, mainWindow_);
    box.setObjectName("SaveQuestion");
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return ui::Answer::Yes;
        case QMessageBox::Discard:
            return ui::Answer::No;
        default:
            return ui::Answer::Cancel;
    }
}

std::optional<int> QtDialogs::ChooseItem(ui::ChoiceStyle style, const std::string& prompt,
                                         const std::vector<std::string>& items, int preselected) {
    if (style == ui::ChoiceStyle::List) {
        Tin_codedialog dialog(Q(prompt), items, preselected, help_, mainWindow_);
        Fit(dialog);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.Choice();
    }
    Tin_radiodialog dialog(Q(prompt), items, preselected, help_, mainWindow_);
    Fit(dialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Choice();
}

std::optional<std::string> QtDialogs::EnterText(const std::string& prompt, const std::string& preset,
                                                int maxLength) {
    Tin_textdialog dialog(Q(prompt), Q(preset), maxLength, help_, mainWindow_);
    if (settings_) FitDialogInPlace(dialog, *settings_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Text().toStdString();
}

std::optional<bool> QtDialogs::EnterYesNo(const std::string& prompt, bool presetYes) {
    Tin_janeindialog dialog(Q(prompt), presetYes, help_, mainWindow_);
    Fit(dialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Yes();
}

std::optional<std::string> QtDialogs::ChooseOpenFile(const ui::OpenFileRequest& request) {
    QFileDialog dialog(mainWindow_, QString(), Q(request.folder), QtFileFilter(request.filter));
    dialog.setObjectName("OpenDialog");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> QtDialogs::ChooseSavePath(const ui::OpenFileRequest& request) {
    QFileDialog dialog(mainWindow_, QString(), Q(request.folder), QtFileFilter(request.filter));
    dialog.setObjectName("SaveDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The callers ask before an existing file is replaced, also for the name they complete with
    // its extension; the dialog's own question would come twice.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!request.name.empty()) dialog.selectFile(Q(request.name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> QtDialogs::ChooseFolderPath(const std::string& start) {
    const QString folder = ChooseFolder(mainWindow_, Q(start));
    if (folder.isEmpty()) return std::nullopt;
    return folder.toStdString();
}

void QtDialogs::ShowTextViewer(const std::string& file, const std::string& printFile) {
    if (!settings_ || !launcher_) return;
    TForm_showtextfile viewer(
        file, *settings_, *launcher_, [this, printFile] { PrintTextFile(printFile); }, mainWindow_);
    if (!viewer.Load()) {
        MessageBox("Meldung:", file + " not found !");
        return;
    }
    viewer.exec();
}

void QtDialogs::PrintText(const std::string& file, int pages) {
    if (!settings_) return;
    if (printer_) {
        gui::PrintTextFile(mainWindow_, printer_->Printer(), file, pages, *settings_);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    gui::PrintTextFile(mainWindow_, printer, file, pages, *settings_);
}

void QtDialogs::ShowScreen(const std::string& caption, const std::vector<std::string>& lines) {
    TShowScreen screen(Q(caption), lines, mainWindow_);
    screen.exec();
}

void QtDialogs::Beep() {
    QApplication::beep();
}

void QtDialogs::ShowStatus(const std::string& text) {
    if (auto* window = qobject_cast<QMainWindow*>(mainWindow_.data())) {
        window->statusBar()->showMessage(Q(text), kStatusNoteMs);
    }
}

}  // namespace trb::gui
