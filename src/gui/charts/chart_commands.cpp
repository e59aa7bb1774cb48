#include "gui/charts/chart_commands.h"

#include <QAction>
#include <QObject>

#include "casefile/case_file.h"
#include "graphics/diagram_coefficients.h"
#include "graphics/diagram_operating.h"
#include "graphics/drawing_clearance_range.h"
#include "graphics/driver.h"
#include "graphics/driver_settings.h"
#include "gui/charts/reserves_dialog.h"
#include "gui/help/help_commands.h"
#include "gui/printing/print_state.h"
#include "gui/window/main_menu.h"
#include "gui/window/main_window.h"
#include "help/show_help.h"
#include "report/operating_points_report.h"
#include "ui/help_numbers.h"

namespace trb::gui {

namespace {

constexpr const char* kHolderName = "ChartCommands";
constexpr int kDefaultSteps = 50;

// Ties the commands' lifetime to the window.
class ChartCommandsHolder : public QObject {
  public:
    explicit ChartCommandsHolder(Thh& window) : QObject(&window), commands(window) {
        setObjectName(kHolderName);
    }
    ChartCommands commands;
};

// A first range around the case's value: a quarter of it to twice it.
ChartRequest FirstRequest(const core::TRBrecord& record) {
    ChartRequest request;
    request.range = {core::SweptQuantity::ShaftSpeed, record.ns / 4, record.ns * 2, kDefaultSteps};
    return request;
}

}  // namespace

ChartCommands& ChartCommandsOf(Thh& window) {
    if (auto* holder = window.findChild<ChartCommandsHolder*>(kHolderName, Qt::FindDirectChildrenOnly)) {
        return holder->commands;
    }
    return (new ChartCommandsHolder(window))->commands;
}

void ConnectChartCommands(Thh& window) {
    ChartCommands& commands = ChartCommandsOf(window);
    const auto bind = [&window](const char* name, auto command) {
        if (QAction* item = window.Menu().Item(name))
            QObject::connect(item, &QAction::triggered, &window, command);
    };
    bind("mi_viewSpielbereich", [&commands] { commands.ShowClearanceRange(graphics::kDeviceScreen); });
    bind("mi_viewBetriebskennfeld", [&commands] { commands.ShowOperatingCharts(graphics::kDeviceScreen); });
    bind("mi_viewBetriebspunkte", [&commands] { commands.PrintOperatingPoints(); });
    bind("mi_viewReserven", [&commands] { commands.ShowReserves(); });
    bind("mi_cadSpielbereich", [&commands] { commands.ShowClearanceRange(graphics::kDeviceAsk); });
    bind("mi_cadBetriebskennfeld", [&commands] { commands.ShowOperatingCharts(graphics::kDeviceAsk); });
}

namespace {

graphics::DrawingData DataOf(app::Program& program) {
    return {program.record,
            program.texts,
            program.settings,
            program.title,
            program.drawingInfo,
            program.changes,
            casefile::NamedCaseFile(program.caseFile),
            true};
}

}  // namespace

ChartCommands::ChartCommands(Thh& window) : window_(window) {
    QObject::connect(&search_, &ThresholdSearch::Ready, &window_, [this] {
        if (shown_ == Shown::OperatingCharts && window_.Printing().shown == graphics::PrintoutKind::Drawing)
            DrawCharts(graphics::kDeviceScreen);
    });
}

void ChartCommands::DrawRange(int device) {
    app::Program& program = window_.Program();
    graphics::Driver& driver = window_.DrawingDriver();
    driver.SetSettings(graphics::DriverSettingsFrom(program.settings));
    driver.SetCaseFile(casefile::NamedCaseFile(program.caseFile));
    const core::ClearanceRange range = core::RunClearanceRange(program.record);
    graphics::DrawClearanceRangeView(driver, DataOf(program), range, device);
    program.abort = false;
}

void ChartCommands::DrawCharts(int device) {
    app::Program& program = window_.Program();
    graphics::Driver& driver = window_.DrawingDriver();
    driver.SetSettings(graphics::DriverSettingsFrom(program.settings));
    driver.SetCaseFile(casefile::NamedCaseFile(program.caseFile));
    program.dialogs.SetBusy(true);
    sweep_ = core::RunOperatingSweep(program.record, request_.range);
    program.dialogs.SetBusy(false);
    program.dialogs.SetHelpNumber(help::kHelpOperatingCharts);
    if (request_.chart == graphics::OperatingChart::Coefficients) {
        DrawCoefficients(device);
        return;
    }
    graphics::OperatingChartOptions options;
    options.chart = request_.chart;
    options.askLimits = true;
    // The screen shows the crossings once the search has found them; a file is written with them.
    if (device == graphics::kDeviceScreen) {
        options.thresholds = search_.For(program.record);
    } else {
        program.dialogs.SetBusy(true);
        options.thresholds = &search_.Now(program.record);
        program.dialogs.SetBusy(false);
    }
    graphics::DrawOperatingCharts(driver, program.dialogs, DataOf(program), sweep_, device, options);
    program.abort = false;
}

void ChartCommands::DrawCoefficients(int device) {
    app::Program& program = window_.Program();
    // A film at every point: some fifty take about a second.
    program.dialogs.SetBusy(true);
    const graphics::CoefficientSweep films = graphics::SolveCoefficientSweep(sweep_);
    program.dialogs.SetBusy(false);
    program.dialogs.SetHelpNumber(help::kHelpCoefficientChart);
    graphics::DrawCoefficientCharts(window_.DrawingDriver(), DataOf(program), films, device);
    program.abort = false;
}

void ChartCommands::ShowClearanceRange(int device) {
    if (device == graphics::kDeviceScreen) {
        window_.Printing().shown = graphics::PrintoutKind::Drawing;
        shown_ = Shown::ClearanceRange;
    }
    DrawRange(device);
}

bool ChartCommands::AskRange(bool withChart) {
    app::Program& program = window_.Program();
    if (!haveRequest_) request_ = FirstRequest(program.record);
    TFbetriebskennfeld::Context context{
        program.texts,   program.settings,
        program.dialogs, [this](int number) { HelpCommandsOf(window_).ShowHelp(number, help::kTextOnly); },
        &window_,        program.record.ns,
        program.record.f};
    TFbetriebskennfeld dialog(std::move(context), request_, withChart, &window_);
    if (dialog.exec() != QDialog::Accepted) return false;
    request_ = dialog.Request();
    haveRequest_ = true;
    return true;
}

void ChartCommands::ShowOperatingCharts(int device) {
    if (!AskRange(true)) return;
    if (device == graphics::kDeviceScreen) {
        window_.Printing().shown = graphics::PrintoutKind::Drawing;
        shown_ = Shown::OperatingCharts;
    }
    DrawCharts(device);
}

void ChartCommands::PrintOperatingPoints() {
    if (!AskRange(false)) return;
    app::Program& program = window_.Program();
    program.dialogs.SetBusy(true);
    sweep_ = core::RunOperatingSweep(program.record, request_.range);
    program.dialogs.SetBusy(false);
    program.abort = false;
    auto writer = program.Writer();
    report::WriteOperatingPointsReport(writer, sweep_, program.texts);
    program.abort = false;
}

void ChartCommands::ShowReserves() {
    app::Program& program = window_.Program();
    TFreserven::Context context{
        program, search_, window_.Printing().printer.Printer(),
        [this](int number) { HelpCommandsOf(window_).ShowHelp(number, help::kTextOnly); }, &window_};
    TFreserven dialog(context, &window_);
    dialog.exec();
    program.abort = false;
}

bool ChartCommands::RedrawAfterRun() {
    if (shown_ == Shown::None || window_.Printing().shown != graphics::PrintoutKind::Drawing) return false;
    if (shown_ == Shown::ClearanceRange) {
        DrawRange(graphics::kDeviceScreen);
    } else {
        DrawCharts(graphics::kDeviceScreen);
    }
    return true;
}

}  // namespace trb::gui
