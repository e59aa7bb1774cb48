#include "gui/help/help_picture_window.h"

#include <QGridLayout>
#include <QListWidget>
#include <QPoint>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "config/settings.h"
#include "gui/common/dialog_fit.h"
#include "text/cp850.h"

namespace trb::gui {

namespace {

// Where the window was when it closed last; the next one opens there.
std::optional<QPoint> lastPosition;

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TForm_hilfebild::TForm_hilfebild(const std::vector<std::string>& items, int pictures, int current,
                                 const config::ConfigSettings& settings, std::function<void()> help,
                                 QWidget* parent)
    : QDialog(parent), pictures_(pictures), current_(current) {
    setObjectName("TForm_hilfebild");
    setWindowFlag(Qt::Tool);
    setWindowTitle("TRB Hilfebilder");

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    QFont fixed("Monospace");
    fixed.setStyleHint(QFont::TypeWriter);
    ListBox1->setFont(fixed);
    for (const std::string& item : items)
        ListBox1->addItem(QString::fromStdString(text::OemToDisplay(item, settings.format)));
    if (current >= 1 && current <= ListBox1->count()) ListBox1->setCurrentRow(current - 1);
    ListBox1->setMinimumWidth(ListBox1->sizeHintForColumn(0) + 30);
    connect(ListBox1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = ListBox1->row(item);
        if (row < pictures_) {
            Choose({help::BrowserAnswer::Kind::Picture, row + 1});
        } else {
            Choose({help::BrowserAnswer::Kind::Command, 0,
                    static_cast<help::PictureCommand>(row - pictures_ + 1)});
        }
    });

    auto* spin = new QWidget(this);
    spin->setObjectName("SpinButton1");
    auto* spinLayout = new QVBoxLayout(spin);
    spinLayout->setContentsMargins(0, 0, 0, 0);
    spinLayout->setSpacing(0);
    auto* up = new QToolButton(spin);
    up->setObjectName("SpinButton1_up");
    up->setArrowType(Qt::UpArrow);
    auto* down = new QToolButton(spin);
    down->setObjectName("SpinButton1_down");
    down->setArrowType(Qt::DownArrow);
    spinLayout->addWidget(up);
    spinLayout->addWidget(down);
    connect(up, &QToolButton::clicked, this, [this] { Step(-1); });
    connect(down, &QToolButton::clicked, this, [this] { Step(+1); });

    QPushButton* ok = NewButton(this, "Button_ok", "OK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { Choose({help::BrowserAnswer::Kind::Ok}); });
    QPushButton* helpButton = NewButton(this, "Button_help", "&Hilfe");
    connect(helpButton, &QPushButton::clicked, this, [help = std::move(help)] {
        if (help) help();
    });
    QPushButton* extend = NewButton(this, "Button_neu", "&Erweitern");
    connect(extend, &QPushButton::clicked, this, [this] { Command(help::PictureCommand::Extend); });
    QPushButton* change = NewButton(this, "Button_aendern", QString::fromUtf8("\u00c4&ndern"));
    connect(change, &QPushButton::clicked, this, [this] { Command(help::PictureCommand::Change); });
    QPushButton* insert = NewButton(this, "Button_einfuegen", QString::fromUtf8("Ein&f\u00fcgen"));
    connect(insert, &QPushButton::clicked, this, [this] { Command(help::PictureCommand::Insert); });
    QPushButton* remove = NewButton(this, "Button_loeschen", QString::fromUtf8("&L\u00f6schen"));
    connect(remove, &QPushButton::clicked, this, [this] { Command(help::PictureCommand::Delete); });

    auto* layout = new QGridLayout(this);
    layout->addWidget(ListBox1, 0, 0, 7, 1);
    layout->addWidget(spin, 0, 1);
    layout->addWidget(ok, 1, 1);
    layout->addWidget(helpButton, 2, 1);
    layout->addWidget(extend, 3, 1);
    layout->addWidget(change, 4, 1);
    layout->addWidget(insert, 5, 1);
    layout->addWidget(remove, 6, 1);

    // The first time the window goes to the lower right corner, where the pictures leave the most room.
    if (!lastPosition && parent != nullptr) {
        adjustSize();
        const QRect area = parent->geometry();
        lastPosition = QPoint(std::max(area.left(), area.right() - width() - 10),
                              std::max(area.top(), area.bottom() - height() - 40));
    }
    FitDialogAt(*this, settings, lastPosition ? lastPosition->x() : 0, lastPosition ? lastPosition->y() : 0);
}

void TForm_hilfebild::Choose(help::BrowserAnswer answer) {
    answer_ = answer;
    lastPosition = pos();
    accept();
}

void TForm_hilfebild::Command(help::PictureCommand command) {
    Choose({help::BrowserAnswer::Kind::Command, SelectedPicture(), command});
}

void TForm_hilfebild::Step(int delta) {
    const int next = current_ + delta;
    if (next < 1 || next > pictures_) return;
    Choose({help::BrowserAnswer::Kind::Picture, next});
}

int TForm_hilfebild::SelectedPicture() const {
    const int row = ListBox1->currentRow();
    return row >= 0 && row < pictures_ ? row + 1 : 0;
}

help::BrowserAnswer PictureBrowserWindow::Show(const std::vector<std::string>& items, int pictures,
                                               int current) {
    TForm_hilfebild window(items, pictures, current, settings_, help_, parent_);
    // Closing the window (Esc, the title bar) ends the browser like OK.
    if (window.exec() != QDialog::Accepted) return {help::BrowserAnswer::Kind::Ok};
    return window.Answer();
}

}  // namespace trb::gui
