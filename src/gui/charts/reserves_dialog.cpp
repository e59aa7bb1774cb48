#include "gui/charts/reserves_dialog.h"

#include <QApplication>
#include <QBuffer>
#include <QFont>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <filesystem>

#include "casefile/case_file_state.h"
#include "gui/common/dialog_fit.h"
#include "gui/printing/printer_choice.h"
#include "report/reserves_text.h"
#include "text/reserve_texts.h"
#include "ui/checked_file.h"
#include "ui/help_numbers.h"

namespace trb::gui {

namespace {

using text::ReserveText;

// The page's font: letters and digits from a Latin sans-serif font (Debian's fonts-dejavu-core or
// fonts-liberation2), which a PDF keeps as text where the Hangul font's digits come out as shapes
// only; Hangul from the interface font.
QFont PageFont() {
    QFont font = QApplication::font();
    QStringList families;
    for (const QString& latin : {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}) {
        if (QFontDatabase::hasFamily(latin)) {
            families << latin;
            break;
        }
    }
    families << font.families();
    font.setFamilies(families);
    return font;
}

// The page as a document to print.
void PrintPage(const std::string& html, QPagedPaintDevice& device) {
    QTextDocument page;
    page.setDefaultFont(PageFont());
    page.setHtml(QString::fromStdString(html));
    page.print(&device);
}

// The case's file name as the page's title names it ("lager.trb"); empty for an unnamed case.
std::string CaseName(const casefile::CaseFileState& state) {
    if (state.name.empty()) return {};
    return std::filesystem::path(casefile::CurrentCaseFile(state)).filename().string();
}

}  // namespace

TFreserven::TFreserven(Context context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName("TFreserven");
    const int language = context_.program.texts.MenuLanguage();
    const auto caption = [language](ReserveText id) {
        return QString::fromUtf8(text::Reserve(language, id));
    };
    setWindowTitle("TRB - " + caption(ReserveText::Reserven));

    Label_suche = new QLabel(caption(ReserveText::Suche), this);
    Label_suche->setObjectName("Label_suche");
    ProgressBar_suche = new QProgressBar(this);
    ProgressBar_suche->setObjectName("ProgressBar_suche");
    ProgressBar_suche->setRange(0, core::kThresholdSearches);
    Memo_reserven = new QTextBrowser(this);
    Memo_reserven->setObjectName("Memo_reserven");
    Memo_reserven->setMinimumSize(640, 480);
    Memo_reserven->document()->setDefaultFont(PageFont());

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        buttons->addWidget(b);
        return b;
    };
    Button_drucken = button("Button_drucken", caption(ReserveText::Drucken));
    Button_pdf = button("Button_pdf", caption(ReserveText::Pdf));
    buttons->addStretch();
    QPushButton* close = button("Button_schliessen", caption(ReserveText::Schliessen));
    QPushButton* help = button("Button_help", "?");
    close->setDefault(true);
    connect(Button_drucken, &QPushButton::clicked, this, [this] { Button_druckenClick(); });
    connect(Button_pdf, &QPushButton::clicked, this, [this] { Button_pdfClick(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, [this] {
        if (context_.help) context_.help(help::kHelpReserves);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label_suche);
    layout->addWidget(ProgressBar_suche);
    layout->addWidget(Memo_reserven, 1);
    layout->addLayout(buttons);

    connect(&context_.search, &ThresholdSearch::Progressed, this,
            [this](int done) { ProgressBar_suche->setValue(done); });
    connect(&context_.search, &ThresholdSearch::Ready, this, [this] { ShowReserves(); });
    ShowReserves();
    FitDialog(*this, context_.program.settings, context_.mainWindow);
}

void TFreserven::ShowReserves() {
    const app::Program& program = context_.program;
    const core::Thresholds* thresholds = context_.search.For(program.record);
    const bool ready = thresholds != nullptr;
    Label_suche->setVisible(!ready);
    ProgressBar_suche->setVisible(!ready);
    Button_drucken->setEnabled(ready);
    Button_pdf->setEnabled(ready);
    if (!ready) {
        ProgressBar_suche->setValue(context_.search.Done());
        html_.clear();
        Memo_reserven->clear();
        return;
    }
    const report::ReservesText reserves =
        report::DescribeReserves(program.record, *thresholds, CaseName(program.caseFile),
                                 program.texts.MenuLanguage(), program.settings.format);
    html_ = report::ReservesHtml(reserves);
    Memo_reserven->setHtml(QString::fromStdString(html_));
}

void TFreserven::Button_druckenClick() {
    QPrintDialog dialog(&context_.printer, this);
    dialog.setObjectName("PrintDialog1");
    if (dialog.exec() != QDialog::Accepted) return;
    // Each job paints on a printer of its own (see TakePrinterSettings).
    QPrinter job(QPrinter::HighResolution);
    TakePrinterSettings(job, context_.printer);
    PrintPage(html_, job);
}

void TFreserven::Button_pdfClick() {
    app::Program& program = context_.program;
    ui::Dialogs& dialogs = program.dialogs;
    dialogs.SetHelpNumber(help::kHelpReserves);
    const auto chosen = dialogs.ChooseSaveFile(program.caseFile.folder, "*.pdf");
    if (!chosen || chosen->empty()) return;
    std::string target = *chosen;
    if (std::filesystem::path(target).extension().empty()) target += ".pdf";
    bool abort = false;
    ui::CheckNewFile(target, dialogs, abort);
    if (abort) return;

    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&bytes);
        writer.setTitle(windowTitle());
        writer.setCreator("TRB");
        writer.setPageSize(QPageSize(QPageSize::A4));
        PrintPage(html_, writer);
    }
    if (ui::WriteFileChecked(target, bytes.data().toStdString(), dialogs, abort)) dialogs.FileWritten(target);
}

}  // namespace trb::gui
