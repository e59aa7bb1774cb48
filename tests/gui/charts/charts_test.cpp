// The clearance range view and the operating charts as the user reaches them: View menu items,
// the dialog answered through its components, and what the window's display list then holds.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/program.h"
#include "core/clearance_range.h"
#include "graphics/display_list.h"
#include "gui/charts/chart_commands.h"
#include "gui/window/main_window.h"
#include "input_test_support.h"
#include "modal_script.h"
#include "text/format.h"
#include "ui/help_numbers.h"
#include "ui/launcher.h"
#include "ui/scripted_dialogs.h"
#include "window_fixture.h"

namespace trb::gui {
namespace {

namespace fs = std::filesystem;
using testing::ModalScript;
using testing::Ok;
using testing::SetField;

class ChartWindowTest : public testing::ScriptedWindowTest {
  protected:
    ChartWindowTest() { Start(); }

    // The texts the window shows now.
    std::vector<std::string> Shown() const {
        std::vector<std::string> texts;
        for (const graphics::DisplayCommand& c : window_->Graphics().List().Commands()) {
            if (c.code == static_cast<int>(graphics::Cmd::Text)) texts.push_back(c.text);
        }
        return texts;
    }
    bool Shows(const std::string& text) const {
        const auto texts = Shown();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
    bool ShowsPart(const std::string& part) const {
        for (const std::string& t : Shown()) {
            if (t.find(part) != std::string::npos) return true;
        }
        return false;
    }
};

TEST_F(ChartWindowTest, ClearanceRangeViewFollowsEveryInputChange) {
    Trigger("mi_viewSpielbereich");
    EXPECT_TRUE(ShowsPart("Spielbereich"));
    const core::ClearanceRange range = core::RunClearanceRange(program_.record);
    const auto h0 = [&](core::Clearance c) {
        return text::FormatLengthLong(range.At(c).record.h0, program_.settings.format);
    };
    EXPECT_TRUE(Shows(h0(core::Clearance::Smallest) + " *")) << "the thinnest film is marked";
    EXPECT_TRUE(Shows(h0(core::Clearance::Mean)));
    EXPECT_TRUE(Shows(h0(core::Clearance::Largest)));
    EXPECT_FALSE(Shows("Fehler"));

    // The limits dialog raises h0 lim above every film: the view is calculated and drawn again
    // and names the violation in each run.
    {
        ModalScript script;
        script.Then([](QWidget& dialog) {
            SetField(dialog, "Edit_h0", "0.05");
            Ok(dialog);
        });
        Trigger("mi_editlimits");
        EXPECT_EQ(script.names, std::vector<std::string>{"TForm_trbinp3"});
    }
    EXPECT_EQ(program_.record.h0lim, 0.05L);
    EXPECT_TRUE(ShowsPart("Spielbereich"));
    const auto texts = Shown();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Fehler"), 3) << "h0 > h0 lim fails at every clearance";

    // Another view ends the following: the next run shows the result view again.
    Trigger("mi_viewQuick");
    window_->RefreshAfterRun();
    EXPECT_FALSE(ShowsPart("Spielbereich"));
}

TEST_F(ChartWindowTest, OperatingChartsAskForTheRangeAndRefuseABadOne) {
    ModalScript script;
    bool stayedOpen = false;
    script.Then([&](QWidget& dialog) {
        testing::Find<QRadioButton>(dialog, "RadioButton_drehzahl")->setChecked(true);
        SetField(dialog, "Edit_von", "50");
        SetField(dialog, "Edit_bis", "5");
        SetField(dialog, "Edit_schritte", "9");
        Ok(dialog);
        stayedOpen = dialog.isVisible();
        SetField(dialog, "Edit_von", "5");
        SetField(dialog, "Edit_bis", "50");
        auto* chart = testing::Find<QComboBox>(dialog, "ComboBox_diagramm");
        chart->setCurrentIndex(1);  // h0 alone
        Ok(dialog);
    });
    Trigger("mi_viewBetriebskennfeld");
    EXPECT_EQ(script.names, std::vector<std::string>{"TFbetriebskennfeld"});
    EXPECT_TRUE(stayedOpen) << "a reversed range keeps the dialog open";
    const auto boxes = dialogs_.Entries("box");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("verkehrt"), std::string::npos) << boxes[0].text;

    const core::OperatingSweep& sweep = ChartCommandsOf(*window_).Sweep();
    ASSERT_EQ(sweep.points.size(), 10u);
    EXPECT_EQ(sweep.points.front().value, 5);
    EXPECT_EQ(sweep.points.back().value, 50);
    EXPECT_TRUE(Shows("h0 [mm]"));
    EXPECT_TRUE(Shows("h0 lim"));
    EXPECT_TRUE(ShowsPart("nS = 5 ... 50 1/s"));
    EXPECT_FALSE(Shows("P0 [W]")) << "one chart only";

    // An input change sweeps again with the new case.
    const real before = sweep.points[3].At(core::Clearance::Mean).record.h0;
    program_.record.f *= 2;
    window_->RefreshAfterRun();
    EXPECT_LT(ChartCommandsOf(*window_).Sweep().points[3].At(core::Clearance::Mean).record.h0, before);
    EXPECT_TRUE(Shows("h0 [mm]"));
}

// The chart list's last item draws the film's coefficients over the range: the curves' legend, the
// critical mass parameter and the chart's help.
TEST_F(ChartWindowTest, TheCoefficientChartShowsTheFilmOverTheRange) {
    ModalScript script;
    script.Then([&](QWidget& dialog) {
        testing::Find<QRadioButton>(dialog, "RadioButton_drehzahl")->setChecked(true);
        SetField(dialog, "Edit_von", "10");
        SetField(dialog, "Edit_bis", "40");
        SetField(dialog, "Edit_schritte", "6");
        auto* chart = testing::Find<QComboBox>(dialog, "ComboBox_diagramm");
        const int item = chart->findText(QString::fromUtf8("Federn und D\u00e4mpfer des Schmierfilms"));
        ASSERT_EQ(item, chart->count() - 1);
        chart->setCurrentIndex(item);
        Ok(dialog);
    });
    Trigger("mi_viewBetriebskennfeld");
    EXPECT_TRUE(Shows("K xx, B xx"));
    EXPECT_TRUE(Shows("M c: kritischer Massenparameter"));
    EXPECT_TRUE(ShowsPart("nS = 10 ... 40 1/s, 6"));
    EXPECT_FALSE(ShowsPart("fehlgeschlagen")) << "every point has its film";
    EXPECT_FALSE(Shows("h0 [mm]"));
    EXPECT_EQ(program_.dialogs.CurrentHelpNumber(), help::kHelpCoefficientChart);
}

TEST_F(ChartWindowTest, CancelledDialogDrawsNothingAndPointsTableGoesToTheViewer) {
    {
        ModalScript script;
        script.Then([](QWidget& dialog) {
            // The help button shows the help of the field in use.
            testing::Find<QLineEdit>(dialog, "Edit_schritte")->setFocus();
            testing::Click(dialog, "Button_help");
            testing::Cancel(dialog);
        });
        const std::size_t before = window_->Graphics().List().Size();
        Trigger("mi_viewBetriebskennfeld");
        EXPECT_EQ(window_->Graphics().List().Size(), before);
        const auto boxes = dialogs_.Entries("box");
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].caption.find("5640"), std::string::npos) << boxes[0].caption;
        EXPECT_NE(boxes[0].text.find("Schrittzahl"), std::string::npos) << boxes[0].text;
    }
    ModalScript script;
    script.Then([](QWidget& dialog) {
        EXPECT_FALSE(testing::Find<QComboBox>(dialog, "ComboBox_diagramm")->isVisible());
        testing::Find<QRadioButton>(dialog, "RadioButton_last")->setChecked(true);
        SetField(dialog, "Edit_von", "0");
        SetField(dialog, "Edit_bis", "40000");
        SetField(dialog, "Edit_schritte", "4");
        Ok(dialog);
    });
    Trigger("mi_viewBetriebspunkte");
    EXPECT_EQ(script.names, std::vector<std::string>{"TFbetriebskennfeld"});
    const auto viewers = dialogs_.Entries("viewer");
    ASSERT_EQ(viewers.size(), 1u);
    std::ifstream in(viewers[0].text, std::ios::binary);
    std::stringstream shown;
    shown << in.rdbuf();
    const std::string printout = shown.str();
    EXPECT_NE(printout.find("Betriebspunkte: F [N] 0 ... 40000, 4 Schritte"), std::string::npos) << printout;
    EXPECT_NE(printout.find("Punkte fehlgeschlagen: 1"), std::string::npos);
}

}  // namespace
}  // namespace trb::gui
