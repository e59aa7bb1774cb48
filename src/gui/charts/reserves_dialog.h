#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "app/program.h"
#include "gui/charts/threshold_search.h"

class QLabel;
class QPrinter;
class QProgressBar;
class QPushButton;
class QTextBrowser;

namespace trb::gui {

// The reserves of the case: how far load, shaft speed and temperature may go at each clearance
// before the film or the bearing reaches its limit, in words and numbers in the menus' language,
// the governing clearance marked. While the thresholds are being searched (on a thread of their
// own) the dialog shows how far the search is; print and PDF then put the page on paper.
class TFreserven : public QDialog {
  public:
    struct Context {
        app::Program& program;
        ThresholdSearch& search;
        QPrinter& printer;              // the window's printer
        std::function<void(int)> help;  // shows a help text
        const QWidget* mainWindow = nullptr;
    };

    TFreserven(Context context, QWidget* parent = nullptr);

    // The page as shown; empty while the search runs.
    const std::string& Html() const { return html_; }

  private:
    // The page when the thresholds are there, else the search's progress.
    void ShowReserves();
    void Button_druckenClick();
    void Button_pdfClick();

    Context context_;
    std::string html_;
    QLabel* Label_suche = nullptr;
    QProgressBar* ProgressBar_suche = nullptr;
    QTextBrowser* Memo_reserven = nullptr;
    QPushButton* Button_drucken = nullptr;
    QPushButton* Button_pdf = nullptr;
};

}  // namespace trb::gui
