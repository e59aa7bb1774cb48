#include "gui/help/message_viewer.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/settings.h"
#include "gui/common/dialog_fit.h"
#include "text/cp850.h"

namespace trb::gui {

namespace {

QPlainTextEdit* NewMemo(QWidget* parent, const char* name, const QString& text) {
    auto* memo = new QPlainTextEdit(text, parent);
    memo->setObjectName(name);
    memo->setTabChangesFocus(true);
    memo->setMinimumSize(520, 70);
    return memo;
}

// The catalogue holds one line for each text.
std::string OneLine(QString text) {
    text.replace('\n', ' ');
    text.remove('\r');
    return text.toStdString();
}

}  // namespace

Thelperr::Thelperr(const std::string& message, const std::string& cause, const std::string& remedy,
                   const config::ConfigSettings& settings, std::function<void()> help, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName("Thelperr");
    setWindowTitle("Fehlermeldung");
    const auto shown = [&](const std::string& oem) {
        return QString::fromStdString(text::OemToDisplayAll(oem, settings.format));
    };
    Edit_meldung = new QLineEdit(shown(message), this);
    Edit_meldung->setObjectName("Edit_meldung");
    Edit_meldung->setReadOnly(true);
    Memo_ursache = NewMemo(this, "Memo_ursache", shown(cause));
    Memo_abhilfe = NewMemo(this, "Memo_abhilfe", shown(remedy));

    auto* form = new QFormLayout;
    form->addRow(new QLabel("Fehlermeldung", this), Edit_meldung);
    form->addRow(new QLabel("Ursache", this), Memo_ursache);
    form->addRow(new QLabel("Abhilfe", this), Memo_abhilfe);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("Button_ok");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* helpButton = new QPushButton("&Hilfe", this);
    helpButton->setObjectName("Button_help");
    helpButton->setAutoDefault(false);
    connect(helpButton, &QPushButton::clicked, this, [help = std::move(help)] {
        if (help) help();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(helpButton);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    // Filling the memos above does not count as a change.
    for (QPlainTextEdit* memo : {Memo_ursache, Memo_abhilfe})
        connect(memo, &QPlainTextEdit::textChanged, this, [this] { modified_ = true; });
    FitDialog(*this, settings, parent);
}

std::string Thelperr::Cause() const {
    return text::DisplayToOem(OneLine(Memo_ursache->toPlainText()));
}

std::string Thelperr::Remedy() const {
    return text::DisplayToOem(OneLine(Memo_abhilfe->toPlainText()));
}

report::DescriptionEditor MessageViewerEditor(const config::ConfigSettings& settings,
                                              std::function<void()> help, QWidget* parent) {
    return [&settings, help = std::move(help), parent](const std::string& message, std::string& cause,
                                                       std::string& remedy) {
        Thelperr viewer(message, cause, remedy, settings, help, parent);
        viewer.exec();
        if (!viewer.Modified()) return false;
        cause = viewer.Cause();
        remedy = viewer.Remedy();
        return true;
    };
}

}  // namespace trb::gui
