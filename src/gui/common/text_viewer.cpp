#include "gui/common/text_viewer.h"

#include <QIcon>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <fstream>
#include <sstream>

#include "config/settings.h"
#include "text/cp850.h"
#include "ui/launcher.h"

namespace trb::gui {

TForm_showtextfile::TForm_showtextfile(const std::string& file, config::ConfigSettings& settings,
                                       ui::Launcher& launcher, std::function<void()> print, QWidget* parent)
    : QDialog(parent), file_(file), settings_(settings), launcher_(launcher) {
    setObjectName("TForm_showtextfile");
    setWindowTitle(QString::fromStdString("TRB - " + file));
    setSizeGripEnabled(true);
    const config::WindowRect& rect = settings.textWindow;
    if (rect.width > 0 && rect.height > 0) {
        setGeometry(rect.left, rect.top, rect.width, rect.height);
    } else {
        resize(700, 440);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* menu = new QMenuBar(this);
    layout->setMenuBar(menu);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName("Memo1");
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QString::fromStdString(settings.printoutFont));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(settings.printoutFontSize > 0 ? settings.printoutFontSize : 10);
    font.setBold((settings.printoutFontStyle & 1) != 0);
    font.setItalic((settings.printoutFontStyle & 2) != 0);
    memo_->setFont(font);
    layout->addWidget(memo_);

    QMenu* fileMenu = menu->addMenu("&Datei");
    // The text in the desktop's editor (or the configured text program), started without a shell.
    QAction* exportAction = fileMenu->addAction("Export &Notepad", this, [this] {
        if (launcher_.Start(settings_.textProgram, {file_})) return;
        const std::string why = ui::NothingCouldOpenText(file_, text::DisplayToOem(launcher_.FailureText()));
        QMessageBox box(QMessageBox::NoIcon,
                        "Meldung:", QString::fromStdString(text::OemToDisplayAll(why, {})), QMessageBox::Ok,
                        this);
        box.setObjectName("ExportFailedBox");
        box.exec();
    });
    exportAction->setObjectName("mi_exportNotepad");
    QAction* printAction = fileMenu->addAction("&Drucken...", this, [print] {
        if (print) print();
    });
    printAction->setObjectName("mi_print");
    // The print button beside the menu does the same.
    auto* printButton = new QToolButton(menu);
    printButton->setObjectName("Button_print");
    printButton->setText(QStringLiteral("Drucken"));
    printButton->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    printButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(printButton, &QToolButton::clicked, printAction, &QAction::trigger);
    printButton->setAutoRaise(true);
    menu->setCornerWidget(printButton, Qt::TopRightCorner);
    fileMenu->addAction("&Beenden       ", this, &QDialog::accept);
    QMenu* editMenu = menu->addMenu("&Bearbeiten");
    editMenu->addAction("Alles aus&w\u00e4hlen", memo_, &QPlainTextEdit::selectAll);
    editMenu->addAction("&Kopieren", memo_, &QPlainTextEdit::copy);
}

bool TForm_showtextfile::Load() {
    std::ifstream in(file_, std::ios::binary);
    if (!in) return false;
    std::ostringstream content;
    content << in.rdbuf();
    std::string text = content.str();
    std::erase(text, '\r');
    std::erase(text, '\f');
    // The display copy is already display text; it is only made valid UTF-8 here.
    memo_->setPlainText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return true;
}

void TForm_showtextfile::done(int result) {
    const QRect frame = geometry();
    settings_.textWindow = config::WindowRect{frame.left(), frame.top(), frame.width(), frame.height()};
    QDialog::done(result);
}

}  // namespace trb::gui
