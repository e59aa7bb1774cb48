// The settings command of the main window and the forms the drawing output opens: the plot dialog
// before a plot and the limits form before a diagram.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/program.h"
#include "graphics/drawing_views.h"
#include "graphics/driver.h"
#include "graphics/driver_settings.h"
#include "gui/window/main_window.h"
#include "input_test_support.h"
#include "modal_script.h"
#include "text/format.h"
#include "ui/launcher.h"
#include "ui/scripted_dialogs.h"
#include "window_fixture.h"

namespace trb::gui {
namespace {

namespace fs = std::filesystem;

class DrawingFormsTest : public testing::ScriptedWindowTest {
  protected:
    DrawingFormsTest() { Start(); }
    static std::string Content(const std::string& path) {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

TEST_F(DrawingFormsTest, SettingsMenuOpensTheDialogAndTheWindowTakesItsColourAlsoAfterCancel) {
    {
        testing::ModalScript script;
        script.Then([](QWidget& dialog) { testing::PressButton(dialog, "Button_hintergrundfarbe"); })
            .Then([](QWidget& box) {
                static_cast<QColorDialog&>(box).setCurrentColor(QColor(40, 60, 200));
                static_cast<QColorDialog&>(box).accept();
            })
            .Then(testing::Cancel);
        window_->findChild<QAction*>("mi_fileConfig")->trigger();
        EXPECT_EQ(script.names, (std::vector<std::string>{"Tconfig", "ColorDialog1", "Tconfig"}));
    }
    EXPECT_EQ(program_.settings.backgroundColour, 200 << 16 | 60 << 8 | 40);
    window_->show();
    const QImage image = window_->RenderImage();
    EXPECT_EQ(QColor(image.pixel(image.width() - 2, 2)), QColor(40, 60, 200))
        << "the canvas shows the colour";
    EXPECT_FALSE(program_.abort);

    // "&Speichern" writes into the per-user folder (no file was read at start) and keeps the dialog open.
    testing::ModalScript save;
    save.Then([](QWidget& dialog) {
        testing::PressButton(dialog, "Button_save");
        EXPECT_TRUE(dialog.isVisible());
        testing::Ok(dialog);
    });
    window_->findChild<QAction*>("mi_fileConfig")->trigger();
    EXPECT_TRUE(fs::exists(folder_ / "config" / "trb" / "trb.cfg"));
}

// The window starts with the configured client area (the canvas) below its menu and above its
// status bar; OK and "&Speichern" set that size again and so leave the window as it is.
TEST_F(DrawingFormsTest, OkAndSaveInTheSettingsKeepTheWindowsSize) {
    const graphics::View& view = window_->Graphics().CurrentView();
    const QSize client(view.deviceWidth + 1, view.deviceHeight + 1);
    window_->show();
    QApplication::processEvents();
    const QWidget* canvas = window_->centralWidget();
    EXPECT_EQ(canvas->size(), client);
    const QSize started = window_->size();
    for (int i = 1; i <= 3; ++i) {
        testing::ModalScript script;
        script.Then([i](QWidget& dialog) {
            if (i == 2) testing::PressButton(dialog, "Button_save");
            testing::Ok(dialog);
        });
        window_->findChild<QAction*>("mi_fileConfig")->trigger();
        QApplication::processEvents();
        EXPECT_EQ(window_->size(), started) << "after OK " << i;
        EXPECT_EQ(canvas->size(), client) << "after OK " << i;
    }
}

// Unticking "Maßstab anpassen ?" takes the scale back: the line no longer says "/M*".
TEST_F(DrawingFormsTest, UntickingTheFitGivesTheLineAScaleAgain) {
    const auto commandLine = [](QWidget& plot) {
        return plot.findChild<QLabel*>("Label_commandline")->text().toStdString();
    };
    for (const char* start : {"wtraceon TRACEON.DXF /M*", "wtraceon TRACEON.DXF /M2"}) {
        program_.settings.plotCommandLines[0] = start;
        std::string fitted, unfitted;
        testing::ModalScript script;
        script.Then([&](QWidget& plot) {
            auto* fit = plot.findChild<QCheckBox*>("CheckBox_scale");
            if (!fit->isChecked()) fit->click();
            fitted = commandLine(plot);
            fit->click();
            unfitted = commandLine(plot);
            testing::Cancel(plot);
        });
        dialogs_.Reply("4");  // the plot device
        window_->DrawView(graphics::kDeviceAsk, 6);
        EXPECT_EQ(script.names, std::vector<std::string>{"TForm_conftraceon"});
        EXPECT_NE(fitted.find(" /M*"), std::string::npos) << start;
        EXPECT_EQ(unfitted.find(" /M*"), std::string::npos) << start << ": " << unfitted;
        if (std::string(start).ends_with("/M2")) {
            EXPECT_NE(unfitted.find(" /M2"), std::string::npos) << "the scale before the fit: " << unfitted;
        } else {
            EXPECT_EQ(unfitted.find(" /M"), std::string::npos) << "scale 1 needs no switch: " << unfitted;
        }
    }
}

TEST_F(DrawingFormsTest, ThePlotDialogEditsTheLineAndTheLineIsKeptForTheNextPlot) {
    program_.settings.plotCommandLines[0] = "wtraceon TRACEON.DXF";
    const std::string temp = text::AddBackslash(program_.settings.tempFolder);
    const std::string edited = "wtraceon " + temp + "traceon /CPS /M* /TCourier";
    {
        testing::ModalScript script;
        script.Then([](QWidget& plot) {
            EXPECT_EQ(plot.findChild<QLabel*>("Label_commandline")->text().toStdString().substr(0, 9),
                      "wtraceon ");
            plot.findChild<QRadioButton*>("RadioGroup_outcode_2")->click();
            plot.findChild<QCheckBox*>("CheckBox_scale")->click();
            plot.findChild<QComboBox*>("ComboBox_psfont")->setCurrentText("Courier");
            testing::Ok(plot);
        });
        dialogs_.Reply("4").Reply(edited);
        window_->DrawView(graphics::kDeviceAsk, 6);
        EXPECT_EQ(script.names, std::vector<std::string>{"TForm_conftraceon"});
    }
    EXPECT_EQ(dialogs_.Entries("text").back().items.at(0), edited) << "the prompt shows the dialog's line";
    ASSERT_EQ(launcher_.calls.size(), 1u);
    EXPECT_EQ(launcher_.calls[0].program, "wtraceon");
    // The plot file of the line is the file just written, in this run's own temporary folder.
    const std::string plotFile =
        graphics::TempPath(graphics::DriverSettingsFrom(program_.settings), "traceon");
    EXPECT_EQ(launcher_.calls[0].arguments, (std::vector<std::string>{plotFile, "/CPS", "/M*", "/TCourier"}));
    EXPECT_EQ(program_.settings.plotCommandLines[0], edited) << "kept in the settings, saved with them";

    // The next plot starts from the kept line.
    testing::ModalScript again;
    again.Then([&](QWidget& plot) {
        EXPECT_EQ(plot.findChild<QLabel*>("Label_commandline")->text().toStdString(), edited);
        testing::Ok(plot);
    });
    dialogs_.Reply("4").Reply(edited);
    window_->DrawView(graphics::kDeviceAsk, 6);
    EXPECT_EQ(launcher_.calls.size(), 2u);
}

TEST_F(DrawingFormsTest, TheLimitsFormDrawsTheDiagramWithTheTypedLimits) {
    program_.settings.enterDiagramLimits = true;
    const auto draw = [&](const std::string& file, const testing::ModalScript::Action& form) {
        testing::ModalScript script;
        script.Then(form);
        // The kinematic viscosity diagram as a text dump, then back out of the view list.
        dialogs_.Reply("2").Reply("5").Reply(file).ReplyCancel();
        window_->DrawView(graphics::kDeviceAsk, 0);
        EXPECT_EQ(script.names, std::vector<std::string>{"TEinDiagramLimits"});
        return Content(file);
    };
    const std::string typed = draw(Path("typed.txt"), [](QWidget& form) {
        EXPECT_EQ(form.findChild<QLineEdit*>("Edit_xmax")->text(), "120") << "opens on the automatic limits";
        form.findChild<QLineEdit*>("Edit_xmin")->setText("30");
        form.findChild<QLineEdit*>("Edit_xmax")->setText("90");
        form.findChild<QLineEdit*>("Edit_ymax")->setText("200");
        testing::Ok(form);
    });
    EXPECT_NE(typed.find("\t30\n"), std::string::npos) << "x axis from 30";
    EXPECT_NE(typed.find("\t90\n"), std::string::npos) << "x axis to 90";
    EXPECT_NE(typed.find("\t200\n"), std::string::npos) << "y axis to 200";
    EXPECT_EQ(typed.find("\t120\n"), std::string::npos) << "not the automatic end";

    const std::string calculated = draw(Path("calculated.txt"), [](QWidget& form) {
        form.findChild<QLineEdit*>("Edit_xmax")->setText("90");
        testing::PressButton(form, "Button_calc");
        EXPECT_EQ(form.findChild<QLineEdit*>("Edit_xmax")->text(), "120");
        testing::Ok(form);
    });
    EXPECT_NE(calculated.find("\t120\n"), std::string::npos) << "\"Calculate\" put the automatic limits back";

    // Cancel draws nothing.
    testing::ModalScript cancel;
    cancel.Then(testing::Cancel);
    dialogs_.Reply("2").Reply("5").Reply(Path("cancelled.txt")).ReplyCancel();
    window_->DrawView(graphics::kDeviceAsk, 0);
    EXPECT_FALSE(fs::exists(Path("cancelled.txt")));
}

}  // namespace
}  // namespace trb::gui
